// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The profile table ("Profile/ConfigInfo.cfg"): five 1600-byte entries saying which profile is
// active, where its file is and which macro each of its buttons uses.
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "functions/function_catalogue.h"

namespace z408 {

inline constexpr int kProfileCount = 5;
inline constexpr uint32_t kEntryMagic = 0x0000BEBE;
inline constexpr size_t kEntrySize = 1600;
inline constexpr size_t kTableSize = kProfileCount * kEntrySize;

namespace entry_offset {
inline constexpr size_t Magic = 0;
inline constexpr size_t Active = 4;
inline constexpr size_t Path = 532;       // 260 UTF-16 units
inline constexpr size_t MacroIds = 1572;  // seven 32-bit ids
static_assert(MacroIds + 4 * kButtonCount == kEntrySize);
}  // namespace entry_offset

using MacroIdList = std::array<uint32_t, kButtonCount>;

class ProfileTable {
  public:
    void clear() { image_.fill(0); }
    // Replaces the image with up to kTableSize bytes; a shorter input leaves the tail zero.
    void assign(std::span<const uint8_t> bytes);
    const std::array<uint8_t, kTableSize>& image() const { return image_; }

    // Entries are numbered 0..4 (profile 1 is entry 0).
    uint32_t entryMagic(int entry) const;
    void setEntryMagic(int entry, uint32_t v);
    uint32_t activeFlag(int entry) const;
    void setActiveFlag(int entry, uint32_t v);
    std::u16string path(int entry) const;
    void setPath(int entry, std::u16string_view path);
    MacroIdList macroIds(int entry) const;
    void setMacroIds(int entry, const MacroIdList& ids);

    // A profile button is shown selected when its entry has the magic and a non-zero flag.
    bool shownSelected(int entry) const {
        return entryMagic(entry) == kEntryMagic && activeFlag(entry) != 0;
    }

  private:
    static size_t base(int entry);
    std::array<uint8_t, kTableSize> image_{};
};

}  // namespace z408
