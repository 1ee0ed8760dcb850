#include "ui/PropertySheet.h"

#include <commctrl.h>

#include <utility>

#include "ui/PropertyPage.h"
#include "ui/Resources.h"
#include "ui/Window.h"

namespace ui {

namespace {

// The sheet being created on this thread: PropertySheetW's callback carries no
// pointer of its own. Nested sheets (a wizard opened from a page) save and restore it.
thread_local PropertySheet* t_creating = nullptr;

}  // namespace

PropertySheet::PropertySheet(std::wstring caption) : m_caption(std::move(caption)) {}

PropertySheet::~PropertySheet() = default;

void PropertySheet::AddPage(PropertyPage& page) {
    page.m_sheet = this;
    m_pages.push_back(&page);
}

void PropertySheet::SetCaption(std::wstring caption) {
    m_caption = std::move(caption);
    if (Handle()) SetWindowTextW(Handle(), m_caption.c_str());
}

INT_PTR PropertySheet::DoModal(HWND owner) {
    std::vector<PROPSHEETPAGEW> pages;
    for (PropertyPage* page : m_pages) pages.push_back(page->Describe());
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof(header);
    header.dwFlags =
        PSH_PROPSHEETPAGE | PSH_USECALLBACK | (m_wizard ? PSH_WIZARD : 0) | (m_helpButton ? PSH_HASHELP : 0);
    header.hwndParent = owner;
    header.hInstance = Instance();
    header.pszCaption = m_caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.ppsp = pages.data();
    header.pfnCallback = &PropertySheet::Callback;

    m_ending = Ending::None;
    m_owner = owner;
    m_shown = false;
    PropertySheet* outer = std::exchange(t_creating, this);
    INT_PTR shown = ::PropertySheetW(&header);
    t_creating = outer;
    m_window.Detach();
    if (shown < 0) return -1;
    switch (m_ending) {
    case Ending::Ok: return IDOK;
    case Ending::Finish: return kFinishButton;
    default: return IDCANCEL;
    }
}

int CALLBACK PropertySheet::Callback(HWND hwnd, UINT message, LPARAM) {
    if (message != PSCB_INITIALIZED || !t_creating) return 0;
    PropertySheet* sheet = t_creating;
    t_creating = nullptr;  // pages created later may open sheets of their own
    sheet->m_window.AttachHandle(hwnd);
    try {
        sheet->OnInitSheet();
    } catch (...) {
        ReportUnexpected("property sheet set-up");
    }
    return 0;
}

RECT PropertySheet::ButtonRect(int id) const {
    RECT r{};
    GetWindowRect(Button(id), &r);
    MapWindowPoints(HWND_DESKTOP, Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void PropertySheet::MoveButton(int id, POINT to) const {
    SetWindowPos(Button(id), nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

LRESULT PropertySheet::HandleSheetMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED &&
        (LOWORD(wParam) == kApplyButton || LOWORD(wParam) == IDOK))
        return OnAcceptCommand(wParam, lParam);
    // A button pressed by message takes the way of a click (Wine's would pass the hooks by).
    if (message == PSM_PRESSBUTTON && (wParam == PSBTN_OK || wParam == PSBTN_APPLYNOW)) {
        const int id = wParam == PSBTN_OK ? IDOK : kApplyButton;
        if (!IsWindowEnabled(Button(id))) return 0;
        return OnAcceptCommand(MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Button(id)));
    }
    // Placed as it is first shown: by then the sheet has its size and the system's position.
    if (message == WM_SHOWWINDOW && wParam && !std::exchange(m_shown, true)) {
        OnFirstShow();
        KeepOnMonitorOf(Handle(), m_owner, m_monitors);
    }
    return m_window.CallDefault(message, wParam, lParam);
}

// The sheet's own Apply or OK first (the active page gives up its values, every page is
// told to apply); the sheet-level transfer follows only when no page refused.
LRESULT PropertySheet::OnAcceptCommand(WPARAM wParam, LPARAM lParam) {
    m_refused = false;
    LRESULT result = m_window.CallDefault(WM_COMMAND, wParam, lParam);
    if (m_refused) return result;
    if (LOWORD(wParam) == kApplyButton) {
        OnApplied();
    } else if (m_ending == Ending::Ok) {
        OnOkAccepted();
        ShowPaintedWindows();
    }
    return result;
}

// Wine hands what the thread's windows painted to the display when the thread waits.
// Taking the sheet down next may keep it busy for seconds (waiting on a window manager
// that is not there), so it waits here, for no time, first. Windows returns at once.
void PropertySheet::ShowPaintedWindows() { MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT); }

LRESULT PropertySheet::Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return m_sheet.HandleSheetMessage(message, wParam, lParam);
}

}  // namespace ui
