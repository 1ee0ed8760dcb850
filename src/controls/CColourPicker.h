// A push button that shows a colour swatch with a drop-down arrow. A click opens
// the colour popup under it; the colour taken there becomes the button's colour
// and is reported to the parent with the messages of ColourPickerMessages.h.
// "自動" stands for the automatic colour (CLR_DEFAULT), shown as the default colour.
#pragma once
#include <windows.h>

#include <string>

#include "controls/CColourPopup.h"
#include "ui/Control.h"

class CColourPicker : public ui::Control {
public:
    // Which of the two colours the popup edits.
    enum SelectionMode { kTextColour = 1, kBackgroundColour = 2 };

    CColourPicker();
    ~CColourPicker() override;

    COLORREF GetColour() const;
    void SetColour(COLORREF colour);  // redraws at once
    COLORREF GetDefaultColour() const { return m_defaultColour; }
    void SetDefaultColour(COLORREF colour);
    void SetSelectionMode(SelectionMode mode) { m_selectionMode = mode; }
    // With tracking on, every colour highlighted in the popup becomes the button's at once.
    void SetTrackSelection(bool track) { m_trackSelection = track; }
    // Captions of the popup's two boxes; an empty caption leaves its box out.
    void SetAutomaticText(const std::wstring& text) { m_automaticText = text; }
    void SetMoreColoursText(const std::wstring& text) { m_moreColoursText = text; }
    // The dialog the more-colours box opens; the system's colour dialog by default.
    void SetColourDialog(ColourDialogFunction dialog) { m_colourDialog = std::move(dialog); }

    bool IsActive() const { return m_active; }  // the popup is open
    HWND Popup() const { return m_active ? m_popup : nullptr; }

    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    // The button becomes owner-drawn and takes the height of its arrow.
    void OnAttached() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OpenPopup();
    void OnPopupEnded(UINT message, COLORREF colour);
    void OnPopupHighlighted(COLORREF colour);
    void OnDestroy();
    void ClosePopup();
    void NotifyParent(UINT message, COLORREF colour) const;

    void DrawItem(const DRAWITEMSTRUCT& item) const;
    void DrawCaption(HDC dc, RECT r, bool disabled) const;

    bool m_active = false;
    bool m_trackSelection = false;
    COLORREF m_background;
    COLORREF m_text;
    SelectionMode m_selectionMode = kBackgroundColour;
    std::wstring m_automaticText = L"自動";
    std::wstring m_moreColoursText = L"その他の色(&M)...";
    COLORREF m_defaultColour;
    ColourDialogFunction m_colourDialog = ShowSystemColourDialog;
    HWND m_popup = nullptr;
};
