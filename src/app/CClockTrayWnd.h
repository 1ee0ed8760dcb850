// The program's main window: invisible, owns the notification icon and the clock window.
#pragma once
#include <map>

#include "app/CTrayIconWnd.h"
#include "app/Environment.h"
#include "ui/Gdi.h"

class CClockDialog;

class CClockTrayWnd : public CTrayIconWnd {
public:
    explicit CClockTrayWnd(Environment env);

    // Switches the notification icon: 133 normal, 175 minimised, 173 while a dialog is open.
    void SetTrayIcon(UINT iconId);
    CClockDialog* ClockDialog() const { return m_clockDialog; }
    void ClockDialogDestroyed() { m_clockDialog = nullptr; }

    static CClockTrayWnd* Instance() { return s_instance; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnTrayRButtonUp() override;
    void OnTrayLButtonUp() override;
    void OnFinalDestroyed() override;

private:
    LRESULT OnCreate();
    void OnDestroy();
    HICON TrayIcon(UINT iconId);
    bool ClockAcceptsInput() const;

    Environment m_env;
    CClockDialog* m_clockDialog = nullptr;
    std::map<UINT, ui::gdi::Icon> m_icons;  // loaded once, so a repeated icon keeps its handle
    static CClockTrayWnd* s_instance;
};
