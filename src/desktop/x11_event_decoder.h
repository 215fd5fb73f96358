// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Turns the raw core events XRecord delivers into the input hook's events: keycodes through the
// keycode table, with Num Lock and the Alt keys tracked from the stream itself (a recorded event
// does not carry a reliable modifier state).
#include <cstddef>
#include <cstdint>

#include "desktop/keysym_map.h"
#include "shell/input_hook.h"

namespace z408::desktop {

class X11EventDecoder {
  public:
    KeycodeTable& table() { return table_; }
    const KeycodeTable& table() const { return table_; }
    void setNumLock(bool on) { numLock_ = on; }
    void setAltHeld(bool left, bool right) {
        leftAlt_ = left;
        rightAlt_ = right;
    }

    // A 32-byte core event; false for anything that is not a key, button or wheel event (the
    // release half of a wheel step, a keycode bound to no key).
    bool decode(const uint8_t* data, size_t size, InputEvent& out);

  private:
    KeycodeTable table_;
    bool numLock_ = false;
    bool leftAlt_ = false;
    bool rightAlt_ = false;
};

}  // namespace z408::desktop
