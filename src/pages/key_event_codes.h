// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A key event of one of our own windows in the input hook's terms (virtual-key code and
// low-level key flags), for pages that must take keys from their own window when the system-wide
// hook sees nothing.
#include <cstdint>

class QKeyEvent;

namespace z408 {

struct HookKey {
    uint32_t key = 0;    // 0: the key has no virtual-key code
    uint32_t flags = 0;  // 0x01 extended, 0x80 released
};

HookKey hookKeyOf(const QKeyEvent& event);

}  // namespace z408
