// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// How the profile's DPI levels and lighting are put into the mouse's command bytes.
#include <array>
#include <cstdint>

#include "config/profile_settings.h"

namespace z408 {

inline constexpr uint8_t kEmptyDpiLevel = 0x80;
// The mouse's code of a DPI value; kEmptyDpiLevel for a value it has no code for (0 included).
uint8_t dpiCode(uint32_t dpi);

struct DpiTableBytes {
    std::array<uint8_t, 16> bytes{};  // seven codes, 0x02, the seven codes again, 0x02
    uint8_t levelByte = 0;            // min(levels with a code, 3)
};
DpiTableBytes buildDpiTable(const ProfileSettings& profile);

// e1, e2, e3 of the lighting-effect command for the profile's lighting mode.
std::array<uint8_t, 3> ledEffectBytes(const ProfileSettings& profile);

// Colours 0, 1, 2 as red, green, blue bytes, the other 23 bytes zero.
std::array<uint8_t, 32> ledColoursPayload(const ProfileSettings& profile);

}  // namespace z408
