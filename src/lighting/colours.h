// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Lighting colours as the profile stores them: COLORREF values 0x00BBGGRR (red in the low byte),
// and the 26 preset colours of the lighting page's swatches.
#include <array>
#include <cstdint>

namespace z408 {

constexpr uint32_t colourRef(uint8_t red, uint8_t green, uint8_t blue) {
    return uint32_t{red} | uint32_t{green} << 8 | uint32_t{blue} << 16;
}
constexpr uint8_t redOf(uint32_t colour) {
    return static_cast<uint8_t>(colour);
}
constexpr uint8_t greenOf(uint32_t colour) {
    return static_cast<uint8_t>(colour >> 8);
}
constexpr uint8_t blueOf(uint32_t colour) {
    return static_cast<uint8_t>(colour >> 16);
}

inline constexpr int kPresetColourCount = 26;

// Swatch k of the page stands for entry k.
inline constexpr std::array<uint32_t, kPresetColourCount> kPresetColourTable = {
    colourRef(250, 5, 126),  colourRef(250, 18, 0),   colourRef(248, 121, 1),
    colourRef(249, 237, 0),  colourRef(193, 240, 9),  colourRef(39, 249, 0),
    colourRef(24, 164, 42),  colourRef(19, 231, 147), colourRef(13, 233, 223),
    colourRef(1, 193, 250),  colourRef(5, 142, 250),  colourRef(0, 111, 249),
    colourRef(36, 0, 248),   colourRef(90, 24, 227),  colourRef(127, 27, 226),
    colourRef(193, 24, 226), colourRef(230, 250, 84), colourRef(0, 185, 48),
    colourRef(250, 99, 125), colourRef(196, 59, 35),  colourRef(222, 3, 22),
    colourRef(23, 122, 173), colourRef(0, 185, 18),   colourRef(74, 90, 192),
    colourRef(111, 78, 238), colourRef(1, 84, 185),
};

}  // namespace z408
