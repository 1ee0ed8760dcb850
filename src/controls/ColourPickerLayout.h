// The colour picker button: its size, the drop-down arrow at its right end and the
// colour swatch beside it, from the system's edge and scroll-thumb metrics.
#pragma once

#include "common/Geometry.h"

struct PickerMetrics {
    int edgeWidth = 2;    // SM_CXEDGE
    int edgeHeight = 2;   // SM_CYEDGE
    int thumbWidth = 0;   // SM_CXHTHUMB
    int thumbHeight = 0;  // SM_CYVTHUMB
};

// The side of the square arrow: at least a scroll thumb and five edges either way.
int PickerArrowSide(const PickerMetrics& metrics);

// The button keeps its width when that holds the swatch and the arrow; its height
// is the arrow's plus the edges.
Size PickerSize(const PickerMetrics& metrics, int currentWidth);

// In client pixels of a button of the given size.
Rect PickerArrow(const PickerMetrics& metrics, Size client);
Rect PickerSwatch(const PickerMetrics& metrics, Size client);  // inside the edge, left of the arrow
