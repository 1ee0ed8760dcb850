// A page of a property sheet or wizard, on a dialog template. It binds to its window
// through the PROPSHEETPAGE it was described by, and turns the sheet's notifications
// into virtual calls whose answers go back through DWLP_MSGRESULT.
#pragma once
#include <windows.h>
#include <prsht.h>

#include "ui/Dialog.h"

// prsht.h maps this name to the function PropertySheetW; here it names ui::PropertySheet.
#undef PropertySheet

namespace ui {

class PropertySheet;

class PropertyPage : public Dialog {
public:
    explicit PropertyPage(UINT templateId) : Dialog(templateId) {}

    // The page as the sheet creates it.
    PROPSHEETPAGEW Describe();
    HWND Sheet() const { return m_hwnd ? GetParent(m_hwnd) : nullptr; }
    bool IsCreated() const { return m_hwnd != nullptr; }

    // A modified page enables the sheet's Apply button until the next Apply.
    void SetModified(bool modified = true);

protected:
    // true to show the page.
    virtual bool OnSetActive() { return true; }
    // false keeps the page in front (the user must mend a value). Saves the fields.
    virtual bool OnKillActive() { return UpdateData(true); }
    // false refuses the page's values: the sheet stays open.
    virtual bool OnApply() { return true; }
    virtual void OnReset() {}
    // Wizard steps: 0 to go on, -1 to stay on this page.
    virtual LRESULT OnWizardBack() { return 0; }
    virtual LRESULT OnWizardNext() { return 0; }
    // false keeps the wizard open.
    virtual bool OnWizardFinish() { return true; }

    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The wizard's Back, Next and Finish buttons (PSWIZB_*); posted, as the sheet expects.
    void SetWizardButtons(DWORD buttons) const;

private:
    friend class PropertySheet;
    static INT_PTR CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool OnSheetNotify(const NMHDR& header, LRESULT& result);

    PropertySheet* m_sheet = nullptr;
};

}  // namespace ui
