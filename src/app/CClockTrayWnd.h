// The program's main window: invisible, owns the notification icon and the clock window.
#pragma once
#include <cstdint>
#include <map>

#include "app/CTrayIconWnd.h"
#include "ui/Environment.h"
#include "clock/ClockOwner.h"
#include "ui/Gdi.h"

class CClockDialog;

class CClockTrayWnd : public CTrayIconWnd, public ClockOwner {
public:
    explicit CClockTrayWnd(ui::Environment env);

    // Switches the notification icon: 133 normal, 175 minimised, 173 while a dialog is open.
    void SetTrayIcon(UINT iconId) override;
    HWND MainWindow() const override { return m_hwnd; }
    void ClockDestroyed() override { m_clockDialog = nullptr; }
    CClockDialog* ClockDialog() const { return m_clockDialog; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnTrayRButtonUp() override;
    void OnTrayLButtonUp() override;
    void OnFinalDestroyed() override;

private:
    LRESULT OnCreate();
    LRESULT OnShowClock(WPARAM key);
    void OnDestroy();
    HICON TrayIcon(UINT iconId);
    bool ClockAcceptsInput() const;

    ui::Environment m_env;
    CClockDialog* m_clockDialog = nullptr;
    std::uint64_t m_folderKey = 0;          // of the program folder, as another start of it names it
    std::map<UINT, ui::gdi::Icon> m_icons;  // loaded once, so a repeated icon keeps its handle
};
