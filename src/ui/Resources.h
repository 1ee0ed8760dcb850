// Loading the program's own resources.
#pragma once
#include <windows.h>

#include <span>
#include <string>

#include "common/DpiScale.h"
#include "ui/Gdi.h"

namespace ui {

HINSTANCE Instance();
std::wstring LoadStringResource(UINT id);
gdi::Icon LoadIconResource(UINT id, int size);  // size x size pixels
gdi::Bitmap LoadBitmapResource(UINT id);
// The program's own picture `id` drawn for `scale`: from 150 % up its twice-as-large
// version (id + kLargeArtOffset) where the program has one, else the picture itself.
// `factor` says how many of its pixels stand for one at 96 DPI.
inline constexpr UINT kLargeArtOffset = 3000;
struct Art {
    gdi::Bitmap bitmap;
    int factor = 1;
    // Its size at 96 DPI.
    SIZE DesignSize() const;
};
Art LoadArt(UINT id, DpiScale scale);
// The picture `id` with its colours mapped as CreateMappedBitmap maps them (`map` may be
// empty: the 3D colours), sized for `scale`: at 96 DPI the picture itself, elsewhere its
// best version scaled smoothly to the size it has at 96 DPI times the scale.
gdi::Bitmap LoadMappedArt(UINT id, DpiScale scale, std::span<COLORMAP> map = {});
gdi::Menu LoadMenuResource(UINT id);
// The first pop-up of a menu resource, standing alone: for TrackPopupMenu.
gdi::Menu LoadPopupMenu(UINT id);

}  // namespace ui
