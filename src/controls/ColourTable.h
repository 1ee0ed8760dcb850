// The named colours of the colour popup in grid order (index = row x 8 + column),
// and the value that stands for the automatic choice.
#pragma once

#include <array>

#include "common/Colour.h"

// "自動": the owner shows its own default colour for it.
inline constexpr Colour kAutomaticColour = 0xFF000000;

struct NamedColour {
    const wchar_t* name;  // the cell's tooltip
    Colour colour;
};

inline constexpr std::array<NamedColour, 40> kColourTable{{
    {L"黒", MakeColour(0, 0, 0)},
    {L"茶", MakeColour(165, 42, 42)},
    {L"濃いオリーブグリーン", MakeColour(85, 107, 47)},
    {L"濃い緑", MakeColour(0, 100, 0)},
    {L"濃い青緑", MakeColour(0, 128, 128)},
    {L"紺", MakeColour(0, 0, 128)},
    {L"インディゴ", MakeColour(75, 0, 130)},
    {L"灰色", MakeColour(128, 128, 128)},

    {L"濃い赤", MakeColour(139, 0, 0)},
    {L"オレンジレッド", MakeColour(255, 69, 0)},
    {L"オリーブ", MakeColour(128, 128, 0)},
    {L"緑", MakeColour(0, 128, 0)},
    {L"青緑", MakeColour(64, 224, 208)},
    {L"青", MakeColour(0, 0, 255)},
    {L"紫", MakeColour(128, 0, 128)},
    {L"シルバー", MakeColour(192, 192, 192)},

    {L"赤", MakeColour(255, 0, 0)},
    {L"オレンジ", MakeColour(255, 165, 0)},
    {L"ライム", MakeColour(0, 255, 0)},
    {L"シーグリーン", MakeColour(46, 139, 87)},
    {L"アクア", MakeColour(0, 255, 255)},
    {L"ロイヤルブルー", MakeColour(65, 105, 225)},
    {L"すみれ", MakeColour(238, 130, 238)},
    {L"明るい灰色", MakeColour(211, 211, 211)},

    {L"トマト", MakeColour(255, 83, 71)},
    {L"ゴールド", MakeColour(255, 215, 0)},
    {L"黄", MakeColour(255, 255, 0)},
    {L"明るい緑", MakeColour(60, 240, 117)},
    {L"水色", MakeColour(127, 255, 212)},
    {L"スカイブルー", MakeColour(135, 206, 235)},
    {L"プラム", MakeColour(221, 160, 221)},
    {L"ホワイトスモーク", MakeColour(245, 245, 245)},

    {L"ピンク", MakeColour(255, 192, 203)},
    {L"ベージュ", MakeColour(245, 245, 220)},
    {L"薄い黄", MakeColour(255, 255, 224)},
    {L"薄い緑", MakeColour(152, 251, 152)},
    {L"薄い青緑", MakeColour(175, 238, 238)},
    {L"薄い青", MakeColour(173, 216, 230)},
    {L"ラベンダー", MakeColour(230, 230, 250)},
    {L"白", MakeColour(255, 255, 255)},
}};
