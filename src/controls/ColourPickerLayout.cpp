#include "controls/ColourPickerLayout.h"

#include <algorithm>

int PickerArrowSide(const PickerMetrics& metrics) {
    return std::max(std::max(metrics.thumbWidth, 5 * metrics.edgeWidth),
                    std::max(metrics.thumbHeight, 5 * metrics.edgeHeight));
}

Size PickerSize(const PickerMetrics& metrics, int currentWidth) {
    const int side = PickerArrowSide(metrics);
    return {std::max(currentWidth, 2 * metrics.edgeWidth + 2 * side), side + 2 * metrics.edgeHeight};
}

Rect PickerArrow(const PickerMetrics& metrics, Size client) {
    const int side = PickerArrowSide(metrics);
    const int right = client.width - metrics.edgeWidth;
    return {right - side, metrics.edgeHeight, right, metrics.edgeHeight + side};
}

Rect PickerSwatch(const PickerMetrics& metrics, Size client) {
    const Rect arrow = PickerArrow(metrics, client);
    return {metrics.edgeWidth, metrics.edgeHeight, std::max(metrics.edgeWidth, arrow.left),
            client.height - metrics.edgeHeight};
}
