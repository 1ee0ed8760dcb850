#include "options/ClockPageRules.h"

HandColours TakeChosenColour(HandColours colours, HandPart part, std::uint32_t chosen) {
    const Colour rgb = chosen & 0x00FFFFFFu;
    switch (part) {
    case HandPart::Line: colours.line = rgb == 0 ? kStandardLineColour : rgb; break;
    case HandPart::Fill:
        colours.fill = rgb == 0 ? kStandardFillColour : rgb;
        colours.shadow = ShadowOf(colours.fill);
        break;
    }
    return colours;
}
