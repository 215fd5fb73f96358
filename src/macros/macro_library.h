// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The 500-slot macro library mirrored by Macro.cfg. Slots are not ordered; a slot is free when
// its tag is 0.
#include <array>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "common/user_notices.h"
#include "macros/macro_entry.h"

namespace z408 {

class MacroLibrary {
  public:
    MacroLibrary() = default;

    const MacroEntry& slot(size_t index) const { return slots_[index]; }
    MacroEntry& slot(size_t index) { return slots_[index]; }
    static constexpr size_t size() { return kMacroSlotCount; }

    // Replaces every slot from a file image of up to 2052000 bytes; missing slots are free.
    void assign(std::span<const uint8_t> bytes);
    std::vector<uint8_t> image() const;

    // The first slot whose id equals, searching from slot 0.
    std::optional<size_t> findMacroById(uint32_t id) const;
    // The slot the upload sends for a button with this macro id: the first with the id, when it
    // holds a record (a free slot also carries id 0).
    std::optional<size_t> findSendableMacro(uint32_t id) const;
    // The first listed slot named `name` other than the macro `exceptId`: macros are addressed by
    // name (z408ctl), so two of them never share one.
    std::optional<size_t> findListedByName(std::u16string_view name, uint32_t exceptId) const;
    // The listed slots whose id carries `preset` in bits 24..31, in slot order.
    std::vector<size_t> listPreset(uint8_t preset) const;
    // The lowest slot whose tag is 0 and that is not listed as a macro.
    std::optional<size_t> firstFreeSlot() const;

    // The in-memory half of storing a macro: refuses a record that is not storable, replaces the
    // slot with the same id in place, else takes the first free slot. The slot gets the record's
    // first eventCount events (at most the 1000 a slot holds, and the stored count says so) with
    // the rest zeroed, and every other field as the record has it. `source` may be a slot of this
    // library. Returns the slot, or nothing when refused or when the library is full.
    std::optional<size_t> placeMacro(const MacroEntry& source);
    // Zeroes the first slot with this id; false when there is none.
    bool clearMacro(uint32_t id);

  private:
    std::array<MacroEntry, kMacroSlotCount> slots_{};
};

}  // namespace z408
