// The alarm list page's list view: one row per alarm, its texts in eight columns
// (subject and schedule shown, the raw fields kept in six hidden ones) and its
// icon from the clock's image list, which the view shares and never destroys.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "content/AlarmEntry.h"
#include "ui/WindowView.h"

class CAlarmListView {
public:
    static constexpr int kNoRow = -1;

    void Attach(HWND list, HIMAGELIST images);
    HWND Handle() const { return m_list.Handle(); }

    // The view sorts its rows by subject: the row's index is returned.
    int Insert(const AlarmEntry& entry) const;
    // The row keeps its place; its icon and texts become the entry's.
    void Update(int row, const AlarmEntry& entry) const;
    void Delete(int row) const;
    // The record the row's texts stand for.
    AlarmEntry EntryOf(int row) const;

    int Selection() const;
    // Selects and focuses the row and scrolls it into view.
    void Select(int row) const;

private:
    void SetTexts(int row, const AlarmEntry& entry) const;

    ui::WindowView m_list;
};
