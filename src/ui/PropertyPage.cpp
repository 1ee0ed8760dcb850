#include "ui/PropertyPage.h"

#include "ui/PropertySheet.h"
#include "ui/Resources.h"

namespace ui {

PROPSHEETPAGEW PropertyPage::Describe() {
    PROPSHEETPAGEW page{};
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_DEFAULT | (m_sheet && m_sheet->m_helpButton ? PSP_HASHELP : 0);
    page.hInstance = Instance();
    page.pszTemplate = MAKEINTRESOURCEW(TemplateId());
    page.pfnDlgProc = &PropertyPage::StaticProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

// A page's WM_INITDIALOG carries the PROPSHEETPAGE it was created from, whose lParam is the page.
INT_PTR CALLBACK PropertyPage::StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    PropertyPage* binding = nullptr;
    if (message == WM_INITDIALOG)
        binding = reinterpret_cast<PropertyPage*>(reinterpret_cast<PROPSHEETPAGEW*>(lParam)->lParam);
    return Route(binding, hwnd, message, wParam, lParam);
}

void PropertyPage::SetModified(bool modified) {
    if (!m_hwnd) return;
    SendMessageW(Sheet(), modified ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hwnd), 0);
}

void PropertyPage::SetWizardButtons(DWORD buttons) const {
    if (m_hwnd) PostMessageW(Sheet(), PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(buttons));
}

INT_PTR PropertyPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
        LRESULT result = 0;
        if (header.hwndFrom == Sheet() && OnSheetNotify(header, result)) {
            SetResult(result);
            return TRUE;
        }
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

bool PropertyPage::OnSheetNotify(const NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case PSN_SETACTIVE: result = OnSetActive() ? 0 : -1; return true;
    case PSN_KILLACTIVE: {
        bool leave = OnKillActive();
        if (!leave && m_sheet) m_sheet->PageRefused();
        result = leave ? FALSE : TRUE;
        return true;
    }
    case PSN_APPLY: {
        bool accepted = OnApply();
        if (!accepted && m_sheet) m_sheet->PageRefused();
        // The notification's lParam is set when the sheet closes (OK) rather than stays (Apply).
        if (accepted && m_sheet && reinterpret_cast<const PSHNOTIFY&>(header).lParam)
            m_sheet->PageEnded(PropertySheet::Ending::Ok);
        result = accepted ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        return true;
    }
    case PSN_RESET:
        OnReset();
        if (m_sheet) m_sheet->PageEnded(PropertySheet::Ending::Cancel);
        return true;
    case PSN_WIZBACK: result = OnWizardBack(); return true;
    case PSN_WIZNEXT: result = OnWizardNext(); return true;
    case PSN_WIZFINISH: {
        bool finish = OnWizardFinish();
        if (finish && m_sheet) m_sheet->PageEnded(PropertySheet::Ending::Finish);
        result = finish ? FALSE : TRUE;
        return true;
    }
    default: return false;
    }
}

}  // namespace ui
