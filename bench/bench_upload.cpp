// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Upload time against the simulated mouse in real time, beside the protocol's floor: the sum of
// the pauses the upload must take, measured by running the same upload on virtual time.
//
//   bench_upload [runs]      (default 3 runs per profile)
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "common/clock.h"
#include "common/message_queue.h"
#include "device/simulated_mouse.h"
#include "device/usb_driver.h"
#include "upload/settings_uploader.h"

namespace z408 {
namespace {

struct Scenario {
    const char* name;
    ProfileSettings profile;
    MacroIdList macroIds{};
    std::unique_ptr<MacroLibrary> library = std::make_unique<MacroLibrary>();
};

Scenario defaultProfile() {
    Scenario s;
    s.name = "default profile";
    s.profile = ProfileSettings::defaults(false);
    return s;
}

// Seven buttons, each with its own macro of 40 key events with short and long delays.
Scenario sevenMacros() {
    Scenario s;
    s.name = "seven macro buttons";
    s.profile = ProfileSettings::defaults(false);
    for (int b = 0; b < kButtonCount; ++b) {
        const auto slot = static_cast<size_t>(b * 3);
        const uint32_t id = makeMacroId(21, 1000u + static_cast<uint32_t>(b));
        MacroEntry& m = s.library->slot(slot);
        m.setRecordSize(kMacroEntrySize);
        m.setTag(kMacroTagUsed);
        m.setId(id);
        m.setLoopCount(1);
        m.setEventCount(60);
        for (size_t i = 0; i < 60; i += 3) {
            const uint32_t vk = 0x41 + static_cast<uint32_t>(i % 26);
            m.setEvent(i, makeMacroEvent(MacroEventKind::KeyDown, vk));
            m.setEvent(i + 1, makeMacroEvent(MacroEventKind::Delay, i % 2 ? 80 : 2500));
            m.setEvent(i + 2, makeMacroEvent(MacroEventKind::KeyUp, vk));
        }
        s.profile.button(b).setFunctionType(fn::Macro);
        s.macroIds[static_cast<size_t>(b)] = id;
    }
    return s;
}

// One upload from the request to the outcome, on `clock`; returns the elapsed milliseconds of
// that clock (fractional for the system clock).
double uploadOnce(const Scenario& s, Clock& clock, HidTransport& mouse, bool realTime) {
    CUSBDriver driver(mouse, clock);
    if (!driver.Open()) {
        std::fprintf(stderr, "cannot open the simulated mouse: %s\n", mouse.lastError().c_str());
        std::exit(1);
    }
    MessageQueue queue;
    InterceptList intercepts;
    SettingsUploader uploader(driver, clock, queue, intercepts, nullptr,
                              {s.profile, s.macroIds, *s.library});
    const auto t0 = std::chrono::steady_clock::now();
    const uint64_t v0 = clock.nowMs();
    uploader.requestUpload();
    for (;;) {
        const PostedMessage m = queue.wait();
        if (m.msg == Msg::UploadFailed) {
            std::fprintf(stderr, "upload failed with index %ld\n", static_cast<long>(m.lParam));
            std::exit(1);
        }
        if (m.msg == Msg::UploadDone) break;
    }
    if (!realTime) return static_cast<double>(clock.nowMs() - v0);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace
}  // namespace z408

int main(int argc, char** argv) {
    using namespace z408;
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    char dirTemplate[] = "/tmp/z408-bench-XXXXXX";
    const char* dir = ::mkdtemp(dirTemplate);
    if (dir == nullptr) return 1;

    std::printf("%-22s %5s %12s %12s %12s %8s\n", "upload", "runs", "wall min ms", "wall mean ms",
                "floor ms", "ratio");
    Scenario scenarios[] = {defaultProfile(), sevenMacros()};
    for (const Scenario& s : scenarios) {
        ManualClock virtualTime;
        SimulatedMouse virtualMouse(virtualTime);
        const double floorMs = uploadOnce(s, virtualTime, virtualMouse, false);

        double best = 1e300, sum = 0;
        for (int r = 0; r < runs; ++r) {
            // The mouse as z408ctl gets it: with its state file.
            SimulatedMouse mouse(SystemClock::instance(), std::filesystem::path(dir) / "mouse", {},
                                 {});
            const double ms = uploadOnce(s, SystemClock::instance(), mouse, true);
            best = std::min(best, ms);
            sum += ms;
        }
        std::printf("%-22s %5d %12.1f %12.1f %12.0f %8.4f\n", s.name, runs, best, sum / runs,
                    floorMs, best / floorMs);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
