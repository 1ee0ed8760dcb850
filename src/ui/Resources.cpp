#include "ui/Resources.h"

namespace ui {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

std::wstring LoadStringResource(UINT id) {
    const wchar_t* text = nullptr;
    int length = LoadStringW(Instance(), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

gdi::Icon LoadIconResource(UINT id, int size) {
    return gdi::Icon(static_cast<HICON>(LoadImageW(Instance(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0)));
}

gdi::Bitmap LoadBitmapResource(UINT id) {
    return gdi::Bitmap(
        static_cast<HBITMAP>(LoadImageW(Instance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

Art LoadArt(UINT id, DpiScale scale) {
    if (scale.LargeArt()) {
        if (gdi::Bitmap large = LoadBitmapResource(id + kLargeArtOffset)) return {std::move(large), 2};
    }
    return {LoadBitmapResource(id), 1};
}

gdi::Bitmap LoadMappedArt(UINT id, DpiScale scale, std::span<COLORMAP> map) {
    auto mapped = [&](UINT resource) {
        return gdi::Bitmap(CreateMappedBitmap(Instance(), static_cast<INT_PTR>(resource), 0,
                                              map.empty() ? nullptr : map.data(), static_cast<int>(map.size())));
    };
    gdi::Bitmap design = mapped(id);
    if (scale.IsDesign() || !design) return design;
    const SIZE size = gdi::BitmapSize(design.Get());
    gdi::Bitmap large = scale.LargeArt() ? mapped(id + kLargeArtOffset) : gdi::Bitmap();
    return gdi::ScaledCopy(large ? large.Get() : design.Get(), scale.Px(size.cx), scale.Px(size.cy));
}

SIZE Art::DesignSize() const {
    SIZE size = gdi::BitmapSize(bitmap.Get());
    return {size.cx / factor, size.cy / factor};
}

gdi::Menu LoadMenuResource(UINT id) { return gdi::Menu(LoadMenuW(Instance(), MAKEINTRESOURCEW(id))); }

gdi::Menu LoadPopupMenu(UINT id) {
    gdi::Menu menu = LoadMenuResource(id);
    HMENU popup = menu ? GetSubMenu(menu.Get(), 0) : nullptr;
    if (!popup) return {};
    RemoveMenu(menu.Get(), 0, MF_BYPOSITION);  // the pop-up now stands on its own
    return gdi::Menu(popup);
}

}  // namespace ui
