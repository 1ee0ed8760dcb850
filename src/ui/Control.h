// A control object that takes over a child window (usually one a dialog template
// created) with SetWindowSubclass, and receives the messages its parent reflects.
#pragma once
#include <windows.h>

#include <string>

namespace ui {

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    bool Attach(HWND dialog, int id);
    bool AttachHandle(HWND hwnd);
    void Detach();
    HWND Handle() const { return m_hwnd; }

    static Control* FromHandle(HWND hwnd);

    // A message the parent received on this control's behalf (WM_DRAWITEM,
    // WM_CTLCOLOR*, WM_COMMAND, WM_NOTIFY). Return true when handled.
    virtual bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    // Runs once the control has taken over its window: a control class sets its styles here.
    virtual void OnAttached() {}
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);
};

// Hides the dialog's control `id` and shows `text` where it stood, in the dialog's
// font, wrapped to the control's width. Returns the notice window.
HWND ShowNoticeInPlaceOf(HWND dialog, int id, const std::wstring& text);

}  // namespace ui
