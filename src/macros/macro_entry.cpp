// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "macros/macro_entry.h"

#include <algorithm>

#include "common/binary.h"
#include "common/text.h"

namespace z408 {

void MacroEntry::assign(std::span<const uint8_t> bytes) {
    image_.fill(0);
    std::copy_n(bytes.begin(), std::min(bytes.size(), image_.size()), image_.begin());
}

uint32_t MacroEntry::recordSize() const {
    return le::get32(image_, macro_offset::RecordSize);
}
uint32_t MacroEntry::tag() const {
    return le::get32(image_, macro_offset::Tag);
}
uint32_t MacroEntry::id() const {
    return le::get32(image_, macro_offset::Id);
}
uint32_t MacroEntry::reserved() const {
    return le::get32(image_, macro_offset::Reserved);
}
uint32_t MacroEntry::loopCount() const {
    return le::get32(image_, macro_offset::LoopCount);
}
uint32_t MacroEntry::effectiveLoopCount() const {
    const uint32_t loop = loopCount();
    if (loop == kLoopCountSingleKey) return loop;
    return std::clamp<uint32_t>(loop, 1, kMaxLoopCount);
}
uint32_t MacroEntry::rawEventCount() const {
    return le::get32(image_, macro_offset::EventCount);
}
size_t MacroEntry::eventCount() const {
    return std::min<size_t>(rawEventCount(), kMaxMacroEvents);
}
uint32_t MacroEntry::event(size_t i) const {
    return i < kMaxMacroEvents ? le::get32(image_, macro_offset::Events + 4 * i) : 0;
}
std::u16string MacroEntry::name() const {
    return readUtf16Field(image_, macro_offset::Name, kMacroNameUnits);
}

void MacroEntry::setRecordSize(uint32_t v) {
    le::put32(image_, macro_offset::RecordSize, v);
}
void MacroEntry::setTag(uint32_t v) {
    le::put32(image_, macro_offset::Tag, v);
}
void MacroEntry::setId(uint32_t v) {
    le::put32(image_, macro_offset::Id, v);
}
void MacroEntry::setReserved(uint32_t v) {
    le::put32(image_, macro_offset::Reserved, v);
}
void MacroEntry::setLoopCount(uint32_t v) {
    le::put32(image_, macro_offset::LoopCount, v);
}
void MacroEntry::setEventCount(uint32_t v) {
    le::put32(image_, macro_offset::EventCount, v);
}
void MacroEntry::setEvent(size_t i, uint32_t v) {
    if (i < kMaxMacroEvents) le::put32(image_, macro_offset::Events + 4 * i, v);
}
bool MacroEntry::setName(std::u16string_view name) {
    return writeUtf16Field(image_, macro_offset::Name, kMacroNameUnits, name);
}

void HeldKeys::take(uint32_t event) {
    const uint8_t kind = macroEventKind(event);
    if (!isKeyEventKind(kind)) return;
    const uint32_t key = macroEventValue(event);
    const auto at = std::find(keys_.begin(), keys_.end(), key);
    if (kind == uint8_t(MacroEventKind::KeyDown) && at == keys_.end())
        keys_.push_back(key);
    else if (kind == uint8_t(MacroEventKind::KeyUp) && at != keys_.end())
        keys_.erase(at);
}

bool MacroEntry::isListed() const {
    return recordSize() >= kMacroEntrySize || (tag() >> 16) == 0xE8E8;
}
bool MacroEntry::isStorable() const {
    return recordSize() >= kMacroEntrySize && (tag() >> 16) == 0xE8E8;
}

}  // namespace z408
