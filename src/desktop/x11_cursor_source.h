// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The pointer position on the X server's root window, on a connection of its own that is opened
// on the first reading, so by the sampling thread that makes every reading. Without an X server
// (or once it has gone away) there is simply no reading.
#include "desktop/x11_display.h"
#include "stats/cursor_source.h"

namespace z408::desktop {

class X11CursorSource final : public CursorSource {
  public:
    X11CursorSource() = default;
    // Closes the connection; the owner destroys the source after the sampling thread ended.
    ~X11CursorSource() override;
    X11CursorSource(const X11CursorSource&) = delete;
    X11CursorSource& operator=(const X11CursorSource&) = delete;

    bool position(int& x, int& y) override;

  private:
    Display* display_ = nullptr;
    bool opened_ = false;  // one attempt: a missing server is not asked for again every 500 ms
};

}  // namespace z408::desktop
