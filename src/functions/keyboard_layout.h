// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The character a key produces on the user's keyboard layout, with no modifier held.
#include <cstdint>

namespace z408 {

class KeyboardLayout {
  public:
    virtual ~KeyboardLayout() = default;
    // The character of the virtual-key code, 0 when the key produces none.
    virtual char32_t characterOf(uint32_t key) const = 0;
};

// The US layout: the fallback when the desktop's layout cannot be asked.
class UsKeyboardLayout final : public KeyboardLayout {
  public:
    char32_t characterOf(uint32_t key) const override;
    static const UsKeyboardLayout& instance();
};

}  // namespace z408
