// The colour picker's popup: a grid of named colours with an automatic box above
// it and a more-colours box below it. It opens under the picker holding the mouse,
// follows the pointer and the arrow keys, and ends on a button release, Enter,
// Escape or losing the activation, telling the picker by message. Then it destroys
// its window and deletes itself.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "controls/ColourPopupLayout.h"
#include "ui/Gdi.h"
#include "ui/Palette.h"
#include "ui/Tooltip.h"
#include "ui/Window.h"

// Runs a modal colour dialog owned by `owner`, starting on `initial`: the colour
// the user took, or nothing when the dialog was cancelled.
using ColourDialogFunction = std::function<std::optional<COLORREF>(HWND owner, COLORREF initial)>;

// The system's colour dialog, fully open, any colour; its custom colours are kept
// for the rest of the run.
std::optional<COLORREF> ShowSystemColourDialog(HWND owner, COLORREF initial);

struct ColourPopupArgs {
    HWND picker = nullptr;  // owns the popup and receives its messages
    RECT button{};          // the picker's screen rectangle: the popup opens below or above it
    COLORREF colour = 0;    // the colour the popup opens on
    std::wstring automaticText;
    std::wstring moreColoursText;
    ColourDialogFunction colourDialog;
};

class CColourPopup : public ui::Window {
public:
    // Opens a popup; its window, or nullptr when it could not be created.
    static HWND Open(ColourPopupArgs args);
    // The layout of a popup with these captions in the system's message font.
    static ColourPopupLayout LayoutFor(const std::wstring& automaticText, const std::wstring& moreColoursText);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalDestroyed() override { delete this; }

private:
    enum class Ending { Chosen, Cancelled };

    CColourPopup(ColourPopupArgs args, ui::gdi::Font font, const ColourPopupLayout& layout);
    bool CreateAt(const RECT& screen);
    void CreateTooltips();

    void OnPaint();
    void OnMouseMove(LPARAM point);
    void OnLButtonUp(LPARAM point);
    bool OnKeyDown(WPARAM key);
    void OnKillFocus();
    void OnActivate(WORD state);
    void OnActivateApp(bool active);
    void OnPaletteChanged(HWND changedBy);

    void MoveHighlightTo(int element);
    void RedrawElement(int element);
    void End(Ending ending);
    std::optional<COLORREF> RunColourDialog();

    void Paint(HDC dc) const;
    void DrawElementBack(HDC dc, int element, RECT r, bool textBox) const;
    void DrawCell(HDC dc, int index, bool palette) const;
    void DrawAutomaticBox(HDC dc) const;
    void DrawMoreColoursBox(HDC dc) const;

    ColourPopupArgs m_args;
    ColourPopupLayout m_layout;
    ui::gdi::Font m_font;
    ui::gdi::Palette m_palette;
    ui::Tooltip m_tooltip;
    int m_chosen;
    int m_current = kNoElement;
    COLORREF m_colour;
    bool m_ending = false;
};
