#include "options/OptionValues.h"

void TakeEditedSettings(ClockSettings& current, const ClockSettings& edited) {
    const int topMost = current.TopMost;
    const int minimize = current.Minimize;
    current = edited;
    current.TopMost = topMost;
    current.Minimize = minimize;
}
