// Where everything of the colour popup lies: the grid of colour cells, the
// automatic box above it and the more-colours box below it (client pixels), the
// window size, what a point is on, and where the popup opens on the screen.
#pragma once

#include <optional>

#include "common/Geometry.h"

// The elements of the popup: a cell index from 0, or one of these.
inline constexpr int kAutomaticBox = -3;
inline constexpr int kMoreColoursBox = -2;
inline constexpr int kNoElement = -1;

struct ColourPopupInput {
    int colourCount = 40;  // at most 100
    int margin = 2;        // the system's edge width
    // Extents of the two captions in the popup font; no extent: no such box.
    std::optional<Size> automaticText;
    std::optional<Size> moreColoursText;
    int boxSize = 18;  // a colour cell's side (18 at 96 DPI)
};

class ColourPopupLayout {
public:
    static constexpr int kColumns = 8;
    static constexpr int kMaxColours = 100;
    static constexpr int kBoxSize = 18;

    explicit ColourPopupLayout(const ColourPopupInput& input);

    int Count() const { return m_count; }
    int Rows() const { return (m_count + kColumns - 1) / kColumns; }
    int Margin() const { return m_margin; }
    Size WindowSize() const { return m_window; }
    bool HasAutomaticBox() const { return m_hasAutomatic; }
    bool HasMoreColoursBox() const { return m_hasMoreColours; }
    const Rect& AutomaticBox() const { return m_automatic; }      // empty without the box
    const Rect& MoreColoursBox() const { return m_moreColours; }  // empty without the box

    Rect Cell(int index) const;
    // The rectangle of a cell or box; empty for kNoElement and for a box that does not exist.
    Rect Element(int element) const;
    // The element under a client point; the margins and the outside are kNoElement.
    int HitTest(Point client) const;

private:
    int m_count;
    int m_margin;
    int m_boxSize;
    int m_gridTop;
    bool m_hasAutomatic;
    bool m_hasMoreColours;
    Size m_window;
    Rect m_automatic;
    Rect m_moreColours;
};

// The popup's screen rectangle: its top-left corner at `below` (the bottom-left corner
// of the button), moved left or right to stay inside the work area, and above the
// button (`buttonHeight` higher than its own height) when it would reach below it.
Rect PlaceColourPopup(Size popup, Point below, int buttonHeight, const Rect& workArea);
