#include "options/HomePositionText.h"

#include "content/ClockSettings.h"

std::wstring HomePositionText(int homeMode, int x, int y) {
    switch (homeMode) {
    case kHomeNone: return L"ホーム位置はありません。";
    case kHomeCentre: return L"画面の中央";
    case kHomePoint: return L"[" + std::to_wstring(x) + L", " + std::to_wstring(y) + L"]";
    default: return {};
    }
}
