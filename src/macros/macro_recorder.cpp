// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "macros/macro_recorder.h"

#include <utility>

namespace z408 {

void MacroRecorder::start() {
    recordedKeyCount_ = 0;
    full_ = false;
    held_ = HeldKeys{};
    lastEventTick_.reset();
}

bool MacroRecorder::repeatsLast(uint32_t code, uint32_t flags) const {
    return lastRecordedEvent_ && lastRecordedEvent_->code == code &&
           (lastRecordedEvent_->flags & kKeyFlagReleased) == (flags & kKeyFlagReleased);
}

std::vector<EventRow> MacroRecorder::record(uint32_t code, uint32_t flags, bool ignoreDelays) {
    std::vector<EventRow> rows;
    const bool released = (flags & kKeyFlagReleased) != 0;
    const uint32_t event =
        makeMacroEvent(released ? MacroEventKind::KeyUp : MacroEventKind::KeyDown, code);
    HeldKeys after = held_;
    after.take(event);
    // Taking the key must leave room for releasing every key then held.
    if (recordedKeyCount_ + 1 + after.keys().size() > kMaxRecordedKeys) {
        full_ = true;
        return rows;
    }
    if (!ignoreDelays) {
        const uint64_t now = clock_.nowMs();
        if (lastEventTick_) rows.push_back(delayRow(now - *lastEventTick_));
        lastEventTick_ = now;
    }
    rows.push_back(keyRow(released ? EventRowType::KeyUp : EventRowType::KeyDown, code));
    ++recordedKeyCount_;
    held_ = std::move(after);
    lastRecordedEvent_ = LastKey{code, flags};
    return rows;
}

}  // namespace z408
