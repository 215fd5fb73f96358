#pragma once
// The 500-slot macro library mirrored by Macro.cfg. Slots are not ordered; a slot is free when
// its tag is 0.
#include <array>
#include <filesystem>
#include <optional>
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
    // The listed slots whose id carries `preset` in bits 24..31, in slot order.
    std::vector<size_t> listPreset(uint8_t preset) const;

private:
    std::array<MacroEntry, kMacroSlotCount> slots_{};
};

}  // namespace z408
