// A non-owning view of a window, usually a control of a dialog: what code above the
// layer does with a control (its text, enabled and shown state, check, font) without
// raw messages. Copy it freely; it never destroys the window.
#pragma once
#include <windows.h>

#include <string>

namespace ui {

class WindowView {
public:
    WindowView() = default;
    explicit WindowView(HWND hwnd) : m_hwnd(hwnd) {}
    WindowView(HWND dialog, int id) : m_hwnd(GetDlgItem(dialog, id)) {}

    HWND Handle() const { return m_hwnd; }
    explicit operator bool() const { return m_hwnd != nullptr; }

    std::wstring Text() const;
    void SetText(const std::wstring& text) const { SetWindowTextW(m_hwnd, text.c_str()); }
    void Enable(bool enabled) const { EnableWindow(m_hwnd, enabled ? TRUE : FALSE); }
    bool IsEnabled() const { return IsWindowEnabled(m_hwnd) != FALSE; }
    void Show(bool shown) const { ShowWindow(m_hwnd, shown ? SW_SHOW : SW_HIDE); }
    bool IsShown() const { return IsWindowVisible(m_hwnd) != FALSE; }
    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void Check(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
    HFONT Font() const { return reinterpret_cast<HFONT>(Send(WM_GETFONT)); }
    void SetFont(HFONT font, bool redraw) const {
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
    }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageW(m_hwnd, message, wParam, lParam);
    }
    template <class T>
    LRESULT Send(UINT message, WPARAM wParam, T* pointer) const {
        return Send(message, wParam, reinterpret_cast<LPARAM>(pointer));
    }

private:
    HWND m_hwnd = nullptr;
};

}  // namespace ui
