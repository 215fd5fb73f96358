// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The input hook's path from an X event to the delivered callback: the decoding cost per event
// (with a count of heap allocations), the latency from an XTest event to the callback under an
// X server, and what a grab (an intercepted button) adds to it. Starts its own Xvfb when DISPLAY
// is not set.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "desktop/x11_event_decoder.h"
#include "desktop/x11_input_source.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

extern char** environ;

namespace {

std::atomic<uint64_t> gAllocations{0};

using Clock = std::chrono::steady_clock;

double nsSince(Clock::time_point t) {
    return std::chrono::duration<double, std::nano>(Clock::now() - t).count();
}

void benchDecode() {
    using namespace z408::desktop;
    using z408::InputEvent;
    X11EventDecoder decoder;
    decoder.table().build(
        [](void*, uint32_t kc, int level) -> uint32_t {
            return level == 0 && kc == 38 ? 0x61u : 0u;  // 'a'
        },
        nullptr);
    uint8_t events[4][32] = {};
    const uint8_t kinds[4][2] = {{2, 38}, {3, 38}, {4, 1}, {5, 1}};
    for (int i = 0; i < 4; ++i) {
        events[i][0] = kinds[i][0];
        events[i][1] = kinds[i][1];
    }
    uint64_t sum = 0;
    X11InputSource::Callback callback = [&sum](const InputEvent& e) { sum += e.code; };
    constexpr int kRounds = 2'000'000;
    const uint64_t allocBefore = gAllocations;
    const auto t0 = Clock::now();
    for (int i = 0; i < kRounds; ++i) {
        InputEvent ev;
        if (decoder.decode(events[i & 3], 32, ev)) callback(ev);
    }
    const double ns = nsSince(t0) / kRounds;
    std::printf("decode + callback:          %8.1f ns per event (%d events, checksum %llu)\n", ns,
                kRounds, static_cast<unsigned long long>(sum));
    std::printf("heap allocations:           %8llu in %d events\n",
                static_cast<unsigned long long>(gAllocations - allocBefore), kRounds);
}

struct Latency {
    double median, p90, max;
};

// XTest events are handled when the server next reads a request, so each press is followed by
// a round trip (XSync); the callback usually runs before that round trip returns.
bool measureClicks(Display* driver, std::atomic<int>& seen, std::atomic<int64_t>& lastNs,
                   unsigned button, int clicks, std::vector<double>& us, Latency& out) {
    us.clear();
    for (int i = 0; i < clicks; ++i) {
        const int before = seen;
        const auto t0 = Clock::now();
        XTestFakeButtonEvent(driver, button, True, CurrentTime);
        XSync(driver, False);
        while (seen == before && nsSince(t0) < 2e9) {
        }
        if (seen == before) return false;
        us.push_back(static_cast<double>(lastNs.load() - t0.time_since_epoch().count()) / 1000.0);
        XTestFakeButtonEvent(driver, button, False, CurrentTime);
        XSync(driver, False);
        while (seen < before + 2 && nsSince(t0) < 2e9) {
        }
    }
    std::sort(us.begin(), us.end());
    out = {us[us.size() / 2], us[us.size() * 9 / 10], us.back()};
    return true;
}

pid_t startXvfb() {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    const std::string fd = std::to_string(fds[1]);
    const char* argv[] = {"Xvfb",      "-displayfd", fd.c_str(), "-noreset",
                          "-nolisten", "tcp",        nullptr};
    pid_t pid = -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (posix_spawnp(&pid, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    std::string display = ":";
    char c;
    while (pid > 0 && read(fds[0], &c, 1) == 1 && c != '\n') display += c;
    close(fds[0]);
    if (pid > 0) setenv("DISPLAY", display.c_str(), 1);
    return pid;
}

}  // namespace

// GCC 12 at -O3 takes these malloc/free pairs, once inlined, for a new/free mismatch.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n) {
    ++gAllocations;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

int main() {
    benchDecode();

    pid_t xvfb = -1;
    if (std::getenv("DISPLAY") == nullptr) xvfb = startXvfb();
    z408::desktop::X11InputSource source;
    std::atomic<int> seen{0};
    std::atomic<int64_t> lastNs{0};
    std::string error;
    const bool started = source.start(
        [&](const z408::InputEvent&) {
            lastNs = Clock::now().time_since_epoch().count();
            ++seen;
        },
        error);
    Display* driver = started ? XOpenDisplay(nullptr) : nullptr;
    if (driver == nullptr) {
        std::printf("X server:                   not available (%s)\n", error.c_str());
    } else {
        constexpr int kClicks = 2000;
        std::vector<double> samples;
        samples.reserve(kClicks);
        Latency plain{}, grabbed{};
        measureClicks(driver, seen, lastNs, 2, 100, samples, plain);  // warm-up
        const uint64_t allocBefore = gAllocations;
        bool ok = measureClicks(driver, seen, lastNs, 2, kClicks, samples, plain);
        const uint64_t allocations = gAllocations - allocBefore;
        const std::vector<unsigned> middle = {2};  // the middle button
        constexpr int kRearms = 200;
        const auto t0 = Clock::now();
        for (int i = 0; i < kRearms; ++i) {
            source.setGrabbedButtons(middle);
            source.setGrabbedButtons({});
        }
        const double rearmUs = nsSince(t0) / 1000.0 / (2 * kRearms);
        source.setGrabbedButtons(middle);
        ok = ok && measureClicks(driver, seen, lastNs, 2, kClicks, samples, grabbed);
        source.setGrabbedButtons({});
        if (!ok) {
            std::printf("X server:                   events stopped arriving\n");
        } else {
            std::printf(
                "XTest press -> callback:    median %6.1f us, p90 %6.1f us, max %7.1f us (%d "
                "clicks)\n",
                plain.median, plain.p90, plain.max, kClicks);
            std::printf("same, button intercepted:   median %6.1f us, p90 %6.1f us, max %7.1f us\n",
                        grabbed.median, grabbed.p90, grabbed.max);
            std::printf("added by intercepting:      median %+6.1f us\n",
                        grabbed.median - plain.median);
            std::printf(
                "re-arming the grabs:        %8.1f us per change (grab or ungrab + XSync)\n",
                rearmUs);
            std::printf("C++ heap allocations:       %8llu over %d clicks (%d events)\n",
                        static_cast<unsigned long long>(allocations), kClicks, 2 * kClicks);
        }
        XCloseDisplay(driver);
    }
    source.stop();
    if (xvfb > 0) {
        kill(xvfb, SIGTERM);
        waitpid(xvfb, nullptr, 0);
    }
    return 0;
}
