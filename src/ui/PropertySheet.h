// A modal property sheet or wizard over PropertySheetW. The sheet's own window is
// subclassed as soon as it exists, for the sheet-level steps (buttons hidden or
// moved, topmost, the Apply command). Which button ended the sheet is taken from
// the notifications its pages received, not from PropertySheetW's return value.
#pragma once
#include <windows.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/Monitors.h"

// prsht.h maps this name to the function PropertySheetW; here it names the class below.
#undef PropertySheet

namespace ui {

class PropertyPage;

inline constexpr int kApplyButton = 0x3021;
inline constexpr int kBackButton = 0x3023;
inline constexpr int kNextButton = 0x3024;
inline constexpr int kFinishButton = 0x3025;

class PropertySheet {
public:
    enum class Ending { None, Ok, Cancel, Finish };

    explicit PropertySheet(std::wstring caption);
    PropertySheet(const PropertySheet&) = delete;
    PropertySheet& operator=(const PropertySheet&) = delete;
    virtual ~PropertySheet();

    void AddPage(PropertyPage& page);
    void SetWizardMode() { m_wizard = true; }
    // The standard layout with a Help button, for sheets that move their buttons into its place.
    void SetHelpButton() { m_helpButton = true; }
    void SetCaption(std::wstring caption);
    // Where the sheet learns the monitors from: it opens on its owner's monitor, wholly
    // inside the work area. The system's unless set.
    void SetMonitors(Monitors monitors) { m_monitors = std::move(monitors); }

    // Runs the sheet; IDOK, IDCANCEL or kFinishButton as the user ended it, -1 when it could not open.
    INT_PTR DoModal(HWND owner);
    Ending HowEnded() const { return m_ending; }
    HWND Handle() const { return m_window.Handle(); }
    const std::vector<PropertyPage*>& Pages() const { return m_pages; }

protected:
    // The sheet window and its buttons exist; the first page does not yet.
    virtual void OnInitSheet() {}
    // The first page exists too, and the sheet is about to show for the first time.
    virtual void OnFirstShow() {}
    // The Apply button was pressed and every page accepted its values.
    virtual void OnApplied() {}
    // OK was pressed and every page accepted its values; the sheet closes once this returns.
    // What OK does belongs here rather than after DoModal: taking the window down may keep
    // PropertySheetW from returning for a while (Wine waits on the window manager).
    virtual void OnOkAccepted() {}
    // Messages of the sheet window; call the base for the rest.
    virtual LRESULT HandleSheetMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND Button(int id) const { return GetDlgItem(Handle(), id); }
    RECT ButtonRect(int id) const;  // in the sheet's client coordinates
    void MoveButton(int id, POINT to) const;
    void HideButton(int id) const { ShowWindow(Button(id), SW_HIDE); }

private:
    friend class PropertyPage;
    class Window : public Control {
    public:
        explicit Window(PropertySheet& sheet) : m_sheet(sheet) {}
        LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
        LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

    private:
        PropertySheet& m_sheet;
    };

    static int CALLBACK Callback(HWND hwnd, UINT message, LPARAM lParam);
    void PageEnded(Ending ending) { m_ending = ending; }
    void PageRefused() { m_refused = true; }
    // Apply or OK: the sheet's own handling, then the hook when no page refused.
    LRESULT OnAcceptCommand(WPARAM wParam, LPARAM lParam);
    static void ShowPaintedWindows();

    std::wstring m_caption;
    std::vector<PropertyPage*> m_pages;
    bool m_wizard = false;
    bool m_helpButton = false;
    bool m_refused = false;
    bool m_shown = false;
    Ending m_ending = Ending::None;
    Monitors m_monitors;
    HWND m_owner = nullptr;
    Window m_window{*this};
};

}  // namespace ui
