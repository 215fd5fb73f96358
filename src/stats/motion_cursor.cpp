// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "stats/motion_cursor.h"

#include <algorithm>

namespace z408 {

void MotionPosition::moveAxis(std::atomic<int32_t>& axis, int32_t delta) {
    if (delta == 0) return;
    int32_t now = axis.load(std::memory_order_relaxed);
    // Widened before adding: a delta read from a device may be anything a 32-bit value holds.
    while (!axis.compare_exchange_weak(
        now, static_cast<int32_t>(std::clamp<int64_t>(int64_t{now} + delta, -kLimit, kLimit)),
        std::memory_order_relaxed)) {
    }
}

}  // namespace z408
