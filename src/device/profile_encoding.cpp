// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "device/profile_encoding.h"

#include <algorithm>

#include "lighting/lighting_params.h"

namespace z408 {
namespace {

struct DpiRow {
    uint32_t dpi;
    uint8_t code;
};
// clang-format off
constexpr DpiRow kDpiCodes[] = {
    {250, 1},   {500, 2},   {750, 3},    {1000, 4},   {1250, 5},   {1500, 6},
    {1750, 7},  {2000, 8},  {2250, 9},   {2500, 10},  {2750, 11},  {3000, 12},
    {3250, 13}, {3500, 14}, {4000, 0x28}, {5000, 0x2A}, {6000, 0x2C}, {7000, 0x2E},
};
// clang-format on

}  // namespace

uint8_t dpiCode(uint32_t dpi) {
    for (const DpiRow& row : kDpiCodes)
        if (row.dpi == dpi) return row.code;
    return kEmptyDpiLevel;
}

DpiTableBytes buildDpiTable(const ProfileSettings& profile) {
    DpiTableBytes t;
    int levels = 0;
    for (int i = 0; i < kDpiLevelCount; ++i) {
        const uint8_t code = dpiCode(profile.dpiLevel(i));
        if (code != kEmptyDpiLevel) ++levels;
        t.bytes[static_cast<size_t>(i)] = code;
        t.bytes[static_cast<size_t>(8 + i)] = code;
    }
    t.bytes[7] = 0x02;
    t.bytes[15] = 0x02;
    t.levelByte = static_cast<uint8_t>(std::min(levels, 3));
    return t;
}

std::array<uint8_t, 3> ledEffectBytes(const ProfileSettings& p) {
    const auto b = [](auto v) { return static_cast<uint8_t>(v); };
    switch (p.lightingMode()) {
        // The level and speeds the page's sliders show, whatever a damaged profile stores.
        case 1:
            return {1, b(shownMode1Level(p)), 1};
        case 2:
            return {2, b(shownMode2Speed(p)), 1};
        case 3:
            return {3, 2, 3};
        case 4:
            return {4, 10, 2};
        case 5:
            return {5, b(2 * shownMode5Position(p)), b(shownMulticolourOn(p) ? 1 : 0)};
        default:
            return {0, 0, 0};
    }
}

std::array<uint8_t, 32> ledColoursPayload(const ProfileSettings& p) {
    std::array<uint8_t, 32> out{};
    for (int i = 0; i < 3; ++i) {
        const uint32_t c = p.colour(i);  // 0x00BBGGRR
        const auto at = static_cast<size_t>(3 * i);
        out[at] = static_cast<uint8_t>(c);
        out[at + 1] = static_cast<uint8_t>(c >> 8);
        out[at + 2] = static_cast<uint8_t>(c >> 16);
    }
    return out;
}

}  // namespace z408
