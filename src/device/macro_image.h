// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The compact image a macro takes in the mouse's memory: a header word with the loop count and
// up to 255 two-byte step words (key steps, long delays, empty steps).
#include <array>
#include <cstdint>
#include <vector>

#include "macros/macro_entry.h"

namespace z408 {

inline constexpr size_t kMacroImageSize = 512;
inline constexpr size_t kMacroImageWords = kMacroImageSize / 2;
using MacroImage = std::array<uint8_t, kMacroImageSize>;

// Long-delay unit codes.
inline constexpr uint8_t kDelayUnit20Ms = 1, kDelayUnit50Ms = 2, kDelayUnit100Ms = 3;

// The HID keyboard usage of a Windows virtual-key code (0xF0..0xF2 for the mouse buttons);
// 0 for a code the mouse has no usage for. All 24 bits of the value are compared.
uint8_t macroUsage(uint32_t keyCode);

// The key map carries the index of the first free word in one byte, so an image may use at most
// 254 step words: 255 words would read as length 0.
inline constexpr uint32_t kMacroImageMaxSteps = 254;

// The step words the whole macro takes in the mouse, whether or not they fit.
uint32_t macroStepWords(const MacroEntry& macro);
// True when the mouse gets only the beginning of the macro.
inline bool macroImageIsCut(const MacroEntry& macro) {
    return macroStepWords(macro) > kMacroImageMaxSteps;
}

// The keys the macro presses or releases that the mouse has no usage for (sent as usage 0, so
// they do nothing), each once, in the order they first appear.
std::vector<uint32_t> keysWithoutUsage(const MacroEntry& macro);

// Zeroes `image` and encodes the macro into it. Returns the index of the first free word
// (1 for a macro without events, at most 255). Only the slot's own 1000 events are ever read,
// whatever its stored event count says, and nothing is written past the image. The header
// carries the loop count the macro page shows. A macro longer than the image is cut after the
// last step that leaves room to release every key still held there, and those releases end it,
// so the mouse never keeps a key down.
uint32_t encodeMacroImage(const MacroEntry& macro, MacroImage& image);

}  // namespace z408
