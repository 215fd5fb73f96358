// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Pointer travel where the pointer's position cannot be read (a Wayland session shows X11
// clients nothing of it): a virtual pointer moved by the mouse's own relative motion, sampled by
// the statistics page like the real one. Travel is then counted in the mouse's counts, before the
// desktop's pointer acceleration.
#include <atomic>
#include <cstdint>
#include <memory>

#include "stats/cursor_source.h"

namespace z408 {

class MotionPosition {
  public:
    // The virtual pointer stays inside ±kLimit, as a real one stays on its screen: differences
    // of two readings always fit, whatever the mouse does over a long run.
    static constexpr int32_t kLimit = 1 << 30;

    // One relative movement; safe from any thread (the input source's reader calls it).
    void move(int32_t dx, int32_t dy) {
        moveAxis(x_, dx);
        moveAxis(y_, dy);
    }
    int32_t x() const { return x_.load(std::memory_order_relaxed); }
    int32_t y() const { return y_.load(std::memory_order_relaxed); }

  private:
    static void moveAxis(std::atomic<int32_t>& axis, int32_t delta);

    std::atomic<int32_t> x_{0};
    std::atomic<int32_t> y_{0};
};

// The statistics page's reading of a virtual pointer that the input source moves; shared so
// that neither side outlives the other's data.
class MotionCursorSource final : public CursorSource {
  public:
    explicit MotionCursorSource(std::shared_ptr<const MotionPosition> position)
        : position_(std::move(position)) {}
    bool position(int& x, int& y) override {
        x = position_->x();
        y = position_->y();
        return true;
    }

  private:
    std::shared_ptr<const MotionPosition> position_;
};

}  // namespace z408
