// A control object that takes over a child window (usually one a dialog template
// created) with SetWindowSubclass, and receives the messages its parent reflects.
#pragma once
#include <windows.h>

#include <string>

#include "ui/WindowView.h"

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
    WindowView View() const { return WindowView(m_hwnd); }

    static Control* FromHandle(HWND hwnd);

    // A message the parent received on this control's behalf (WM_DRAWITEM,
    // WM_CTLCOLOR*, WM_COMMAND, WM_NOTIFY). Return true when handled.
    virtual bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageW(m_hwnd, message, wParam, lParam);
    }
    template <class T>
    LRESULT Send(UINT message, WPARAM wParam, T* pointer) const {
        return Send(message, wParam, reinterpret_cast<LPARAM>(pointer));
    }
    // A notification for the window the control belongs to.
    LRESULT SendToParent(UINT message, WPARAM wParam, LPARAM lParam) const {
        return SendMessageW(GetParent(m_hwnd), message, wParam, lParam);
    }
    HFONT Font() const { return reinterpret_cast<HFONT>(Send(WM_GETFONT)); }
    // Runs once the control has taken over its window: a control class sets its styles here.
    virtual void OnAttached() {}
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);
};

// Gives the control object of a child the first look at what Windows sends its parent
// about it (WM_DRAWITEM, WM_CTLCOLORSTATIC, WM_CTLCOLORBTN, WM_COMMAND, WM_NOTIFY):
// owner-drawn and notifying controls handle their own messages. True when it did.
bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Hides the dialog's control `id` and shows `text` where it stood, in the dialog's
// font, wrapped to the control's width. Returns the notice window.
HWND ShowNoticeInPlaceOf(HWND dialog, int id, const std::wstring& text);

}  // namespace ui
