// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "macros/macro_library.h"

namespace z408 {

void MacroLibrary::assign(std::span<const uint8_t> bytes) {
    for (size_t i = 0; i < kMacroSlotCount; ++i) {
        const size_t off = i * kMacroEntrySize;
        slots_[i].assign(off < bytes.size() ? bytes.subspan(off) : std::span<const uint8_t>{});
    }
}

std::vector<uint8_t> MacroLibrary::image() const {
    std::vector<uint8_t> out;
    out.reserve(kMacroLibrarySize);
    for (const auto& s : slots_) out.insert(out.end(), s.image().begin(), s.image().end());
    return out;
}

std::optional<size_t> MacroLibrary::findMacroById(uint32_t id) const {
    for (size_t i = 0; i < kMacroSlotCount; ++i)
        if (slots_[i].id() == id) return i;
    return std::nullopt;
}

std::optional<size_t> MacroLibrary::findSendableMacro(uint32_t id) const {
    const std::optional<size_t> slot = findMacroById(id);
    if (!slot || slots_[*slot].recordSize() == 0) return std::nullopt;
    return slot;
}

std::optional<size_t> MacroLibrary::findListedByName(std::u16string_view name,
                                                     uint32_t exceptId) const {
    for (size_t i = 0; i < kMacroSlotCount; ++i)
        if (slots_[i].isListed() && slots_[i].id() != exceptId && slots_[i].name() == name)
            return i;
    return std::nullopt;
}

std::vector<size_t> MacroLibrary::listPreset(uint8_t preset) const {
    std::vector<size_t> out;
    for (size_t i = 0; i < kMacroSlotCount; ++i)
        if (slots_[i].isListed() && macroPreset(slots_[i].id()) == preset) out.push_back(i);
    return out;
}

std::optional<size_t> MacroLibrary::firstFreeSlot() const {
    // A slot with a record size but tag 0 is listed as a macro: taking it would overwrite one.
    for (size_t i = 0; i < kMacroSlotCount; ++i)
        if (slots_[i].isFree() && !slots_[i].isListed()) return i;
    return std::nullopt;
}

std::optional<size_t> MacroLibrary::placeMacro(const MacroEntry& source) {
    if (!source.isStorable()) return std::nullopt;
    std::optional<size_t> index = findMacroById(source.id());
    if (!index) index = firstFreeSlot();
    if (!index) return std::nullopt;

    // Built apart from the slot: the source may be that very slot (a rename stores it again).
    MacroEntry entry = source;
    // A record holds 1000 events whatever its count claims; the count stored is what was copied.
    const size_t count = source.eventCount();
    for (size_t i = count; i < kMaxMacroEvents; ++i) entry.setEvent(i, 0);
    entry.setEventCount(static_cast<uint32_t>(count));
    slots_[*index] = entry;
    return index;
}

bool MacroLibrary::clearMacro(uint32_t id) {
    const auto index = findMacroById(id);
    if (!index) return false;
    slots_[*index].clear();
    return true;
}

}  // namespace z408
