// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/x11_cursor_source.h"

#include <string>

// Last: Xlib defines macros (None, Status) that clash with ordinary names.
#include <X11/Xlib.h>

namespace z408::desktop {

X11CursorSource::~X11CursorSource() {
    closeX11Display(display_);
}

bool X11CursorSource::position(int& x, int& y) {
    if (!opened_) {
        opened_ = true;
        std::string error;
        display_ = openX11Display(error);
    }
    if (display_ == nullptr || x11ConnectionBroken(display_)) return false;
    Window root = 0, child = 0;
    int rootX = 0, rootY = 0, winX = 0, winY = 0;
    unsigned mask = 0;
    // False: the pointer is on another screen of the server, where root coordinates differ.
    if (!XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rootX, &rootY, &winX,
                       &winY, &mask))
        return false;
    if (x11ConnectionBroken(display_)) return false;
    x = rootX;
    y = rootY;
    return true;
}

}  // namespace z408::desktop
