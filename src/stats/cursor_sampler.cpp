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
    while (!stop.stop_requested()) {
        int x = 0, y = 0;
        if (source_.position(x, y)) {
            point_.store({x, y});
            sink_.post(Msg::CursorSample, 0, 0);
        }
        std::unique_lock lock(mutex);
        wake.wait_for(lock, stop, interval_, [] { return false; });
    }
}

}  // namespace z408
