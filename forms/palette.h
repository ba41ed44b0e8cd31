#pragma once
// The program's colours, one name for each value, as 0x00BBGGRR. Screens use these
// names; a colour that is its screen's own alone is written where it is used.

#include <QtGlobal>

namespace forms {

// Plain colours.
inline constexpr quint32 Black = 0x00000000;
inline constexpr quint32 White = 0x00FFFFFF;
inline constexpr quint32 Red = 0x000000FF;
inline constexpr quint32 Green = 0x0000FF00;
inline constexpr quint32 Yellow = 0x0000FFFF;
inline constexpr quint32 Blue = 0x00FF0000;
inline constexpr quint32 ButtonFace = 0x00F0F0F0;

// Greys, from dark to light.
inline constexpr quint32 DarkGrey = 0x00404040;
inline constexpr quint32 Grey = 0x00808080;
inline constexpr quint32 LightGrey = 0x00C0C0C0;
inline constexpr quint32 SoftGrey = 0x00D6D6D6;
inline constexpr quint32 PaleGrey = 0x00E0E0E0;

// Blues and teals.
inline constexpr quint32 Navy = 0x00800000;
inline constexpr quint32 DeepBlue = 0x00C00000;
inline constexpr quint32 LightBlue = 0x00FFC0C0;
inline constexpr quint32 DeepTeal = 0x00626200;
inline constexpr quint32 DarkTeal = 0x006A6A00;
inline constexpr quint32 Teal = 0x00808000;

// Purples.
inline constexpr quint32 DarkPurple = 0x00800080;
inline constexpr quint32 Purple = 0x00C000C0;

// Greens.
inline constexpr quint32 DarkGreen = 0x00004000;
inline constexpr quint32 BrightGreen = 0x0000FB00;
inline constexpr quint32 LightGreen = 0x0080FF80;

// Reds, oranges and browns.
inline constexpr quint32 DarkRed = 0x00000080;
inline constexpr quint32 RedBrown = 0x00404080;
inline constexpr quint32 Rust = 0x000040C0;
inline constexpr quint32 LightRed = 0x008080FF;
inline constexpr quint32 Tangerine = 0x00007EFD;
inline constexpr quint32 Orange = 0x000080FF;
inline constexpr quint32 LightOrange = 0x0080C0FF;

// Yellows.
inline constexpr quint32 Straw = 0x0068E3EA;
inline constexpr quint32 Sand = 0x008AE2EA;
inline constexpr quint32 LightYellow = 0x0080FFFF;
inline constexpr quint32 Cream = 0x00C0FFFF;

}  // namespace forms
