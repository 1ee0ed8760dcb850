// The persisted settings of the clock window and their profile keys.
#pragma once
#include <cstdint>
#include <string>

#include "common/Colour.h"
#include "common/ProfileStore.h"

// The profile section every setting of the clock lives in.
inline constexpr wchar_t kProfileSection[] = L"Version1.1";

// Values of the Home setting.
inline constexpr int kHomeNone = 0;
inline constexpr int kHomeCentre = 1;
inline constexpr int kHomePoint = 2;

struct DialFont {
    static constexpr size_t kMaxFaceLength = 31;  // a LOGFONT face name holds 31 characters and a zero

    int height = 20;  // FontSize, in points; converted when drawn
    int weight = 700;
    std::uint8_t italic = 0;
    std::wstring faceName = L"Times New Roman";
};

struct ClockSettings {
    int HomeX = 0;  // the home point, screen pixels
    int HomeY = 0;
    int Home = 0;  // 0 none, 1 centre of the work area, 2 the home point
    int Height = 220;
    int UpdateElapse = 1;
    Colour shadowColour = ShadowOf(MakeColour(179, 158, 93));
    Colour fillColour = MakeColour(179, 158, 93);
    Colour lineColour = MakeColour(0, 0, 0);
    DialFont dialFont;
    int UpdateIllust = 1;
    int Minimize = 0;
    int Escape = 0;
    int TitleFace = 0;
    int TopMost = 0;
    int SecondHand = 1;
    int CaptionClock = 0;

    // Every key but the window position and the dial font, in the order they are read at start.
    void ReadSettings(ProfileStore& profile);
    // FontSize, Bold, Italic, FontFace: read while the window initialises.
    void ReadDialFont(ProfileStore& profile);
    // Every key but X and Y, in the save order; false when any write failed.
    bool WriteKeys(ProfileStore& profile) const;
};

// Profile values the face and the window are drawn from are kept where drawing
// stays sound; inside these ranges they are used as written.
struct SettingRange {
    int low;
    int high;
    int Fit(int value) const { return value < low ? low : value > high ? high : value; }
};
// The clock's centre lies inside the 422-pixel-high window.
inline constexpr SettingRange kHeightRange{0, 422};
// Numerals up to several times the clock's size; larger fonts only cost time.
inline constexpr SettingRange kFontSizeRange{-1000, 1000};
// Screen coordinates as window messages carry them (16 bits each).
inline constexpr SettingRange kPositionRange{-32768, 32767};

struct WindowPosition {
    int x = 0;
    int y = 0;
};

// The window's default top-left for a first start, from the work-area size.
WindowPosition DefaultWindowPosition(int workAreaWidth, int workAreaHeight);
WindowPosition ReadWindowPosition(ProfileStore& profile, int workAreaWidth, int workAreaHeight);
bool WriteWindowPosition(ProfileStore& profile, WindowPosition position);

// The face name as it fits a LOGFONT: cut to its 31 characters.
std::wstring FitFaceName(const std::wstring& faceName);
