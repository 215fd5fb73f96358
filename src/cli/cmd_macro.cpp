// z408ctl macro ...: the macros of Macro.cfg, by game.
#include <cinttypes>
#include <cstdio>
#include <memory>

#include "cli/cli.h"
#include "common/clock.h"
#include "common/directories.h"
#include "common/text.h"
#include "config/seeding.h"
#include "macros/game_presets.h"
#include "macros/macro_store.h"

namespace z408::cli {
namespace {

bool isControlOrFormatting(char16_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F) ||  // C0, DEL, C1
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);  // bidi overrides
}

// A macro name from the file, safe to print: control characters (a file may carry terminal
// escape sequences) and the quote are shown as escapes.
std::string printableName(std::u16string_view name) {
    std::string out;
    size_t runStart = 0;
    const auto flush = [&](size_t end) {
        out += utf16ToUtf8(name.substr(runStart, end - runStart));
    };
    for (size_t i = 0; i < name.size(); ++i) {
        const char16_t c = name[i];
        if (!isControlOrFormatting(c) && c != u'"' && c != u'\\') continue;
        flush(i);
        runStart = i + 1;
        if (c == u'"' || c == u'\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else {
            char buf[12];
            std::snprintf(buf, sizeof buf, "\\u%04X", static_cast<unsigned>(c));
            out += buf;
        }
    }
    flush(name.size());
    return out;
}

std::string trimmed(std::string_view s) {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return std::string(s);
}

void printMacro(const MacroLibrary& library, size_t slot) {
    const MacroEntry& m = library.slot(slot);
    // The single-key marker is what the editor stores for a lone key press: it plays once.
    const uint32_t loops = m.loopCount() == kLoopCountSingleKey ? 1 : m.loopCount();
    std::printf("  id 0x%08" PRIX32 "  slot %3zu  events %4zu  loops %5" PRIu32 "  \"%s\"", m.id(),
                slot, m.eventCount(), loops, printableName(m.name()).c_str());
    if (m.rawEventCount() > kMaxMacroEvents)
        std::printf("  (the file claims %" PRIu32 " events; a slot holds %zu)", m.rawEventCount(),
                    kMaxMacroEvents);
    std::printf("\n");
}

int macroList(const Args& args) {
    ArgScanner scan(args);
    std::string dataDir;
    const bool haveDataDir = scan.value("--data-dir", dataDir);
    std::vector<std::string> pos;
    std::string err;
    if (!scan.positionals(pos, err)) return fail("macro list", err, kExitBadInput);
    if (!pos.empty()) return fail("macro list", "takes no arguments", kExitBadInput);

    // The data directory as the program sets it up on its first start.
    const std::filesystem::path dir =
        haveDataDir ? std::filesystem::path(dataDir) : dataDirectory();
    seedDataDirectory(programDirectory(), dir);
    TerminalNotices notices;
    auto library = std::make_unique<MacroLibrary>();
    MacroStore store(*library, dir, notices, SystemClock::instance());
    if (!store.loadMacroLibrary()) return kExitBadInput;  // the reason is already on stderr

    std::printf("Macros in %s\n", store.path().string().c_str());
    size_t macros = 0, games = 0;
    // Every preset byte a file may carry, so no listed macro is hidden; unknown ones come last.
    for (uint32_t preset = 1; preset <= 256; ++preset) {
        const uint8_t p = static_cast<uint8_t>(preset);  // 256 wraps to preset 0
        const auto slots = library->listPreset(p);
        if (slots.empty()) continue;
        if (findGamePreset(p))
            std::printf("\n%s (preset %u)\n", trimmed(gamePresetMenuText(p, false)).c_str(), p);
        else
            std::printf("\nunknown game (preset %u)\n", p);
        for (const size_t s : slots) printMacro(*library, s);
        macros += slots.size();
        ++games;
    }
    if (macros == 0) std::printf("\nno macros\n");
    else std::printf("\n%zu macro%s in %zu game%s\n", macros, macros == 1 ? "" : "s", games,
                     games == 1 ? "" : "s");
    return kExitOk;
}

}  // namespace

void registerMacroCommands(CommandRegistry& registry) {
    registry.add({"macro list", "[--data-dir DIR]", "list the macros of Macro.cfg by game",
                  "Lists every macro of Macro.cfg in the data folder (default\n"
                  "~/.local/share/TARVO/Z408, set up as the program does at start), grouped by\n"
                  "game, with its id, slot, number of events and loop count.",
                  macroList});
}

}  // namespace z408::cli
