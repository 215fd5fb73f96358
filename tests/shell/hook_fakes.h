// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Windows and an input source for driving the input hook without a desktop.
#include <array>
#include <ostream>
#include <vector>

#include "shell/input_hook.h"

namespace z408::test {

inline constexpr WindowId kMainWindow{1};
inline constexpr WindowId kRecorder{2};
inline constexpr WindowId kPicker{3};

struct Posted {
    WindowId window;
    Msg msg;
    uintptr_t wParam;
    intptr_t lParam;
    friend bool operator==(const Posted&, const Posted&) = default;
    friend std::ostream& operator<<(std::ostream& o, const Posted& p) {
        return o << "{window " << static_cast<uintptr_t>(p.window) << ", msg "
                 << static_cast<uint32_t>(p.msg) << ", 0x" << std::hex << p.wParam << ", 0x"
                 << p.lParam << std::dec << "}";
    }
};

// Three windows that log what they receive, in one log, in order. The log has room reserved so
// posting never allocates.
class RecordingWindows : public WindowSinks {
  public:
    RecordingWindows() {
        log.reserve(1 << 16);
        for (size_t i = 0; i < sinks_.size(); ++i) sinks_[i] = Sink(this, WindowId{i + 1});
    }
    MessageSink* sinkOf(WindowId window) override {
        for (auto& s : sinks_)
            if (s.id == window) return &s;
        return nullptr;
    }
    // Optional extra receiver of the main window's messages (the main window's handlers).
    MessageSink* mainHandler = nullptr;
    std::vector<Posted> log;

  private:
    struct Sink : MessageSink {
        Sink() = default;
        Sink(RecordingWindows* o, WindowId w) : owner(o), id(w) {}
        void post(Msg msg, uintptr_t w, intptr_t l) override {
            owner->log.push_back({id, msg, w, l});
            if (id == kMainWindow && owner->mainHandler) owner->mainHandler->post(msg, w, l);
        }
        RecordingWindows* owner = nullptr;
        WindowId id = WindowId::None;
    };
    std::array<Sink, 3> sinks_{};
};

class FakeInputSource : public InputSource {
  public:
    bool start() override {
        ++starts;
        return startSucceeds;
    }
    void stop() override { ++stops; }
    bool startSucceeds = true;
    int starts = 0;
    int stops = 0;
};

}  // namespace z408::test
