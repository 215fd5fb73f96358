// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The character a key produces on the desktop's active keyboard layout (the X keyboard map and
// its current group), for naming keys; the US layout when there is no X server.
#include <mutex>

#include "desktop/x11_display.h"
#include "functions/keyboard_layout.h"

namespace z408::desktop {

class X11KeyboardLayout final : public KeyboardLayout {
  public:
    X11KeyboardLayout();
    ~X11KeyboardLayout() override;
    X11KeyboardLayout(const X11KeyboardLayout&) = delete;
    X11KeyboardLayout& operator=(const X11KeyboardLayout&) = delete;

    char32_t characterOf(uint32_t key) const override;
    bool connected() const { return display_ != nullptr; }

    // The Unicode character of a keysym; 0 for keysyms that are not characters.
    static char32_t characterOfKeysym(uint32_t keysym);

  private:
    mutable std::mutex mutex_;
    Display* display_ = nullptr;
};

}  // namespace z408::desktop
