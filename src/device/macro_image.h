#pragma once
// The compact image a macro takes in the mouse's memory: a header word with the loop count and
// up to 255 two-byte step words (key steps, long delays, empty steps).
#include <array>
#include <cstdint>

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

// Zeroes `image` and encodes the macro into it. Returns the index of the first free word
// (1 for a macro without events). Only the slot's own 1000 events are ever read, whatever its
// stored event count says, and nothing is written past the image.
uint32_t encodeMacroImage(const MacroEntry& macro, MacroImage& image);

}  // namespace z408
