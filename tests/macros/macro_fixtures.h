// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Small builders for macro records used by the macro tests.
#include <algorithm>
#include <memory>
#include <string>

#include "macros/macro_library.h"

namespace z408::test {

inline MacroEntry macroRecord(uint32_t id, std::initializer_list<uint32_t> events,
                              std::u16string_view name = u"Macro", uint32_t loopCount = 1) {
    MacroEntry m;
    m.setRecordSize(static_cast<uint32_t>(4100 + 4 * std::max<size_t>(events.size(), 1)));
    m.setTag(kMacroTagUsed);
    m.setId(id);
    m.setLoopCount(loopCount);
    m.setEventCount(static_cast<uint32_t>(events.size()));
    size_t i = 0;
    for (uint32_t e : events) m.setEvent(i++, e);
    m.setName(name);
    return m;
}

inline constexpr uint32_t keyDown(uint32_t vk) {
    return makeMacroEvent(MacroEventKind::KeyDown, vk);
}
inline constexpr uint32_t keyUp(uint32_t vk) {
    return makeMacroEvent(MacroEventKind::KeyUp, vk);
}
inline constexpr uint32_t delay(uint32_t ms) {
    return makeMacroEvent(MacroEventKind::Delay, ms);
}

// The library is 2 MB: never on the stack.
inline std::unique_ptr<MacroLibrary> emptyLibrary() {
    return std::make_unique<MacroLibrary>();
}

}  // namespace z408::test
