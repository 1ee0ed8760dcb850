// Paints the clock face into any DC: the illustration, the weekday and date glyphs,
// the numerals and the hands. It keeps what is dear to make again between paints: the
// mappings as the display settled them, the second hand's pixels, the decoded bitmaps.
#pragma once
#include <windows.h>

#include <array>
#include <map>
#include <optional>
#include <string>

#include "clock/FaceMapping.h"
#include "common/DpiScale.h"
#include "common/LocalTime.h"
#include "content/ClockSettings.h"
#include "ui/Files.h"
#include "ui/Gdi.h"
#include "ui/Resources.h"

// What one paint shows besides the settings.
struct FaceScene {
    std::wstring illustrationPath;
    LocalTime today;  // its weekday, month and day
    int hour12 = 0;   // the hands
    int minute = 0;
    int second = 0;
};

class CFacePainter {
public:
    explicit CFacePainter(const ClockSettings& settings) : m_settings(settings) {}
    CFacePainter(const CFacePainter&) = delete;
    CFacePainter& operator=(const CFacePainter&) = delete;

    // The size of the window's client area, which the clock's mapping spans.
    void SetClientSize(SIZE client);
    // The DPI the face is drawn for: the pictures, the glyphs and the lines follow it.
    void SetDpi(DpiScale scale);
    // The whole face, in client pixels.
    void Paint(HDC dc, const FaceScene& scene) const;
    // The old second hand off and the new one on, where the last paint put them.
    void StepSecondHand(HDC dc, int oldSecond, int newSecond) const;
    // The display changed: the mappings and the second hand's pixels are measured again.
    void ForgetDisplayShape();

private:
    void SelectMapping(HDC dc, const IsotropicMapping& mapping) const;
    void SelectClockMapping(HDC dc) const;
    void DrawFace(HDC dc, const FaceScene& scene) const;
    void DrawNumerals(HDC dc) const;
    void DrawHand(HDC dc, int length, int divisor, int angle) const;
    void DrawSecondHand(HDC dc, int second) const;
    void TakeSecondHandPixels(HDC clockMappedDc) const;
    void DrawResourceBitmap(HDC dc, UINT id, Point at) const;
    void DrawIllustration(HDC dc, const std::wstring& path) const;
    HBITMAP Illustration(const std::wstring& path) const;
    LOGFONTW DialLogFont() const;
    int LineWidthInClockUnits() const;

    const ClockSettings& m_settings;
    SIZE m_client{};
    DpiScale m_scale;

    // Where the last paint put the second hand of each second, in client pixels.
    struct SecondHandPixels {
        POINT tip;
        POINT back;
    };
    mutable std::array<SecondHandPixels, 60> m_secondHandPixels{};
    mutable bool m_secondHandPixelsKnown = false;
    // The extents MM_ISOTROPIC settled on for the asked ones (window, viewport).
    mutable std::map<std::array<int, 4>, std::array<int, 4>> m_settledExtents;
    // Bitmaps decoded once: the built-in ones (as drawn for the DPI) for good, the
    // illustration (scaled to the DPI) while it is the one shown and its file stays as it was.
    mutable std::map<UINT, ui::Art> m_builtInBitmaps;
    mutable ui::gdi::Bitmap m_illustration;
    struct IllustrationFile {
        std::wstring path;
        ui::FileInfo info;
    };
    mutable std::optional<IllustrationFile> m_illustrationFile;  // what m_illustration was read from
};
