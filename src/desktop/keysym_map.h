// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// X keysyms and keycodes turned into Windows virtual-key codes, the program's key vocabulary
// (macros store them, the key tables convert them). The table is built once per keyboard map so
// the input thread only indexes an array per event.
#include <array>
#include <cstdint>

namespace z408::desktop {

inline constexpr uint8_t kNoVirtualKey = 0xFF;  // a key the table does not know

struct VirtualKey {
    uint8_t code = 0;       // 0 when the keysym has no virtual key
    bool extended = false;  // the low-level "extended key" flag of that key
};

// The virtual key of a keysym: letters, digits and US punctuation, the named keys, the keypad,
// F1 to F24, modifiers, and the media and browser keys.
VirtualKey virtualKeyOfKeysym(uint32_t keysym);

// The virtual key of a printable key by its position on a US keyboard (evdev keycodes), for
// layouts whose symbols have no virtual key of their own (the digit row of AZERTY, umlauts).
uint8_t virtualKeyOfUsPosition(uint32_t keycode);

// One entry per X keycode: the key as it reads with Num Lock off and on (they differ only on the
// keypad) and its extended flag.
struct KeycodeEntry {
    uint8_t key = 0;         // 0: the keycode is not bound to a key
    uint8_t keyNumLock = 0;  // the keypad digit or decimal point while Num Lock is on
    bool extended = false;
};

class KeycodeTable {
  public:
    // The keysyms of the first group at levels 0 and 1 give each keycode its virtual key.
    using KeysymLookup = uint32_t (*)(void* context, uint32_t keycode, int level);
    void build(KeysymLookup lookup, void* context);
    const KeycodeEntry& operator[](uint8_t keycode) const { return entries_[keycode]; }
    // The first keycode bound to the virtual key (0 when none); the keyboard layout uses it to
    // find which key a virtual key stands for.
    uint8_t keycodeOf(uint8_t virtualKey) const;

  private:
    std::array<KeycodeEntry, 256> entries_{};
};

}  // namespace z408::desktop
