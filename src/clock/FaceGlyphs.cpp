#include "clock/FaceGlyphs.h"

#include "resource.h"

#include <array>
#include <cstdlib>

namespace {

// One date layout: positions of month tens, month units, separator, day tens, day units.
// Tens positions are unused when the number has one digit.
struct DateLayout {
    Point monthTens;
    Point monthUnits;
    Point separator;
    Point dayTens;
    Point dayUnits;
};

constexpr DateLayout kBothTwoDigits{{52, 386}, {66, 388}, {80, 391}, {89, 388}, {103, 386}};
constexpr DateLayout kBothOneDigit{{}, {66, 388}, {80, 391}, {}, {89, 388}};
constexpr DateLayout kMonthTwoDigits{{59, 387}, {73, 389}, {87, 389}, {}, {96, 387}};
constexpr DateLayout kDayTwoDigits{{}, {60, 387}, {74, 389}, {83, 389}, {97, 387}};

const DateLayout& LayoutFor(bool monthTwoDigits, bool dayTwoDigits) {
    if (monthTwoDigits) {
        return dayTwoDigits ? kBothTwoDigits : kMonthTwoDigits;
    }
    return dayTwoDigits ? kDayTwoDigits : kBothOneDigit;
}

// The first and last decimal digit of a number, and whether they are distinct characters.
struct OuterDigits {
    int first;
    int last;
    bool twoOrMore;
};

OuterDigits OuterDigitsOf(int number) {
    long long magnitude = std::llabs(static_cast<long long>(number));
    const int last = static_cast<int>(magnitude % 10);
    bool twoOrMore = false;
    while (magnitude >= 10) {
        magnitude /= 10;
        twoOrMore = true;
    }
    return {static_cast<int>(magnitude), last, twoOrMore};
}

void AppendNumber(std::vector<DateGlyph>& glyphs, const OuterDigits& digits, Point tens, Point units) {
    if (digits.twoOrMore) {
        glyphs.push_back({DateGlyphKind::Digit, digits.first, tens});
    }
    glyphs.push_back({DateGlyphKind::Digit, digits.last, units});
}

constexpr std::array<int, 10> kDigitResources = {
    IDB_DIGIT_0, IDB_DIGIT_1, IDB_DIGIT_2, IDB_DIGIT_3, IDB_DIGIT_4,
    IDB_DIGIT_5, IDB_DIGIT_6, IDB_DIGIT_7, IDB_DIGIT_8, IDB_DIGIT_9,
};

constexpr std::array<int, 7> kWeekdayResources = {
    IDB_WEEKDAY_SUN, IDB_WEEKDAY_MON, IDB_WEEKDAY_TUE, IDB_WEEKDAY_WED,
    IDB_WEEKDAY_THU, IDB_WEEKDAY_FRI, IDB_WEEKDAY_SAT,
};

}  // namespace

std::vector<DateGlyph> DateGlyphLayout(int month, int day) {
    const OuterDigits monthDigits = OuterDigitsOf(month);
    const OuterDigits dayDigits = OuterDigitsOf(day);
    const DateLayout& layout = LayoutFor(monthDigits.twoOrMore, dayDigits.twoOrMore);

    std::vector<DateGlyph> glyphs;
    AppendNumber(glyphs, monthDigits, layout.monthTens, layout.monthUnits);
    glyphs.push_back({DateGlyphKind::Separator, 0, layout.separator});
    AppendNumber(glyphs, dayDigits, layout.dayTens, layout.dayUnits);
    return glyphs;
}

int DateGlyphResource(const DateGlyph& glyph) {
    return glyph.kind == DateGlyphKind::Separator ? IDB_DATE_SEPARATOR : DigitGlyphResource(glyph.digit);
}

int DigitGlyphResource(int digit) { return kDigitResources[static_cast<std::size_t>(std::abs(digit % 10))]; }

int WeekdayGlyphResource(int weekday) { return kWeekdayResources[static_cast<std::size_t>(((weekday % 7) + 7) % 7)]; }
