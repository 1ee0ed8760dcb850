// What the placement page's position box says for a home mode.
#pragma once

#include <string>

// "ホーム位置はありません。" for no home, "画面の中央" for the centre, "[x, y]" for a
// point; an unknown mode leaves the box empty.
std::wstring HomePositionText(int homeMode, int x, int y);
