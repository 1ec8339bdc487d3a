// Plain value types of the chart: rectangles, colours, pens, fonts and the
// pixel rounding rule every layout step uses.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

namespace colmara {

// (Left, Top, Right, Bottom) in client pixels; Right and Bottom are exclusive
// for fills, as the window system's rectangles are.
struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    bool operator==(const Rect&) const = default;
};

struct Point {
    int X = 0;
    int Y = 0;
    bool operator==(const Point&) const = default;
};

// A window-system colour: 0x00BBGGRR, or a system colour with the top bit set.
using ColorValue = std::uint32_t;

inline constexpr ColorValue clBlack = 0x000000;
inline constexpr ColorValue clWhite = 0xFFFFFF;
inline constexpr ColorValue clRed = 0x0000FF;
inline constexpr ColorValue clBlue = 0xFF0000;
inline constexpr ColorValue clGray = 0x808080;
inline constexpr ColorValue clSilver = 0xC0C0C0;
// System colours, resolved by the canvas from the platform's palette.
inline constexpr ColorValue clBtnFace = 0x8000000F;
inline constexpr ColorValue clBtnShadow = 0x80000010;
inline constexpr ColorValue clBtnHighlight = 0x80000014;
// Markers: a point or setting without a colour of its own, and "draw nothing".
inline constexpr ColorValue clDefaultColor = 0x20000000;
inline constexpr ColorValue clNone = 0x1FFFFFFF;

inline constexpr bool IsSystemColor(ColorValue c) {
    return (c & 0x80000000u) != 0;
}

enum class PenStyle { psSolid, psDot, psDash };

struct ChartPen {
    ColorValue Color = clBlack;
    int Width = 1;
    PenStyle Style = PenStyle::psSolid;
    bool Visible = true;
    bool operator==(const ChartPen&) const = default;
};

// Every chart font is "Arial" at 8 points; only the colour differs.
struct ChartFont {
    std::string Name = "Arial";
    int Size = 8;
    ColorValue Color = clBlack;
    bool operator==(const ChartFont&) const = default;
};

// Rounds to the nearest integer, halves to even (the program runs with the
// floating-point unit in round-to-nearest mode, which nearbyint follows).
inline int RoundHalfEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

}  // namespace colmara
