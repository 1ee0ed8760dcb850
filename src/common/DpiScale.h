// Sizes for a screen of some DPI from sizes meant for 96 DPI (100 %), where the
// program's pixel sizes and the profile's sizes are given.
#pragma once

inline constexpr int kDesignDpi = 96;

struct DpiScale {
    int dpi = kDesignDpi;

    // A size or position of `designPixels` at 96 DPI, rounded to the nearest pixel
    // (halves away from zero). At 96 DPI it is the size itself.
    constexpr int Px(int designPixels) const {
        const long long scaled = static_cast<long long>(designPixels) * dpi;
        const long long half = kDesignDpi / 2;
        return static_cast<int>(scaled >= 0 ? (scaled + half) / kDesignDpi : -((-scaled + half) / kDesignDpi));
    }
    // The 96-DPI size of `pixels` on this screen, rounded the same way; undoes Px.
    constexpr int Design(int pixels) const {
        const long long scaled = static_cast<long long>(pixels) * kDesignDpi;
        const long long half = dpi / 2;
        return static_cast<int>(scaled >= 0 ? (scaled + half) / dpi : -((-scaled + half) / dpi));
    }
    // Lines one pixel wide at 100 % are as wide as whole pixels allow: 1 up to 199 %, 2 at 200 %.
    constexpr int LineWidth() const { return dpi >= 2 * kDesignDpi ? dpi / kDesignDpi : 1; }
    // The program's own pictures come drawn twice as large for screens from 150 % up.
    constexpr bool LargeArt() const { return dpi * 2 >= kDesignDpi * 3; }
    constexpr bool IsDesign() const { return dpi == kDesignDpi; }

    friend constexpr bool operator==(DpiScale, DpiScale) = default;
};
