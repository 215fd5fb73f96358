// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// A macro's text as `z408ctl macro new` and `macro import` read it. Checks: a refused text names
// a line that exists and says why; an accepted one has its name, loop count and steps within
// their fields and builds a record a slot can hold; that record exported as text (as `macro
// export` writes it) imports again to the same record.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "macros/macro_editing.h"
#include "macros/macro_entry.h"
#include "macros/macro_text.h"

using namespace z408;

namespace {

constexpr uint32_t kId = makeMacroId(21, 0x123456);

void checkParsed(const MacroText& t) {
    if (t.name) FUZZ_CHECK(t.name->size() <= kMacroNameMaxChars && !t.name->empty());
    FUZZ_CHECK(t.loopCount >= 1 && t.loopCount <= kMaxLoopCount);
    FUZZ_CHECK(!t.rows.empty());
    for (const EventRow& r : t.rows)
        FUZZ_CHECK(r.isKey() || (r.isDelay() && r.value() <= kMaxDelayMs));
}

void checkBuilt(const MacroEntry& m) {
    FUZZ_CHECK(m.isStorable() && m.isListed());
    FUZZ_CHECK(m.rawEventCount() <= kMaxMacroEvents);
    for (size_t i = 0; i < m.eventCount(); ++i)
        FUZZ_CHECK(isValidMacroEventKind(macroEventKind(m.event(i))));
    for (size_t i = m.eventCount(); i < kMaxMacroEvents; ++i) FUZZ_CHECK(m.event(i) == 0);
}

bool sameMacro(const MacroEntry& a, const MacroEntry& b) {
    if (a.id() != b.id() || a.tag() != b.tag() || a.loopCount() != b.loopCount() ||
        a.rawEventCount() != b.rawEventCount() || a.name() != b.name())
        return false;
    for (size_t i = 0; i < kMaxMacroEvents; ++i)
        if (a.event(i) != b.event(i)) return false;
    return true;
}

// The text of a stored macro, imported again and built under the same id and name.
MacroEntry exportAndImport(const MacroEntry& m) {
    bool complete = false;
    const std::string text = macroToText(m, &complete);
    FUZZ_CHECK(complete);
    MacroTextError error;
    const auto again = parseMacroText(text, error);
    if (!again)
        std::fprintf(stderr, "%s\nline %zu: %s\n", text.c_str(), error.line, error.message.c_str());
    FUZZ_CHECK(again.has_value());
    return buildMacroFromText(*again, m.id(), m.name()).entry;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = fuzz::asText({data, size});
    MacroTextError error;
    const auto parsed = parseMacroText(text, error);
    if (!parsed) {
        FUZZ_CHECK(!error.message.empty());
        FUZZ_CHECK(error.line <=
                   static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
        return 0;
    }
    checkParsed(*parsed);
    const std::u16string name = parsed->name.value_or(u"Macro");
    const BuiltMacro built = buildMacroFromText(*parsed, kId, name);
    checkBuilt(built.entry);
    FUZZ_CHECK(built.entry.id() == kId && built.entry.name() == name);

    // Exported and imported again: the same steps; once more, the very same record.
    const MacroEntry second = exportAndImport(built.entry);
    FUZZ_CHECK(sameMacro(second, built.entry));
    const MacroEntry third = exportAndImport(second);
    FUZZ_CHECK(third == second);
    return 0;
}
