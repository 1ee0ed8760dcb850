#include "clock/FaceGlyphs.h"

#include "resource.h"

#include <gtest/gtest.h>

#include <set>

std::ostream& operator<<(std::ostream& out, const DateGlyph& glyph) {
    if (glyph.kind == DateGlyphKind::Separator) {
        out << "separator";
    } else {
        out << "digit " << glyph.digit;
    }
    return out << " at " << glyph.position;
}

namespace {

DateGlyph Digit(int digit, int x, int y) { return {DateGlyphKind::Digit, digit, {x, y}}; }

DateGlyph Separator(int x, int y) { return {DateGlyphKind::Separator, 0, {x, y}}; }

using Glyphs = std::vector<DateGlyph>;

TEST(FaceGeometryDate, FirstOfJanuaryHasOneDigitEachSide) {
    EXPECT_EQ(DateGlyphLayout(1, 1), (Glyphs{Digit(1, 66, 388), Separator(80, 391), Digit(1, 89, 388)}));
}

TEST(FaceGeometryDate, TwelfthOfDecemberHasFourDigits) {
    EXPECT_EQ(DateGlyphLayout(12, 12), (Glyphs{Digit(1, 52, 386), Digit(2, 66, 388), Separator(80, 391),
                                               Digit(1, 89, 388), Digit(2, 103, 386)}));
}

TEST(FaceGeometryDate, ThirdOfOctoberShiftsRight) {
    EXPECT_EQ(DateGlyphLayout(10, 3),
              (Glyphs{Digit(1, 59, 387), Digit(0, 73, 389), Separator(87, 389), Digit(3, 96, 387)}));
}

TEST(FaceGeometryDate, TenthOfMarchShiftsLeft) {
    EXPECT_EQ(DateGlyphLayout(3, 10),
              (Glyphs{Digit(3, 60, 387), Separator(74, 389), Digit(1, 83, 389), Digit(0, 97, 387)}));
}

TEST(FaceGeometryDate, LayoutSwitchesBetweenNineAndTen) {
    EXPECT_EQ(DateGlyphLayout(9, 9).size(), 3u);
    EXPECT_EQ(DateGlyphLayout(9, 10).size(), 4u);
    EXPECT_EQ(DateGlyphLayout(10, 9).size(), 4u);
    EXPECT_EQ(DateGlyphLayout(10, 10).size(), 5u);
    EXPECT_EQ(DateGlyphLayout(12, 31).back(), Digit(1, 103, 386));
    EXPECT_EQ(DateGlyphLayout(12, 31)[3], Digit(3, 89, 388));
}

TEST(FaceGeometryDate, GlyphsNeverOverlapInAnyDate) {
    constexpr int kDigitWidth = 11;
    constexpr int kSeparatorWidth = 6;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            const Glyphs glyphs = DateGlyphLayout(month, day);
            for (std::size_t i = 1; i < glyphs.size(); ++i) {
                const DateGlyph& before = glyphs[i - 1];
                const int width = before.kind == DateGlyphKind::Separator ? kSeparatorWidth : kDigitWidth;
                EXPECT_LE(before.position.x + width, glyphs[i].position.x) << month << "/" << day << " glyph " << i;
            }
        }
    }
}

TEST(FaceGeometryDate, NumbersOutsideTheCalendarStillGiveDigits) {
    // Three digits show the first and the last, as a formatted number's ends would.
    EXPECT_EQ(DateGlyphLayout(123, 0),
              (Glyphs{Digit(1, 59, 387), Digit(3, 73, 389), Separator(87, 389), Digit(0, 96, 387)}));
    for (const DateGlyph& glyph : DateGlyphLayout(-7, -45)) {
        EXPECT_GE(glyph.digit, 0);
        EXPECT_LE(glyph.digit, 9);
    }
    EXPECT_EQ(DateGlyphLayout(-7, -45)[0].digit, 7);
}

TEST(FaceGeometryGlyphResources, DigitsAndSeparator) {
    EXPECT_EQ(DigitGlyphResource(0), 155);
    EXPECT_EQ(DigitGlyphResource(1), 145);
    EXPECT_EQ(DigitGlyphResource(9), 153);
    std::set<int> resources;
    for (int digit = 0; digit <= 9; ++digit) {
        resources.insert(DigitGlyphResource(digit));
    }
    EXPECT_EQ(resources.size(), 10u);
    EXPECT_EQ(DateGlyphResource(Separator(0, 0)), 154);
    EXPECT_EQ(DateGlyphResource(Digit(4, 0, 0)), IDB_DIGIT_4);
    EXPECT_EQ(DigitGlyphResource(13), IDB_DIGIT_3);
    EXPECT_EQ(DigitGlyphResource(-13), IDB_DIGIT_3);
}

TEST(FaceGeometryGlyphResources, WeekdaysFromSunday) {
    const int expected[7] = {158, 156, 160, 161, 159, 144, 157};
    for (int weekday = 0; weekday < 7; ++weekday) {
        EXPECT_EQ(WeekdayGlyphResource(weekday), expected[weekday]) << weekday;
    }
    EXPECT_EQ(WeekdayGlyphResource(7), WeekdayGlyphResource(0));
    EXPECT_EQ(WeekdayGlyphResource(-1), WeekdayGlyphResource(6));
}

}  // namespace