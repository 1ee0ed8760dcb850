// The clock's settings and their profile keys, against an in-memory profile.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "content/ClockSettings.h"

namespace {

class MemoryProfile : public ProfileStore {
public:
    int GetInt(const wchar_t* key, int defaultValue) override {
        reads.push_back(key);
        auto found = values.find(key);
        return found == values.end() ? defaultValue : std::stoi(found->second);
    }
    std::wstring GetString(const wchar_t* key, const std::wstring& defaultValue) override {
        reads.push_back(key);
        auto found = values.find(key);
        return found == values.end() ? defaultValue : found->second;
    }
    bool WriteInt(const wchar_t* key, int value) override { return WriteString(key, std::to_wstring(value)); }
    bool WriteString(const wchar_t* key, const std::wstring& value) override {
        writes.push_back(key);
        if (failWrites) return false;
        values[key] = value;
        return true;
    }

    std::map<std::wstring, std::wstring> values;
    std::vector<std::wstring> reads;
    std::vector<std::wstring> writes;
    bool failWrites = false;
};

ClockSettings ReadAll(MemoryProfile& profile) {
    ClockSettings settings;
    settings.ReadSettings(profile);
    settings.ReadDialFont(profile);
    return settings;
}

TEST(ClockSettingsTest, AnEmptyProfileGivesTheDefaults) {
    MemoryProfile profile;
    ClockSettings s = ReadAll(profile);
    EXPECT_EQ(s.fillColour, MakeColour(179, 158, 93));
    EXPECT_EQ(s.shadowColour, MakeColour(59, 52, 31));
    EXPECT_EQ(s.lineColour, MakeColour(0, 0, 0));
    EXPECT_EQ(s.Height, 220);
    EXPECT_EQ(s.UpdateIllust, 1);
    EXPECT_EQ(s.UpdateElapse, 1);
    EXPECT_EQ(s.SecondHand, 1);
    EXPECT_EQ(s.CaptionClock + s.TitleFace + s.TopMost + s.Minimize + s.Escape + s.Home, 0);
    EXPECT_EQ(s.dialFont.height, 20);
    EXPECT_EQ(s.dialFont.weight, 700);
    EXPECT_EQ(s.dialFont.italic, 0);
    EXPECT_EQ(s.dialFont.faceName, L"Times New Roman");
}

TEST(ClockSettingsTest, TheConstructorReadsItsKeysInOrder) {
    MemoryProfile profile;
    ClockSettings s;
    s.ReadSettings(profile);
    const std::vector<std::wstring> expected = {
        L"Home",         L"HomeX",  L"HomeY",  L"BrushR",    L"BrushG",  L"BrushB",     L"BrushR",
        L"BrushG",       L"BrushB", L"LineR",  L"LineG",     L"LineB",   L"Minimize",   L"UpdateIllust",
        L"UpdateElapse", L"Escape", L"Height", L"TitleFace", L"TopMost", L"SecondHand", L"CaptionClock"};
    EXPECT_EQ(profile.reads, expected);
}

TEST(ClockSettingsTest, ComponentsAreCutTo8BitsAfterTheShadowIsDivided) {
    MemoryProfile profile;
    profile.values = {{L"BrushR", L"300"}, {L"BrushG", L"-3"}, {L"BrushB", L"255"}, {L"LineG", L"256"}};
    ClockSettings s = ReadAll(profile);
    EXPECT_EQ(RedOf(s.fillColour), 44u);
    EXPECT_EQ(RedOf(s.shadowColour), 100u);
    EXPECT_EQ(GreenOf(s.fillColour), 253u);
    EXPECT_EQ(GreenOf(s.shadowColour), (0xFFFFFFFDu / 3u) & 0xFFu);  // an unsigned division
    EXPECT_EQ(BlueOf(s.shadowColour), 85u);
    EXPECT_EQ(GreenOf(s.lineColour), 0u);
}

TEST(ClockSettingsTest, WritingAndReadingBackGivesTheSameSettings) {
    MemoryProfile profile;
    ClockSettings s;
    s.HomeX = -20;
    s.HomeY = 700;
    s.Home = 2;
    s.Height = 150;
    s.UpdateElapse = 9;
    s.fillColour = MakeColour(10, 20, 30);
    s.shadowColour = MakeColour(1, 2, 3);  // never stored: derived again on reading
    s.lineColour = MakeColour(200, 100, 50);
    s.dialFont = {-12, 400, 1, L"ＭＳ ゴシック"};
    s.UpdateIllust = 0;
    s.Minimize = 1;
    s.Escape = 1;
    s.TitleFace = 1;
    s.TopMost = 1;
    s.SecondHand = 0;
    s.CaptionClock = 1;
    ASSERT_TRUE(s.WriteKeys(profile));
    EXPECT_EQ(profile.writes.size(), 22u);
    EXPECT_EQ(profile.values.count(L"X"), 0u);
    ClockSettings back = ReadAll(profile);
    EXPECT_EQ(back.shadowColour, MakeColour(3, 6, 10));
    back.shadowColour = s.shadowColour;
    EXPECT_EQ(back.HomeX, s.HomeX);
    EXPECT_EQ(back.HomeY, s.HomeY);
    EXPECT_EQ(back.fillColour, s.fillColour);
    EXPECT_EQ(back.lineColour, s.lineColour);
    EXPECT_EQ(back.dialFont.faceName, s.dialFont.faceName);
    EXPECT_EQ(back.dialFont.height, -12);
    EXPECT_EQ(back.dialFont.italic, 1);
    EXPECT_EQ(back.Minimize + back.Escape + back.TitleFace + back.TopMost + back.CaptionClock, 5);
    EXPECT_EQ(back.SecondHand + back.UpdateIllust, 0);
    EXPECT_EQ(back.UpdateElapse, 9);
    EXPECT_EQ(back.Height, 150);
}

TEST(ClockSettingsTest, AFailedWriteIsReportedButEveryKeyIsTried) {
    MemoryProfile profile;
    profile.failWrites = true;
    EXPECT_FALSE(ClockSettings().WriteKeys(profile));
    EXPECT_EQ(profile.writes.size(), 22u);
    EXPECT_FALSE(WriteWindowPosition(profile, {1, 2}));
}

TEST(ClockSettingsTest, TheWindowPositionDefaultsFromTheWorkArea) {
    MemoryProfile profile;
    auto read = [&](int width, int height) {
        const WindowPosition p = ReadWindowPosition(profile, width, height);
        return std::pair{p.x, p.y};
    };
    EXPECT_EQ(read(1024, 738), std::pair(512 - 183, 369 - 211));
    EXPECT_EQ(read(1023, 601), std::pair(511 - 183, 300 - 211));  // halves truncate
    profile.values = {{L"X", L"-5"}, {L"Y", L"40"}};
    EXPECT_EQ(read(1024, 738), std::pair(-5, 40));
}

TEST(ClockSettingsTest, AFaceNameLongerThan31CharactersIsCut) {
    EXPECT_EQ(FitFaceName(std::wstring(31, L'x')), std::wstring(31, L'x'));
    EXPECT_EQ(FitFaceName(std::wstring(32, L'x')), std::wstring(31, L'x'));
    MemoryProfile profile;
    profile.values[L"FontFace"] = std::wstring(50, L'字');
    EXPECT_EQ(ReadAll(profile).dialFont.faceName.size(), 31u);
}

// Values that would make drawing pathological are brought to the nearest sound one;
// values inside the ranges, the edges included, are kept as written.
TEST(ClockSettingsTest, DrawingValuesAreKeptWithinSoundRanges) {
    struct Case {
        const wchar_t* key;
        const wchar_t* stored;
        int expected;
    };
    const Case cases[] = {
        {L"Height", L"2147483647", 422}, {L"Height", L"-2147483648", 0},
        {L"Height", L"422", 422},        {L"Height", L"0", 0},
        {L"Height", L"150", 150},        {L"FontSize", L"2147483647", 1000},
        {L"FontSize", L"-5000", -1000},  {L"FontSize", L"-27", -27},
        {L"HomeX", L"99999999", 32767},  {L"HomeY", L"-40000", -32768},
        {L"X", L"2147483647", 32767},    {L"Y", L"-20", -20},
    };
    for (const Case& c : cases) {
        MemoryProfile profile;
        profile.values[c.key] = c.stored;
        const ClockSettings settings = ReadAll(profile);
        const WindowPosition position = ReadWindowPosition(profile, 1024, 738);
        const std::wstring key = c.key;
        const int read = key == L"Height"     ? settings.Height
                         : key == L"FontSize" ? settings.dialFont.height
                         : key == L"HomeX"    ? settings.HomeX
                         : key == L"HomeY"    ? settings.HomeY
                         : key == L"X"        ? position.x
                                              : position.y;
        EXPECT_EQ(read, c.expected) << std::string(key.begin(), key.end()) << " = " << testing::PrintToString(c.stored);
    }
}

}  // namespace
