// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// What the macro page needs of the system-wide input hook: key events sent to the page while it
// records or captures a key for its editor, and nothing sent once it is done.
namespace z408 {

class MacroPageHook {
  public:
    virtual ~MacroPageHook() = default;
    // True when the hook delivers the desktop's key events; otherwise the page takes the keys
    // that reach the program's own window.
    virtual bool seesDesktopKeys() const = 0;
    // The page becomes the hook's target, keyboard forwarding on and mouse forwarding off.
    virtual void forwardKeysToPage() = 0;
    // Both forwardings off; the main window is the target again.
    virtual void forwardingOff() = 0;
};

}  // namespace z408
