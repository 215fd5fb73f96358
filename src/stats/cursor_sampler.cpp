// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "stats/cursor_sampler.h"

#include <condition_variable>
#include <mutex>

namespace z408 {

CursorSampler::CursorSampler(CursorSource& source, MessageSink& sink,
                             std::chrono::milliseconds interval)
    : source_(source),
      sink_(sink),
      interval_(interval),
      thread_([this](std::stop_token stop) { run(stop); }) {}

void CursorSampler::run(std::stop_token stop) {
    std::mutex mutex;
    std::condition_variable_any wake;  // only a stop request wakes it early
    bool posted = false;
    CursorPoint last;
    while (!stop.stop_requested()) {
        int x = 0, y = 0;
        // A pointer at rest adds nothing to the travel: the owner is only woken for a move, so
        // an idle program's window thread sleeps through the samples.
        if (source_.position(x, y) && (!posted || x != last.x || y != last.y)) {
            last = {x, y};
            posted = true;
            point_.store(last);
            sink_.post(Msg::CursorSample, 0, 0);
        }
        std::unique_lock lock(mutex);
        wake.wait_for(lock, stop, interval_, [] { return false; });
    }
}

}  // namespace z408
