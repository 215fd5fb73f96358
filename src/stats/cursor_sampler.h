// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Reads the pointer position on a thread of its own at a fixed interval, keeps the latest
// reading and tells the owner through a posted Msg::CursorSample, which reads it with latest();
// a reading equal to the last one told is not told again.
// Destroying the sampler stops and joins the thread at once, even in the middle of a pause.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

#include "common/messages.h"
#include "stats/cursor_source.h"

namespace z408 {

struct CursorPoint {
    int32_t x = 0, y = 0;
};

class CursorSampler {
  public:
    static constexpr std::chrono::milliseconds kInterval{500};

    // `source` and `sink` must outlive the sampler; the first reading is taken at once.
    CursorSampler(CursorSource& source, MessageSink& sink,
                  std::chrono::milliseconds interval = kInterval);
    ~CursorSampler() = default;  // the jthread asks the loop to stop and joins it
    CursorSampler(const CursorSampler&) = delete;
    CursorSampler& operator=(const CursorSampler&) = delete;

    // The position of the last successful reading.
    CursorPoint latest() const { return point_.load(); }

  private:
    void run(std::stop_token stop);

    CursorSource& source_;
    MessageSink& sink_;
    const std::chrono::milliseconds interval_;
    // Written by the thread, read by the owner when the message arrives.
    std::atomic<CursorPoint> point_{};
    std::jthread thread_;  // last: started after everything it uses exists
};

}  // namespace z408
