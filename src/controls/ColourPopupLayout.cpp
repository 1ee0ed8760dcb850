#include "controls/ColourPopupLayout.h"

#include <algorithm>

namespace {

bool Contains(const Rect& r, Point p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

// Width and height that both captions need: their extents plus a margin each side,
// and some more height so the text does not touch the box's edges.
Size CaptionBox(const ColourPopupInput& input, int margin) {
    Size text;
    for (const auto& extent : {input.automaticText, input.moreColoursText}) {
        if (!extent) continue;
        text.width = std::max(text.width, extent->width);
        text.height = std::max(text.height, extent->height);
    }
    return {text.width + 2 * margin, text.height + 4 * margin + 2};
}

}  // namespace

ColourPopupLayout::ColourPopupLayout(const ColourPopupInput& input)
    : m_count(std::clamp(input.colourCount, 0, kMaxColours)),
      m_margin(std::max(input.margin, 0)),
      m_boxSize(std::max(input.boxSize, 2 * m_margin + 7)),
      m_gridTop(m_margin),
      m_hasAutomatic(input.automaticText.has_value()),
      m_hasMoreColours(input.moreColoursText.has_value()) {
    const int gridHeight = Rows() * m_boxSize;
    m_window = {kColumns * m_boxSize + 2 * m_margin, gridHeight + 2 * m_margin};
    if (!m_hasAutomatic && !m_hasMoreColours) return;

    const Size caption = CaptionBox(input, m_margin);
    m_window.width = std::max(m_window.width, caption.width);
    const int boxHeight = caption.height + m_margin;
    if (m_hasAutomatic) {
        m_automatic = {m_margin, m_margin, m_window.width - m_margin, m_margin + boxHeight};
        m_window.height += boxHeight + 2 * m_margin;
        m_gridTop += boxHeight + m_margin;
    }
    if (m_hasMoreColours) {
        const int top = m_gridTop + gridHeight;
        m_moreColours = {m_margin, top, m_window.width - m_margin, top + boxHeight};
        m_window.height += boxHeight + 2 * m_margin;
    }
}

Rect ColourPopupLayout::Cell(int index) const {
    const int left = (index % kColumns) * m_boxSize + m_margin;
    const int top = (index / kColumns) * m_boxSize + m_gridTop;
    return {left, top, left + m_boxSize, top + m_boxSize};
}

Rect ColourPopupLayout::Element(int element) const {
    if (element == kAutomaticBox) return m_automatic;
    if (element == kMoreColoursBox) return m_moreColours;
    if (element >= 0 && element < m_count) return Cell(element);
    return {};
}

int ColourPopupLayout::HitTest(Point client) const {
    const Rect grid{m_margin, m_gridTop, m_margin + kColumns * m_boxSize, m_gridTop + Rows() * m_boxSize};
    if (Contains(grid, client)) {
        const int index = (client.y - m_gridTop) / m_boxSize * kColumns + (client.x - m_margin) / m_boxSize;
        return index < m_count ? index : kNoElement;
    }
    if (m_hasAutomatic && Contains(m_automatic, client)) return kAutomaticBox;
    if (m_hasMoreColours && Contains(m_moreColours, client)) return kMoreColoursBox;
    return kNoElement;
}

Rect PlaceColourPopup(Size popup, Point below, int buttonHeight, const Rect& workArea) {
    Rect r{below.x, below.y, below.x + popup.width, below.y + popup.height};
    if (r.right > workArea.right) r = MovedTo(r, {workArea.right - popup.width, r.top});
    if (r.left < workArea.left) r = MovedTo(r, {workArea.left, r.top});
    if (r.bottom > workArea.bottom) r = MovedTo(r, {r.left, r.top - popup.height - buttonHeight});
    // Neither below nor above the button fits: keep the top of the popup visible.
    if (r.top < workArea.top) r = MovedTo(r, {r.left, workArea.top});
    return r;
}
