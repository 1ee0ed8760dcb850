// The schedule controls of a page: the date-unit, time-unit and weekday lists, the
// four number boxes with their up-downs and labels, and the display box. The
// wizard's schedule page and the alarm property sheet's schedule page each hold one.
#pragma once
#include <windows.h>

#include "alarms/ScheduleEditor.h"
#include "ui/DataExchange.h"
#include "ui/WindowView.h"

class CSchedulePanel {
public:
    // `displayId`: the read-only box that shows the schedule's text.
    explicit CSchedulePanel(int displayId) : m_displayId(displayId) {}

    // Start or Load the editor before Init.
    ScheduleEditor& Editor() { return m_editor; }
    const ScheduleEditor& Editor() const { return m_editor; }

    // Fills the lists of the page's controls and shows the editor's schedule.
    void Init(HWND page);
    // A command of the page; true when it came from one of the schedule controls.
    bool OnCommand(WORD id, WORD code);
    // Saving refuses a shown box that holds no number, with a message; loading does nothing.
    void Exchange(ui::DataExchange& exchange) const;

private:
    void ShowSchedule();
    void ShowBox(ScheduleBox box) const;
    void ShowDisplayText() const;
    int Selection(int listId) const;
    ui::WindowView Child(int id) const { return ui::WindowView(m_page, id); }

    HWND m_page = nullptr;
    int m_displayId;
    ScheduleEditor m_editor;
};
