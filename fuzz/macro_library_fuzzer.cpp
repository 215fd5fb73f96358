// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Macro.cfg loaded at start-up (the input is the file's start; the slots it does not reach are
// free), its macros listed and exported as text, stored again, and the file written back. Checks:
// the library is the file's bytes; every count, name and index stays within its slot; storing a
// listed macro keeps at most the 1000 events a slot holds; a macro exported whole imports again;
// the file written back loads to the same library.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "common/clock.h"
#include "fuzz_support.h"
#include "macros/macro_library.h"
#include "macros/macro_store.h"
#include "macros/macro_text.h"

using namespace z408;

namespace {

void checkSlot(const MacroLibrary& library, size_t i) {
    const MacroEntry& m = library.slot(i);
    FUZZ_CHECK(m.eventCount() <= kMaxMacroEvents);
    FUZZ_CHECK(m.name().size() < kMacroNameUnits);
    if (!m.isListed()) return;
    const auto first = library.findMacroById(m.id());
    FUZZ_CHECK(first && *first <= i && library.slot(*first).id() == m.id());

    bool complete = false;
    const std::string text = macroToText(m, &complete);
    MacroTextError error;
    const auto parsed = parseMacroText(text, error);
    FUZZ_CHECK(parsed || !error.message.empty());
    // Exported whole, it imports again unless the macro as a whole is one import refuses (no
    // events, only delays, a key pressed and never released: the file may hold such a macro,
    // the mouse must not get it); no line the export wrote is refused.
    const bool refusedWhole =
        error.message.starts_with("the text has") ||
        error.message.find(" is never released (add 'up ") != std::string::npos;
    if (complete && !parsed && !refusedWhole)
        std::fprintf(stderr, "%s\nline %zu: %s\n", text.c_str(), error.line, error.message.c_str());
    if (complete) FUZZ_CHECK(parsed || refusedWhole);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> input(data, size);
    const auto dir = fuzz::scratchFolder() / "macros";
    fuzz::writeInput(dir / kMacroFileName, input);

    RecordingNotices notices;
    ManualClock clock;
    // Kept between inputs: loading replaces every slot, and 2 MB fresh each time costs more
    // than the loading.
    static auto library = std::make_unique<MacroLibrary>();
    MacroStore store(*library, dir, notices, clock);
    FUZZ_CHECK(store.loadMacroLibrary());
    // A library is 2 MB: compared with memcmp, or the checks would cost more than the loading.
    static const std::vector<uint8_t> zeros(kMacroLibrarySize);
    const std::vector<uint8_t> image = library->image();
    FUZZ_CHECK(image.size() == kMacroLibrarySize);
    const size_t n = std::min(size, kMacroLibrarySize);
    FUZZ_CHECK(n == 0 || std::memcmp(image.data(), data, n) == 0);
    FUZZ_CHECK(std::memcmp(image.data() + n, zeros.data(), kMacroLibrarySize - n) == 0);

    // Only the slots the input reached can hold anything.
    const size_t reached = std::min(kMacroSlotCount, (n + kMacroEntrySize - 1) / kMacroEntrySize);
    for (size_t i = 0; i < reached; ++i) checkSlot(*library, i);
    for (uint8_t preset : {uint8_t{0}, uint8_t{1}, uint8_t{21}, size ? data[0] : uint8_t{2}}) {
        const std::vector<size_t> listed = library->listPreset(preset);
        FUZZ_CHECK(std::is_sorted(listed.begin(), listed.end()));
        for (size_t i : listed) FUZZ_CHECK(i < kMacroSlotCount);
    }

    // Store every storable macro again, as a rename does: in its own slot (the first with its
    // id), with at most 1000 events and a count that says so.
    for (size_t i = 0; i < reached; ++i) {
        const MacroEntry m = library->slot(i);
        const auto placed = library->placeMacro(m);
        FUZZ_CHECK(placed.has_value() == m.isStorable());
        if (!placed) continue;
        FUZZ_CHECK(*placed <= i && library->slot(*placed).id() == m.id());
        FUZZ_CHECK(library->slot(*placed).rawEventCount() == m.eventCount());
    }

    // Written back and loaded again: the same library.
    FUZZ_CHECK(store.saveMacroLibrary());
    static auto reloaded = std::make_unique<MacroLibrary>();
    FUZZ_CHECK(static_cast<bool>(readMacroLibraryFile(dir, *reloaded)));
    for (size_t i = 0; i < kMacroSlotCount; ++i) FUZZ_CHECK(reloaded->slot(i) == library->slot(i));
    return 0;
}
