#include "ui/Control.h"

#include <commctrl.h>

#include "ui/Window.h"

namespace ui {

namespace {
constexpr UINT_PTR kSubclassId = 0x706B6D;  // one subclass per control object
constexpr wchar_t kControlProperty[] = L"pokomi.control";
}  // namespace

Control::~Control() { Detach(); }

bool Control::Attach(HWND dialog, int id) { return AttachHandle(GetDlgItem(dialog, id)); }

bool Control::AttachHandle(HWND hwnd) {
    if (!hwnd || m_hwnd) return false;
    if (!SetWindowSubclass(hwnd, &Control::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) return false;
    SetPropW(hwnd, kControlProperty, this);
    m_hwnd = hwnd;
    OnAttached();
    return true;
}

void Control::Detach() {
    if (!m_hwnd) return;
    RemoveWindowSubclass(m_hwnd, &Control::SubclassProc, kSubclassId);
    RemovePropW(m_hwnd, kControlProperty);
    m_hwnd = nullptr;
}

Control* Control::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<Control*>(GetPropW(hwnd, kControlProperty)) : nullptr;
}

bool Control::OnReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT Control::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

LRESULT Control::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data) {
    auto* self = reinterpret_cast<Control*>(data);
    LRESULT result = 0;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        ReportUnexpected("control procedure");
        result = DefSubclassProc(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) self->Detach();
    return result;
}

bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND child = nullptr;
    switch (message) {
    case WM_DRAWITEM: child = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem; break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_COMMAND: child = reinterpret_cast<HWND>(lParam); break;
    case WM_NOTIFY: child = reinterpret_cast<NMHDR*>(lParam)->hwndFrom; break;
    default: return false;
    }
    Control* control = Control::FromHandle(child);
    return control && control->OnReflected(message, wParam, lParam, result);
}

HWND ShowNoticeInPlaceOf(HWND dialog, int id, const std::wstring& text) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) return nullptr;
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    ShowWindow(control, SW_HIDE);
    HWND notice = CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, r.left,
                                  r.top, r.right - r.left, r.bottom - r.top, dialog, nullptr, nullptr, nullptr);
    if (notice) SendMessageW(notice, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
    return notice;
}

}  // namespace ui
