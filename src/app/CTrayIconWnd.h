// The invisible window that owns the notification-area icon and turns the
// icon's mouse events into calls of its virtual operations.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "ui/Window.h"

class CTrayIconWnd : public ui::Window {
public:
    static constexpr UINT kIconId = 100;
    static constexpr UINT kCallbackMessage = WM_USER + 500;  // 0x5F4
    static constexpr size_t kMaxTipLength = 63;

    using ShellNotify = std::function<BOOL(DWORD, NOTIFYICONDATAW*)>;
    explicit CTrayIconWnd(ShellNotify shellNotify);

    virtual bool CreateTrayWnd();
    // Adds, changes or removes the icon. NIF_ICON is sent only for an icon other
    // than the last one given to the notification area by this process.
    BOOL NotifyIcon(DWORD message, HICON icon, const wchar_t* tip);
    // The message a new taskbar (the shell restarted) sends every top-level window.
    static UINT TaskbarCreatedMessage();

    static void ForgetLastIcon() { s_lastIcon = nullptr; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalDestroyed() override { delete this; }

    virtual void OnTrayRButtonUp() {}
    virtual void OnTrayLButtonUp() {}
    virtual void OnTrayLButtonDblClk() {}

private:
    LRESULT OnTrayCallback(WPARAM iconId, LPARAM mouseMessage);
    void AddIconAgain();

    ShellNotify m_shellNotify;
    // What the notification area shows now, so a new taskbar gets it again.
    bool m_iconAdded = false;
    HICON m_icon = nullptr;
    std::wstring m_tip;
    static HICON s_lastIcon;
};
