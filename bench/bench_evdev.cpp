// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The evdev source's pass-on path while it holds the mouse: events read off the node, filtered
// frame by frame and written to the re-emitting device. A pipe pair stands in for the node and
// the uinput device (this kernel may have neither), and a thread of its own runs the source's
// loop (poll, read, relay, hand motion over). Prints the latency the hop adds per event and the
// thread's CPU at 1000 reports a second.
#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#include "desktop/evdev_relay.h"

namespace {

using z408::desktop::EvdevRelay;
using z408::desktop::FrameResult;
using Clock = std::chrono::steady_clock;

input_event event(uint16_t type, uint16_t code, int32_t value) {
    return z408::desktop::toInputEvent({type, code, value});
}

// One report of a moving mouse with its right button held: what passes on at 1000 Hz.
const input_event kReport[] = {event(EV_REL, REL_X, 1), event(EV_REL, REL_Y, -1),
                               event(EV_SYN, SYN_REPORT, 0)};
constexpr size_t kReportEvents = std::size(kReport);

double usBetween(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::micro>(b - a).count();
}

double cpuSeconds(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

struct Pipe {
    int read = -1, write = -1;
    Pipe() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) == 0) read = fds[0], write = fds[1];
    }
    ~Pipe() {
        ::close(read);
        ::close(write);
    }
};

// The source's thread in miniature: the same relay, the same lock around a pass, the same hand
// over of motion afterwards.
class RelayThread {
  public:
    // `cpuOut`: where the thread leaves its CPU time when it ends.
    RelayThread(int nodeFd, int deviceFd, double* cpuOut = nullptr)
        : node_(nodeFd), device_(deviceFd), cpuOut_(cpuOut) {
        ::fcntl(node_, F_SETFL, O_NONBLOCK);
        relay_.filter().setGrab(true, 1u << 3);  // the right button taken, as with an intercept
        thread_ = std::thread([this] { run(); });
    }
    ~RelayThread() {
        stop_ = true;
        const input_event wake = event(EV_SYN, SYN_REPORT, 0);
        [[maybe_unused]] auto n = ::write(wakeWrite_, &wake, sizeof wake);
        thread_.join();
    }
    void setWake(int fd) { wakeWrite_ = fd; }
    int64_t travel() const { return travel_.load(); }

  private:
    void run() {
        const double cpuStart = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        input_event buf[64];
        FrameResult result;
        std::vector<std::pair<int32_t, int32_t>> motion;
        while (!stop_) {
            pollfd p{node_, POLLIN, 0};
            if (::poll(&p, 1, -1) < 0) continue;
            {
                // As libevdev reads a node: until it has nothing more (EAGAIN).
                std::lock_guard lock(mutex_);
                ssize_t n;
                while ((n = ::read(node_, buf, sizeof buf)) > 0)
                    for (size_t i = 0; i < static_cast<size_t>(n) / sizeof(input_event); ++i)
                        if (relay_.push(buf[i], device_, result) && (result.dx || result.dy))
                            motion.emplace_back(result.dx, result.dy);
            }
            if (stop_) break;
            for (const auto& [dx, dy] : motion) travel_ += dx - dy;
            motion.clear();
        }
        if (cpuOut_) *cpuOut_ = cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - cpuStart;
    }

    int node_, device_, wakeWrite_ = -1;
    EvdevRelay relay_;
    std::mutex mutex_;
    std::atomic<bool> stop_{false};
    double* cpuOut_;
    std::atomic<int64_t> travel_{0};
    std::thread thread_;
};

// Reads one report's events back; false on a short pipe.
bool readReport(int fd) {
    input_event back[kReportEvents];
    size_t got = 0;
    while (got < sizeof back) {
        const ssize_t n = ::read(fd, reinterpret_cast<char*>(back) + got, sizeof back - got);
        if (n <= 0) return false;
        got += static_cast<size_t>(n);
    }
    return true;
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

void latency() {
    constexpr int kRounds = 20000;
    // The path without the source: the node read directly (a pipe's own round trip).
    std::vector<double> direct, relayed;
    {
        Pipe node;
        for (int i = 0; i < kRounds; ++i) {
            const auto t0 = Clock::now();
            if (::write(node.write, kReport, sizeof kReport) != sizeof kReport ||
                !readReport(node.read))
                return;
            direct.push_back(usBetween(t0, Clock::now()));
        }
    }
    {
        Pipe node, device;
        RelayThread relay(node.read, device.write);
        relay.setWake(node.write);
        for (int i = 0; i < kRounds; ++i) {
            const auto t0 = Clock::now();
            if (::write(node.write, kReport, sizeof kReport) != sizeof kReport ||
                !readReport(device.read))
                return;
            relayed.push_back(usBetween(t0, Clock::now()));
        }
    }
    const double added = percentile(relayed, 0.5) - percentile(direct, 0.5);
    std::printf("evdev pass-on: %d reports of %zu events\n", kRounds, kReportEvents);
    std::printf("  read to write, direct:  median %.1f us, p99 %.1f us\n", percentile(direct, 0.5),
                percentile(direct, 0.99));
    std::printf("  through the source:     median %.1f us, p99 %.1f us\n", percentile(relayed, 0.5),
                percentile(relayed, 0.99));
    std::printf("  added latency per event: %.1f us median, %.1f us p99 (aim < 100 us)\n", added,
                percentile(relayed, 0.99) - percentile(direct, 0.99));
}

void cpuAt1000Hz() {
    constexpr int kSeconds = 3;
    Pipe node, device;
    std::atomic<bool> draining{true};
    std::thread drain([&] {
        char sink[4096];
        while (draining && ::read(device.read, sink, sizeof sink) > 0) {
        }
    });
    double cpu = 0, lastCpu = 0;
    int reports = 0;
    const auto wallStart = Clock::now();
    {
        RelayThread relay(node.read, device.write, &lastCpu);
        relay.setWake(node.write);
        timespec next{};
        clock_gettime(CLOCK_MONOTONIC, &next);
        for (reports = 0; reports < kSeconds * 1000; ++reports) {
            next.tv_nsec += 1'000'000;
            if (next.tv_nsec >= 1'000'000'000) next.tv_nsec -= 1'000'000'000, ++next.tv_sec;
            clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
            if (::write(node.write, kReport, sizeof kReport) != sizeof kReport) break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));  // the last one through
    }  // the thread ends and leaves its CPU time
    cpu = lastCpu;
    const double wall = usBetween(wallStart, Clock::now()) / 1e6;
    draining = false;
    ::close(device.write);
    device.write = -1;
    drain.join();
    std::printf(
        "evdev pass-on at 1000 reports/s: %d reports in %.2f s, source thread %.1f ms CPU "
        "= %.3f %% of one core (aim < 1 %%)\n",
        reports, wall, cpu * 1000.0, 100.0 * cpu / wall);
}

}  // namespace

int main() {
    latency();
    cpuAt1000Hz();
    return 0;
}
