// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Where the pointer-travel counter reads the pointer position from: the X server on the desktop,
// a scripted source in the tests.

namespace z408 {

class CursorSource {
  public:
    virtual ~CursorSource() = default;
    // The pointer position in screen pixels; false when it cannot be read (no display). Called
    // from the sampling thread only.
    virtual bool position(int& x, int& y) = 0;
};

}  // namespace z408
