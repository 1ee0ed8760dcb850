// Modal and modeless dialogs from resource templates. One static procedure binds
// the object at WM_INITDIALOG (kept in DWLP_USER) and calls its message handler.
#pragma once
#include <windows.h>

#include "ui/DataExchange.h"
#include "ui/Window.h"
#include "ui/WindowView.h"

namespace ui {

class Control;

class Dialog {
public:
    explicit Dialog(UINT templateId) : m_templateId(templateId) {}
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    bool Create(HWND parent);      // modeless
    INT_PTR DoModal(HWND parent);  // modal; returns the EndDialog result, -1 on failure
    HWND Handle() const { return m_hwnd; }
    UINT TemplateId() const { return m_templateId; }
    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
    WindowView Child(int id) const { return WindowView(m_hwnd, id); }
    WindowView View() const { return WindowView(m_hwnd); }
    // Moves the keyboard focus to a control as the dialog's own navigation does.
    void GoToControl(HWND control) const {
        SendMessageW(m_hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    }
    // false when saving refused a value (already reported to the user).
    bool UpdateData(bool saving);
    // Where refused values and other messages of the dialog go.
    void SetMessages(Messages messages) { m_messages = std::move(messages); }

    // Called by the message loop for messages of this dialog or its children;
    // true means the message was consumed.
    virtual bool PreTranslateMessage(MSG& msg);

protected:
    // The dialog's message map. Return TRUE when handled; call the base for the rest,
    // which cracks the messages every dialog needs into the handlers below.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Attach the controls first, then call this: it moves the fields into them.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(DataExchange&) {}
    // Buttons (and menu items) go to OnButtonClicked first; OK and Cancel then end the dialog.
    virtual bool OnCommand(WORD id, WORD code, HWND control);
    virtual bool OnButtonClicked(WORD) { return false; }
    // A notification from a child; `result` goes back through DWLP_MSGRESULT.
    virtual bool OnNotify(NMHDR& header, LRESULT& result);
    virtual bool OnTimer(UINT_PTR) { return false; }
    virtual bool OnPaint() { return false; }  // true: painted (a PaintDC was used)
    virtual void OnDestroy() {}
    virtual void OnOK();
    virtual void OnCancel();
    // Called after WM_NCDESTROY, when the HWND is gone. Self-deleting dialogs delete here.
    virtual void OnFinalDestroyed() {}

    void Close(INT_PTR result);  // EndDialog when modal, DestroyWindow when modeless
    void SetResult(LRESULT result) { SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, result); }
    bool IsModal() const { return m_modal; }

    // Binds `binding` (given at WM_INITDIALOG, null otherwise) to its window and routes
    // the message to the bound object's handlers; the procedures of every kind of
    // dialog end here.
    static INT_PTR Route(Dialog* binding, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    Messages m_messages;

private:
    static INT_PTR CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    bool m_modal = false;
    HandlerDepth m_handlers;
};

// The message loop of the program, and a pump for tests. Modeless dialogs get
// their PreTranslateMessage (tooltip relay, keyboard navigation) before dispatch.
void RegisterModeless(Dialog* dialog);
void UnregisterModeless(Dialog* dialog);
int RunMessageLoop();
void PumpMessages();  // handles every message waiting now, then returns

}  // namespace ui
