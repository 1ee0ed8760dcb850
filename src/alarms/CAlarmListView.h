// The alarm list page's list view: one row per alarm, its texts in eight columns
// (subject and schedule shown, the raw fields kept in six hidden ones) and its
// icon from the clock's image list, which the view shares and never destroys.
// The view holds no rows of its own: it asks for the texts of the rows it shows,
// so a list of any length fills at once.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "alarms/AlarmListRows.h"
#include "content/AlarmEntry.h"
#include "ui/Control.h"

class CAlarmListView : public ui::Control {
public:
    static constexpr int kNoRow = -1;

    CAlarmListView();

    // Takes the dialog's list view, sizes the shown columns to it and shows the alarms.
    bool Attach(HWND dialog, int id, HIMAGELIST images, const AlarmList& alarms);

    // Rows are sorted by subject: the row's index is returned.
    int Insert(const AlarmEntry& entry);
    // The row keeps its place; its icon and texts become the entry's.
    void Update(int row, const AlarmEntry& entry);
    void Delete(int row);
    // The record the row stands for.
    const AlarmEntry& EntryOf(int row) const { return m_rows.At(static_cast<size_t>(row)); }

    int Selection() const;
    // Selects and focuses the row and scrolls it into view.
    void Select(int row) const;

    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AddColumns() const;
    // The view keeps its selection by row number: rows that move take it off first.
    void SetRowCount() const;
    void FillItem(LVITEMW& item) const;

    AlarmRowOrder m_rows;
};
