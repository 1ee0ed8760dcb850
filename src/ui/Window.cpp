#include "ui/Window.h"

#include "ui/Control.h"

#include <exception>
#include <string>

namespace ui {

namespace {

bool RegisterPlainClass(const WindowCreateArgs& args, WNDPROC proc) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, args.className, &existing)) return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = args.classStyle;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hbrBackground = args.classBackground;
    wc.lpszClassName = args.className;
    return RegisterClassExW(&wc) != 0;
}

}  // namespace

void ReportUnexpected(const char* where) noexcept {
    try {
        std::string text = std::string("pokomi: unexpected error in ") + where + "\n";
        OutputDebugStringA(text.c_str());
    } catch (...) {
    }
}

Window::~Window() {
    if (m_hwnd) {
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        HWND hwnd = m_hwnd;
        m_hwnd = nullptr;
        DestroyWindow(hwnd);
    }
}

bool Window::CreateWindowObject(const WindowCreateArgs& args) {
    if (!RegisterPlainClass(args, &Window::StaticProc)) return false;
    HWND hwnd = CreateWindowExW(args.exStyle, args.className, args.title, args.style, args.rect.left, args.rect.top,
                                args.rect.right - args.rect.left, args.rect.bottom - args.rect.top, args.parent,
                                nullptr, GetModuleHandleW(nullptr), this);
    m_created = hwnd != nullptr;
    return m_created;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* bound = static_cast<Window*>(create->lpCreateParams);
        bound->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bound));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    self->m_handlers.Enter();
    LRESULT result = 0;
    try {
        if (!ReflectToControl(message, wParam, lParam, result)) result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        ReportUnexpected("window procedure");
        result = DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
        self->m_handlers.MarkDestroyed();
    }
    if (self->m_handlers.LeaveFinished() && self->m_created) RunFinal([self] { self->OnFinalDestroyed(); });
    return result;
}

}  // namespace ui
