#pragma once
// Colours as the class library stores them: 0x00BBGGRR, red in the lowest byte. Settings files
// hold these numbers, so they never change meaning. The library's system colours (button face,
// window, ...) are fixed RGB values here; the program never asks the desktop for them.
#include <cstdint>

using TColor = std::int32_t;

constexpr TColor RGB(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c)
{
    return c & 0xFF;
}
constexpr int GetGValue(TColor c)
{
    return (c >> 8) & 0xFF;
}
constexpr int GetBValue(TColor c)
{
    return (c >> 16) & 0xFF;
}

constexpr TColor clBlack = 0x00000000;
constexpr TColor clMaroon = 0x00000080;
constexpr TColor clGreen = 0x00008000;
constexpr TColor clOlive = 0x00008080;
constexpr TColor clNavy = 0x00800000;
constexpr TColor clPurple = 0x00800080;
constexpr TColor clTeal = 0x00808000;
constexpr TColor clGray = 0x00808080;
constexpr TColor clSilver = 0x00C0C0C0;
constexpr TColor clRed = 0x000000FF;
constexpr TColor clLime = 0x0000FF00;
constexpr TColor clYellow = 0x0000FFFF;
constexpr TColor clBlue = 0x00FF0000;
constexpr TColor clFuchsia = 0x00FF00FF;
constexpr TColor clAqua = 0x00FFFF00;
constexpr TColor clWhite = 0x00FFFFFF;

// System colours, fixed.
constexpr TColor clBtnFace = RGB(240, 240, 240);
constexpr TColor clBtnText = clBlack;
constexpr TColor clBtnShadow = RGB(160, 160, 160);
constexpr TColor clWindow = clWhite;
constexpr TColor clWindowText = clBlack;
constexpr TColor clHighlight = RGB(51, 153, 255);
constexpr TColor clHighlightText = clWhite;
constexpr TColor clGrayText = RGB(109, 109, 109);
constexpr TColor clInfoBk = RGB(255, 255, 225);
constexpr TColor clInfoText = clBlack;
constexpr TColor clMenu = clBtnFace;
constexpr TColor clMenuText = clBlack;
