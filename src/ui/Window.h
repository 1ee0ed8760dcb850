// A window object that owns its HWND. One static procedure finds the object
// (bound at WM_NCCREATE, kept in GWLP_USERDATA) and calls its message handler.
#pragma once
#include <windows.h>

#include <string>

namespace ui {

// Reports a C++ exception caught before it could cross into Windows.
void ReportUnexpected(const char* where) noexcept;

struct WindowCreateArgs {
    const wchar_t* className = nullptr;  // registered on first use, without cursor or icon
    UINT classStyle = 0;                 // CS_ styles of the class
    HBRUSH classBackground = nullptr;    // erases the background (e.g. COLOR_BTNFACE + 1); none
    const wchar_t* title = L"";
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{0, 0, 0, 0};
    HWND parent = nullptr;
};

// Counts the handlers of one window object now on the stack, so that an object
// that deletes itself once its window is gone waits for the outermost handler.
class HandlerDepth {
public:
    void Enter() { ++m_depth; }
    void MarkDestroyed() { m_destroyed = true; }
    // Leaves a handler: true once, when the last one leaves after the window was destroyed.
    bool LeaveFinished() {
        if (--m_depth != 0 || !m_destroyed) return false;
        m_destroyed = false;
        return true;
    }

private:
    int m_depth = 0;
    bool m_destroyed = false;
};

// Runs an object's final step after its window is gone; nothing thrown gets out.
template <class Final>
void RunFinal(Final final) noexcept {
    try {
        final();
    } catch (...) {
        ReportUnexpected("final destroy");
    }
}

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
    HandlerDepth m_handlers;
    bool m_created = false;  // a failed creation leaves deleting to the creator

    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace ui
