// A window object that owns its HWND. One static procedure finds the object
// (bound at WM_NCCREATE, kept in GWLP_USERDATA) and calls its message handler.
#pragma once
#include <windows.h>

#include <string>

namespace ui {

struct WindowCreateArgs {
    const wchar_t* className = nullptr;  // registered on first use (no style, cursor, brush or icon)
    const wchar_t* title = L"";
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{0, 0, 0, 0};
    HWND parent = nullptr;
};

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return m_hwnd; }

protected:
    bool CreateWindowObject(const WindowCreateArgs& args);

    // The class's message map: a switch whose cases call named handlers.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after WM_NCDESTROY, when the HWND is gone. Self-deleting windows delete here.
    virtual void OnFinalDestroyed() {}

    HWND m_hwnd = nullptr;

private:
    int m_depth = 0;          // handlers of this window now on the stack
    bool m_destroyed = false;
    bool m_created = false;   // a failed creation leaves deleting to the creator

    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

// Keeps a C++ exception from crossing into Windows: runs f, reports and swallows anything thrown.
void ReportUnexpected(const char* where) noexcept;

}  // namespace ui
