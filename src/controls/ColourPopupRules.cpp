#include "controls/ColourPopupRules.h"

#include "controls/ColourTable.h"

namespace {

constexpr int kColumns = ColourPopupLayout::kColumns;

// Where the highlight goes when it leaves the grid past its last cell.
int AfterGrid(const ColourPopupLayout& layout) {
    if (layout.HasMoreColoursBox()) return kMoreColoursBox;
    if (layout.HasAutomaticBox()) return kAutomaticBox;
    return 0;
}

// Where the highlight goes when it leaves the grid before its first cell.
int BeforeGrid(const ColourPopupLayout& layout) {
    if (layout.HasAutomaticBox()) return kAutomaticBox;
    if (layout.HasMoreColoursBox()) return kMoreColoursBox;
    return layout.Count() - 1;
}

bool Forward(ArrowKey key) { return key == ArrowKey::Down || key == ArrowKey::Right; }

int MoveFromCell(int cell, ArrowKey key, const ColourPopupLayout& layout) {
    const int last = layout.Count() - 1;
    switch (key) {
    case ArrowKey::Down: return cell + kColumns <= last ? cell + kColumns : AfterGrid(layout);
    case ArrowKey::Up: return cell - kColumns >= 0 ? cell - kColumns : BeforeGrid(layout);
    case ArrowKey::Right: return cell < last ? cell + 1 : AfterGrid(layout);
    case ArrowKey::Left: return cell > 0 ? cell - 1 : BeforeGrid(layout);
    }
    return cell;
}

}  // namespace

int ChosenElement(Colour initial, const ColourPopupLayout& layout) {
    if (initial == kAutomaticColour && layout.HasAutomaticBox()) return kAutomaticBox;
    for (int i = 0; i < layout.Count() && i < static_cast<int>(kColourTable.size()); ++i)
        if (kColourTable[static_cast<size_t>(i)].colour == initial) return i;
    return layout.HasMoreColoursBox() ? kMoreColoursBox : kNoElement;
}

int MoveHighlight(int from, ArrowKey key, const ColourPopupLayout& layout) {
    if (layout.Count() <= 0) return from;
    switch (from) {
    case kNoElement: return Forward(key) ? AfterGrid(layout) : BeforeGrid(layout);
    case kAutomaticBox:
        if (Forward(key)) return 0;
        return layout.HasMoreColoursBox() ? kMoreColoursBox : layout.Count() - 1;
    case kMoreColoursBox:
        if (!Forward(key)) return layout.Count() - 1;
        return layout.HasAutomaticBox() ? kAutomaticBox : 0;
    default: return MoveFromCell(from, key, layout);
    }
}

Colour ElementColour(int element, Colour initial) {
    if (element == kAutomaticBox) return kAutomaticColour;
    if (element >= 0 && element < static_cast<int>(kColourTable.size()))
        return kColourTable[static_cast<size_t>(element)].colour;
    return initial;
}
