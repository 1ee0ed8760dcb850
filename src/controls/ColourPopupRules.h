// Which element of the colour popup starts chosen, where the arrow keys move the
// highlight, and the colour an element stands for.
#pragma once

#include "common/Colour.h"
#include "controls/ColourPopupLayout.h"

enum class ArrowKey { Up, Down, Left, Right };

// The element shown as chosen when the popup opens on `initial`: the automatic box
// for the automatic colour, else the first cell of that colour, else the
// more-colours box, else kNoElement.
int ChosenElement(Colour initial, const ColourPopupLayout& layout);

// The element the highlight moves to from `from` (kNoElement: nothing highlighted
// yet). Moves within the grid wrap from row to row; moving off the grid goes to a
// box, or round to the grid's other end when there is no box.
int MoveHighlight(int from, ArrowKey key, const ColourPopupLayout& layout);

// The colour a highlighted element offers: the automatic colour, a cell's colour,
// or `initial` for the more-colours box and for nothing.
Colour ElementColour(int element, Colour initial);
