// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// One event node's path from the events read off it to the device that passes them on: events
// gathered into frames, each frame filtered, and what other programs may see written to the
// re-emitting device in one write, in order. No libevdev: the source feeds it what libevdev
// read, and the benchmark feeds it from a pipe.
#include <linux/input.h>

#include <vector>

#include "desktop/evdev_frame_filter.h"

namespace z408::desktop {

// The kernel's form of an event, without a time: the kernel stamps what a uinput device emits.
input_event toInputEvent(const RawInputEvent& e);

class EvdevRelay {
  public:
    // Events of one frame kept before it is handled anyway: a device that never ends its frames
    // must not make the source hoard memory.
    static constexpr size_t kMaxFrameEvents = 256;

    EvdevFrameFilter& filter() { return filter_; }
    const EvdevFrameFilter& filter() const { return filter_; }

    // One event read from the node. When it ends a frame, `out` is set to the frame's results
    // and the events to pass on are written to `writeFd` (none when it is -1); returns true then.
    bool push(const input_event& ev, int writeFd, FrameResult& out);
    // The kernel dropped events: the unfinished frame is void.
    void dropFrame() { frame_.clear(); }

  private:
    void write(int fd, const std::vector<RawInputEvent>& events);

    EvdevFrameFilter filter_;
    std::vector<RawInputEvent> frame_;
    std::vector<input_event> out_;
};

}  // namespace z408::desktop
