// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The mouse's 64-byte key map: 16 four-byte binding codes, which slot each button owns, and the
// code each button function turns into.
#include <array>
#include <cstdint>
#include <optional>

#include "functions/function_catalogue.h"

namespace z408 {

inline constexpr size_t kKeyMapSize = 64;
inline constexpr size_t kKeyMapSlots = 16;
inline constexpr size_t kFixedSlot = 3;
inline constexpr uint32_t kFixedSlotCode = 0x00030007;

// Slot of each button in profile order (left, middle, right, forward, back, wheel up, wheel down).
inline constexpr std::array<size_t, kButtonCount> kButtonSlots = {0, 2, 1, 5, 4, 14, 15};

// The input event codes of the buttons, in profile order.
inline constexpr std::array<uint32_t, kButtonCount> kButtonEventCodes = {
    0x201, 0x207, 0x204, 0x2020B, 0x1020B, 0x20A01, 0x20A00};

class KeyMap {
  public:
    void clear() { bytes_.fill(0); }
    void setSlot(size_t slot, uint32_t code);  // slots ≥ 16 are ignored
    uint32_t slot(size_t slot) const;          // 0 for slots ≥ 16
    const std::array<uint8_t, kKeyMapSize>& bytes() const { return bytes_; }

  private:
    std::array<uint8_t, kKeyMapSize> bytes_{};
};

// The code of a function that has a fixed one (not 5, 6 or 19); nullopt for a function the mouse
// has no code for (its slot stays 0).
std::optional<uint32_t> fixedBindingCode(FunctionType type);

// What the mouse gets for a button whose function the computer executes: the code of the button's
// own default function.
uint32_t softwareDefaultCode(int button);

// Whether the computer takes over the button's event for a software function. Not for the left
// button: the mouse would still send its click, and swallowing it would take every left click
// away from the computer while nothing is executed for button 0.
bool interceptsSoftwareFunction(int button);

// A macro-slot binding: 0x09, 0x00, slot, low 8 bits of the macro's image length.
constexpr uint32_t macroBindingCode(uint32_t slot, uint32_t imageLength) {
    return 0x09 | (slot & 0xFF) << 16 | (imageLength & 0xFF) << 24;
}

}  // namespace z408
