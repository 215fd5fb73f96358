#include "macros/macro_recorder.h"

namespace z408 {

void MacroRecorder::start() {
    recordedKeyCount_ = 0;
    lastEventTick_.reset();
}

bool MacroRecorder::repeatsLast(uint32_t code, uint32_t flags) const {
    return lastRecordedEvent_ && lastRecordedEvent_->code == code &&
           (lastRecordedEvent_->flags & kKeyFlagReleased) == (flags & kKeyFlagReleased);
}

std::vector<EventRow> MacroRecorder::record(uint32_t code, uint32_t flags, bool ignoreDelays) {
    std::vector<EventRow> rows;
    if (recordedKeyCount_ >= kMaxRecordedKeys) return rows;
    if (!ignoreDelays) {
        const uint64_t now = clock_.nowMs();
        if (lastEventTick_) rows.push_back(delayRow(now - *lastEventTick_));
        lastEventTick_ = now;
    }
    const bool released = (flags & kKeyFlagReleased) != 0;
    rows.push_back(keyRow(released ? EventRowType::KeyUp : EventRowType::KeyDown, code));
    ++recordedKeyCount_;
    lastRecordedEvent_ = LastKey{code, flags};
    return rows;
}

}  // namespace z408
