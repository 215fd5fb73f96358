// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Time as an input: every protocol pause and timer goes through a Clock so tests can run on
// virtual time.
#include <atomic>
#include <cstdint>

namespace z408 {

class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds on a monotonic scale.
    virtual uint64_t nowMs() = 0;
    virtual void sleepMs(uint32_t ms) = 0;
};

// CLOCK_MONOTONIC and real sleeps.
class SystemClock final : public Clock {
  public:
    uint64_t nowMs() override;
    void sleepMs(uint32_t ms) override;
    static SystemClock& instance();
};

// Virtual time for tests: sleeping advances the time at once.
class ManualClock final : public Clock {
  public:
    uint64_t nowMs() override { return now_.load(); }
    void sleepMs(uint32_t ms) override { now_ += ms; }
    void advance(uint64_t ms) { now_ += ms; }

  private:
    std::atomic<uint64_t> now_{0};
};

}  // namespace z408
