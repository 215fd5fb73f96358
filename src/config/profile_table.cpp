// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "config/profile_table.h"

#include <algorithm>
#include <cassert>

#include "common/binary.h"
#include "common/text.h"
#include "config/profile_settings.h"

namespace z408 {

size_t ProfileTable::base(int entry) {
    assert(entry >= 0 && entry < kProfileCount);
    return kEntrySize * static_cast<size_t>(std::clamp(entry, 0, kProfileCount - 1));
}

void ProfileTable::assign(std::span<const uint8_t> bytes) {
    image_.fill(0);
    std::copy_n(bytes.begin(), std::min(bytes.size(), image_.size()), image_.begin());
}

uint32_t ProfileTable::entryMagic(int e) const {
    return le::get32(image_, base(e) + entry_offset::Magic);
}
void ProfileTable::setEntryMagic(int e, uint32_t v) {
    le::put32(image_, base(e) + entry_offset::Magic, v);
}
uint32_t ProfileTable::activeFlag(int e) const {
    return le::get32(image_, base(e) + entry_offset::Active);
}
void ProfileTable::setActiveFlag(int e, uint32_t v) {
    le::put32(image_, base(e) + entry_offset::Active, v);
}

std::u16string ProfileTable::path(int e) const {
    return readUtf16Field(image_, base(e) + entry_offset::Path, kPathUnits);
}
void ProfileTable::setPath(int e, std::u16string_view path) {
    writeUtf16Field(image_, base(e) + entry_offset::Path, kPathUnits, path);
}

MacroIdList ProfileTable::macroIds(int e) const {
    MacroIdList ids{};
    for (size_t i = 0; i < ids.size(); ++i)
        ids[i] = le::get32(image_, base(e) + entry_offset::MacroIds + 4 * i);
    return ids;
}
void ProfileTable::setMacroIds(int e, const MacroIdList& ids) {
    for (size_t i = 0; i < ids.size(); ++i)
        le::put32(image_, base(e) + entry_offset::MacroIds + 4 * i, ids[i]);
}

}  // namespace z408
