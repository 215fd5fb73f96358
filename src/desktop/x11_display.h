// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Connections to the X server shared by the desktop services: opening with a message that says
// why it failed, and catching protocol errors of one request instead of Xlib's default of
// ending the process.
#include <string>

using Display = struct _XDisplay;

namespace z408::desktop {

// The X server named by DISPLAY, or nullptr with `error` telling why (no DISPLAY in a console
// or a Wayland-only session, or a server that refused the connection).
Display* openX11Display(std::string& error);
void closeX11Display(Display* display);
// True once the connection to the server broke; no request may be sent on it after that.
bool x11ConnectionBroken(Display* display);
// Treats the connection as broken (the server was seen to hang up): nothing more is sent on it
// and closing it only forgets it.
void abandonX11Display(Display* display);

// Collects the protocol errors of the requests issued on this thread for one display between
// construction and sync(). Errors of other displays go to the previous handler.
class X11ErrorTrap {
  public:
    explicit X11ErrorTrap(Display* display);
    ~X11ErrorTrap();
    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;
    // Waits until the server has handled every request so far; the first error code, 0 if none.
    int sync();

  private:
    Display* display_;
};

}  // namespace z408::desktop
