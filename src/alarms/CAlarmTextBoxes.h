// The subject, sound and message boxes with the browse button for the sound: the
// wizard's content page and the alarm property sheet's general page each hold one.
#pragma once
#include <windows.h>

#include "alarms/AlarmEditing.h"
#include "ui/Environment.h"
#include "ui/DataExchange.h"

class CAlarmTextBoxes {
public:
    enum class Change { None, Subject, Content, Browse };

    explicit CAlarmTextBoxes(int browseId) : m_browseId(browseId) {}

    // From now on the page's commands count: texts the page puts into the boxes
    // while it initialises are not the user's changes.
    void Attach(HWND page) { m_page = page; }
    // What a command of the page means for the texts.
    Change ChangeOf(WORD id, WORD code) const;

    AlarmTexts Read() const;
    static void Exchange(ui::DataExchange& exchange, AlarmTexts& texts);
    // The sound and message boxes can be edited only while there is a subject.
    void EnableContentBoxes() const;
    // The WAVE file dialog, titled "参照" and owned by the sheet; the path chosen goes into the sound box.
    void BrowseForSound(const ui::Environment& env) const;

private:
    HWND m_page = nullptr;
    int m_browseId;
};
