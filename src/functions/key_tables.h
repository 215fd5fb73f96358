// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Keys: Windows virtual-key codes (the program's key vocabulary, stored in macros) and HID
// keyboard usages (what the mouse sends), the names under which keys are shown, and the layout
// of a key-combination binding code.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace z408 {

class KeyboardLayout;

struct KeyUsagePair {
    uint8_t usage;
    uint8_t key;
};

// The 107 (usage, key code) pairs in table order; earlier pairs win in both directions.
std::span<const KeyUsagePair> keyUsageTable();

uint8_t usageToKey(uint32_t usage);
uint8_t keyToUsage(uint32_t key);

// Modifier flags in bits 8..15 of a key-combination binding code.
namespace modifier {
inline constexpr uint8_t Ctrl = 0x01, Shift = 0x02, Alt = 0x04, Win = 0x08;
}
// Usages of the left-hand modifier keys, used when a modifier alone is the key.
inline constexpr uint8_t kUsageLeftCtrl = 0xE0, kUsageLeftShift = 0xE1, kUsageLeftAlt = 0xE2,
                         kUsageLeftWin = 0xE3;

constexpr uint32_t makeComboCode(uint8_t modifiers, uint8_t usage) {
    return static_cast<uint32_t>(modifiers) << 8 | static_cast<uint32_t>(usage) << 16;
}
constexpr uint8_t comboModifiers(uint32_t code) {
    return static_cast<uint8_t>(code >> 8);
}
constexpr uint8_t comboUsage(uint32_t code) {
    return static_cast<uint8_t>(code >> 16);
}

// The name the key-combination page shows for a key; letters, digits and punctuation come from
// the keyboard layout.
std::string keyName(uint32_t key, const KeyboardLayout& layout);

// The display text of a key-combination binding code, e.g. "Shift + Ctrl + A".
std::string comboText(uint32_t code, const KeyboardLayout& layout);

struct MacroKeyName {
    uint8_t key;
    std::string_view text;
};
// The 106 rows that name macro keys, in table order.
std::span<const MacroKeyName> macroKeyNameTable();

// The macro pages' name of the key in the low byte of `code`; empty when none.
std::string_view macroKeyName(uint32_t code);

}  // namespace z408
