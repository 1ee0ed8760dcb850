#include "ui/Dialog.h"

#include <algorithm>
#include <vector>

#include "ui/Control.h"
#include "ui/Window.h"

namespace ui {

namespace {

std::vector<Dialog*>& Modeless() {
    static std::vector<Dialog*> dialogs;
    return dialogs;
}

bool Translate(MSG& msg) {
    // Copy: a handler may create or destroy dialogs.
    std::vector<Dialog*> dialogs = Modeless();
    for (Dialog* dialog : dialogs) {
        HWND hwnd = dialog->Handle();
        if (!hwnd || std::find(Modeless().begin(), Modeless().end(), dialog) == Modeless().end()) continue;
        if (msg.hwnd == hwnd || IsChild(hwnd, msg.hwnd)) return dialog->PreTranslateMessage(msg);
    }
    return false;
}

void Dispatch(MSG& msg) {
    if (Translate(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

}  // namespace

void RegisterModeless(Dialog* dialog) { Modeless().push_back(dialog); }

void UnregisterModeless(Dialog* dialog) {
    auto& dialogs = Modeless();
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), dialog), dialogs.end());
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
    return static_cast<int>(msg.wParam);
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) break;
        Dispatch(msg);
    }
}

Dialog::~Dialog() {
    UnregisterModeless(this);
    if (m_hwnd) {
        SetWindowLongPtrW(m_hwnd, DWLP_USER, 0);
        HWND hwnd = m_hwnd;
        m_hwnd = nullptr;
        DestroyWindow(hwnd);
    }
}

bool Dialog::Create(HWND parent) {
    m_modal = false;
    HWND hwnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), parent,
                                   &Dialog::StaticProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd) return false;
    RegisterModeless(this);
    return true;
}

INT_PTR Dialog::DoModal(HWND parent) {
    m_modal = true;
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), parent, &Dialog::StaticProc,
                           reinterpret_cast<LPARAM>(this));
}

bool Dialog::UpdateData(bool saving) {
    DataExchange exchange(m_hwnd, saving, m_messages);
    DoDataExchange(exchange);
    return !exchange.Failed();
}

bool Dialog::PreTranslateMessage(MSG& msg) { return IsDialogMessageW(m_hwnd, &msg) != FALSE; }

BOOL Dialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

bool Dialog::OnCommand(WORD id, WORD code, HWND) {
    if (code == BN_CLICKED && OnButtonClicked(id)) return true;
    switch (id) {
    case IDOK: OnOK(); return true;
    case IDCANCEL: OnCancel(); return true;
    default: return false;
    }
}

void Dialog::OnOK() {
    if (UpdateData(true)) Close(IDOK);
}

void Dialog::OnCancel() { Close(IDCANCEL); }

bool Dialog::OnNotify(NMHDR&, LRESULT&) { return false; }

void Dialog::Close(INT_PTR result) {
    if (m_modal)
        EndDialog(m_hwnd, result);
    else
        DestroyWindow(m_hwnd);
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog();
    case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!OnNotify(*reinterpret_cast<NMHDR*>(lParam), result)) return FALSE;
        SetResult(result);
        return TRUE;
    }
    case WM_TIMER: return OnTimer(wParam) ? TRUE : FALSE;
    case WM_PAINT: return OnPaint() ? TRUE : FALSE;
    case WM_DESTROY: OnDestroy(); return FALSE;
    default: return FALSE;
    }
}

// Owner-drawn and notifying controls handle their own messages.
INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ReflectToControl(message, wParam, lParam, result)) {
        if (message != WM_NOTIFY) return static_cast<INT_PTR>(result);
        SetResult(result);
        return TRUE;
    }
    return HandleMessage(message, wParam, lParam);
}

INT_PTR CALLBACK Dialog::StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Route(message == WM_INITDIALOG ? reinterpret_cast<Dialog*>(lParam) : nullptr, hwnd, message, wParam, lParam);
}

INT_PTR Dialog::Route(Dialog* binding, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (binding) {
        binding->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(binding));
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self) return FALSE;
    self->m_handlers.Enter();
    INT_PTR result = FALSE;
    try {
        result = self->Dispatch(message, wParam, lParam);
    } catch (...) {
        ReportUnexpected("dialog procedure");
        result = FALSE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->m_hwnd = nullptr;
        self->m_handlers.MarkDestroyed();
        UnregisterModeless(self);
    }
    if (self->m_handlers.LeaveFinished()) RunFinal([self] { self->OnFinalDestroyed(); });
    return result;
}

}  // namespace ui
