// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// What a recording makes of the key events it is fed: a key row per press and release, and
// before each key after the first the pause since the previous one, measured on the injected
// clock. Held keys repeat their press and are dropped; a recording holds at most 999 keys, and
// keeps room in them for the releases of the keys it holds down, so it never ends with a key
// pressed for good.
#include <cstdint>
#include <optional>
#include <vector>

#include "common/clock.h"
#include "common/event_codes.h"  // kKeyFlagReleased
#include "macros/macro_editing.h"

namespace z408 {

inline constexpr uint32_t kMaxRecordedKeys = 999;

class MacroRecorder {
  public:
    explicit MacroRecorder(Clock& clock) : clock_(clock) {}

    // A new recording: no keys counted, no pause measured before its first key. The last key
    // recorded is kept, so a release of it arriving first is still taken for a repeat.
    void start();

    // The same key in the same direction as the last key recorded: an auto-repeat or a second
    // release, which is ignored (also by the key editors).
    bool repeatsLast(uint32_t code, uint32_t flags) const;

    // The rows a key event adds to the recording: the pause since the previous key unless
    // delays are ignored, then the key. None once the 999 keys are taken, except the releases
    // of keys held down, for which room is always kept. Repeats are the caller's to filter
    // first.
    std::vector<EventRow> record(uint32_t code, uint32_t flags, bool ignoreDelays);

    uint32_t recordedKeyCount() const { return recordedKeyCount_; }
    // A key was dropped since the recording started: the person is to be told.
    bool full() const { return full_; }

  private:
    struct LastKey {
        uint32_t code = 0;
        uint32_t flags = 0;
    };
    Clock& clock_;
    uint32_t recordedKeyCount_ = 0;
    bool full_ = false;
    HeldKeys held_;
    std::optional<uint64_t> lastEventTick_;
    std::optional<LastKey> lastRecordedEvent_;
};

}  // namespace z408
