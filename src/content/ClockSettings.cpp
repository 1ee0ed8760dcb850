#include "content/ClockSettings.h"

namespace {

Colour ReadColour(ProfileStore& profile, const wchar_t* r, const wchar_t* g, const wchar_t* b, Colour fallback) {
    // Components are cut to their low 8 bits.
    int red = profile.GetInt(r, static_cast<int>(RedOf(fallback)));
    int green = profile.GetInt(g, static_cast<int>(GreenOf(fallback)));
    int blue = profile.GetInt(b, static_cast<int>(BlueOf(fallback)));
    return MakeColour(static_cast<unsigned>(red), static_cast<unsigned>(green), static_cast<unsigned>(blue));
}

Colour ReadShadow(ProfileStore& profile, Colour fallbackFill) {
    // The shadow divides the full stored value before the cut to 8 bits.
    auto third = [&](const wchar_t* key, unsigned fallback) {
        return static_cast<unsigned>(profile.GetInt(key, static_cast<int>(fallback))) / 3u;
    };
    unsigned red = third(L"BrushR", RedOf(fallbackFill));
    unsigned green = third(L"BrushG", GreenOf(fallbackFill));
    unsigned blue = third(L"BrushB", BlueOf(fallbackFill));
    return MakeColour(red, green, blue);
}

}  // namespace

void ClockSettings::ReadSettings(ProfileStore& profile) {
    const ClockSettings defaults;
    Home = profile.GetInt(L"Home", defaults.Home);
    HomeX = kPositionRange.Fit(profile.GetInt(L"HomeX", defaults.HomeX));
    HomeY = kPositionRange.Fit(profile.GetInt(L"HomeY", defaults.HomeY));
    shadowColour = ReadShadow(profile, defaults.fillColour);
    fillColour = ReadColour(profile, L"BrushR", L"BrushG", L"BrushB", defaults.fillColour);
    lineColour = ReadColour(profile, L"LineR", L"LineG", L"LineB", defaults.lineColour);
    Minimize = profile.GetInt(L"Minimize", defaults.Minimize);
    UpdateIllust = profile.GetInt(L"UpdateIllust", defaults.UpdateIllust);
    UpdateElapse = profile.GetInt(L"UpdateElapse", defaults.UpdateElapse);
    Escape = profile.GetInt(L"Escape", defaults.Escape);
    Height = kHeightRange.Fit(profile.GetInt(L"Height", defaults.Height));
    TitleFace = profile.GetInt(L"TitleFace", defaults.TitleFace);
    TopMost = profile.GetInt(L"TopMost", defaults.TopMost);
    SecondHand = profile.GetInt(L"SecondHand", defaults.SecondHand);
    CaptionClock = profile.GetInt(L"CaptionClock", defaults.CaptionClock);
}

void ClockSettings::ReadDialFont(ProfileStore& profile) {
    const DialFont defaults;
    dialFont.height = kFontSizeRange.Fit(profile.GetInt(L"FontSize", defaults.height));
    dialFont.weight = profile.GetInt(L"Bold", defaults.weight);
    dialFont.italic = static_cast<std::uint8_t>(profile.GetInt(L"Italic", defaults.italic));
    dialFont.faceName = FitFaceName(profile.GetString(L"FontFace", defaults.faceName));
}

bool ClockSettings::WriteKeys(ProfileStore& profile) const {
    bool ok = true;
    auto put = [&](const wchar_t* key, int value) { ok = profile.WriteInt(key, value) && ok; };
    put(L"LineR", static_cast<int>(RedOf(lineColour)));
    put(L"LineG", static_cast<int>(GreenOf(lineColour)));
    put(L"LineB", static_cast<int>(BlueOf(lineColour)));
    put(L"BrushR", static_cast<int>(RedOf(fillColour)));
    put(L"BrushG", static_cast<int>(GreenOf(fillColour)));
    put(L"BrushB", static_cast<int>(BlueOf(fillColour)));
    put(L"Home", Home);
    put(L"HomeX", HomeX);
    put(L"HomeY", HomeY);
    put(L"UpdateIllust", UpdateIllust);
    put(L"UpdateElapse", UpdateElapse);
    ok = profile.WriteString(L"FontFace", dialFont.faceName) && ok;
    put(L"FontSize", dialFont.height);
    put(L"Bold", dialFont.weight);
    put(L"Italic", dialFont.italic);
    put(L"Height", Height);
    put(L"Escape", Escape);
    put(L"TitleFace", TitleFace);
    put(L"TopMost", TopMost);
    put(L"SecondHand", SecondHand);
    put(L"CaptionClock", CaptionClock);
    put(L"Minimize", Minimize);
    return ok;
}

WindowPosition DefaultWindowPosition(int workAreaWidth, int workAreaHeight) {
    return {workAreaWidth / 2 - 183, workAreaHeight / 2 - 211};
}

WindowPosition ReadWindowPosition(ProfileStore& profile, int workAreaWidth, int workAreaHeight) {
    WindowPosition fallback = DefaultWindowPosition(workAreaWidth, workAreaHeight);
    return {kPositionRange.Fit(profile.GetInt(L"X", fallback.x)), kPositionRange.Fit(profile.GetInt(L"Y", fallback.y))};
}

bool WriteWindowPosition(ProfileStore& profile, WindowPosition position) {
    bool ok = profile.WriteInt(L"X", position.x);
    return profile.WriteInt(L"Y", position.y) && ok;
}

std::wstring FitFaceName(const std::wstring& faceName) {
    return faceName.size() > DialFont::kMaxFaceLength ? faceName.substr(0, DialFont::kMaxFaceLength) : faceName;
}
