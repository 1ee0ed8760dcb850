// Loading the program's own resources.
#pragma once
#include <windows.h>

#include <string>

#include "ui/Gdi.h"

namespace ui {

HINSTANCE Instance();
std::wstring LoadStringResource(UINT id);
gdi::Icon LoadIconResource(UINT id, int size);  // size x size pixels
gdi::Bitmap LoadBitmapResource(UINT id);
gdi::Menu LoadMenuResource(UINT id);
// The first pop-up of a menu resource, standing alone: for TrackPopupMenu.
gdi::Menu LoadPopupMenu(UINT id);

}  // namespace ui
