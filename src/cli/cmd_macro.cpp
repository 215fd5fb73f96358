// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// z408ctl macro ...: the macros of Macro.cfg, by game; showing, creating, renaming, deleting,
// importing and exporting one as text, with the rules of the macro page.
#include <cinttypes>
#include <cstdio>
#include <memory>

#include <algorithm>

#include "cli/cli.h"
#include "cli/json_out.h"
#include "cli/profile_edit.h"
#include "common/clock.h"
#include "common/directories.h"
#include "common/file_io.h"
#include "common/instance_link.h"
#include "common/program_texts.h"
#include "common/text.h"
#include "config/profile_store.h"
#include "config/seeding.h"
#include "i18n/languages.h"
#include "macros/game_presets.h"
#include "macros/macro_store.h"
#include "macros/macro_text.h"
#include "macros/macro_usage.h"

namespace z408::cli {
namespace {

bool isControlOrFormatting(char16_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F) ||           // C0, DEL, C1
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
    // The count the mouse is sent (a damaged 0 plays once); the single-key marker is what the
    // editor stores for a lone key press: it plays once.
    const uint32_t loops =
        m.effectiveLoopCount() == kLoopCountSingleKey ? 1 : m.effectiveLoopCount();
    std::printf("  id 0x%08" PRIX32 "  slot %3zu  events %4zu  loops %5" PRIu32 "  \"%s\"", m.id(),
                slot, m.eventCount(), loops, printableName(m.name()).c_str());
    if (m.rawEventCount() > kMaxMacroEvents)
        std::printf("  (the file claims %" PRIu32 " events; a slot holds %zu)", m.rawEventCount(),
                    kMaxMacroEvents);
    std::printf("\n");
}

std::string gameText(uint8_t preset);

Json macroJson(const MacroLibrary& library, size_t slot) {
    const MacroEntry& m = library.slot(slot);
    const uint32_t loops = m.loopCount() == kLoopCountSingleKey ? 1 : m.loopCount();
    return Json::object()
        .set("id", Json::string(macroIdText(m.id())))
        .set("name", Json::string(utf16ToUtf8(m.name())))
        .set("game", Json::string(gameText(macroPreset(m.id()))))
        .set("preset", Json::number(unsigned{macroPreset(m.id())}))
        .set("slot", Json::number(static_cast<uint64_t>(slot)))
        .set("events", Json::number(static_cast<uint64_t>(m.eventCount())))
        .set("loops", Json::number(loops));
}

int macroList(const Args& args) {
    ArgScanner scan(args);
    const bool json = scan.flag("--json");
    const auto dataDir = dataDirOption(scan);
    std::vector<std::string> pos;
    std::string err;
    if (!scan.positionals(pos, err)) return fail("macro list", err, kExitBadInput);
    if (!pos.empty()) return fail("macro list", "takes no arguments", kExitBadInput);

    // What is on disk, read only: listing never sets a folder up.
    int code = kExitOk;
    const auto dir = existingDataFolder("macro list", dataDir, code);
    if (!dir) return code;
    TerminalNotices notices;
    auto library = std::make_unique<MacroLibrary>();
    MacroStore store(*library, *dir, notices, SystemClock::instance());
    if (!store.loadMacroLibrary()) return kExitBadInput;  // the reason is already on stderr

    Json list = Json::array();
    if (!json) std::printf("Macros in %s\n", store.path().string().c_str());
    size_t macros = 0, games = 0;
    // Every preset byte a file may carry, so no listed macro is hidden; unknown ones come last.
    for (uint32_t preset = 1; preset <= 256; ++preset) {
        const uint8_t p = static_cast<uint8_t>(preset);  // 256 wraps to preset 0
        const auto slots = library->listPreset(p);
        if (slots.empty()) continue;
        macros += slots.size();
        ++games;
        if (json) {
            for (const size_t s : slots) list.push(macroJson(*library, s));
            continue;
        }
        if (findGamePreset(p))
            std::printf("\n%s (preset %u)\n", trimmed(gamePresetMenuText(p, false)).c_str(), p);
        else
            std::printf("\nunknown game (preset %u)\n", p);
        for (const size_t s : slots) printMacro(*library, s);
    }
    if (json) {
        Json::document()
            .set("file", Json::string(store.path().string()))
            .set("macros", std::move(list))
            .print();
        return kExitOk;
    }
    if (macros == 0)
        std::printf("\nno macros\n");
    else
        std::printf("\n%zu macro%s in %zu game%s\n", macros, macros == 1 ? "" : "s", games,
                    games == 1 ? "" : "s");
    return kExitOk;
}

// The data directory and its macro library, loaded as the program does at start-up, under the
// data folder's lock: another writer's new macro is read before this one is stored beside it.
struct MacroSession {
    std::filesystem::path dir;
    TerminalNotices notices;
    DataFolderLock lock;
    std::unique_ptr<MacroLibrary> library = std::make_unique<MacroLibrary>();
    std::unique_ptr<MacroStore> store;
    int failure = kExitBadInput;  // the exit code when open() failed

    // `readOnly`: the folder as it is, an error when it is missing, nothing set up.
    bool open(const std::optional<std::string>& dataDir, std::string_view command = {},
              int* code = nullptr) {
        if (code) {
            const auto existing = existingDataFolder(command, dataDir, *code);
            if (!existing) return false;
            dir = *existing;
        } else {
            dir = dataFolder(dataDir);
            seedDataDirectory(programDirectory(), dir);
            // Readers need no lock: every file is replaced whole, by rename.
            if (!lockDataFolder("macro", dir, lock, failure)) return false;
        }
        store = std::make_unique<MacroStore>(*library, dir, notices, SystemClock::instance());
        return store->loadMacroLibrary();  // the reason is on stderr when it fails
    }
};

// The options every macro command shares, and its positional arguments.
struct MacroArgs {
    std::optional<std::string> dataDir;
    std::vector<std::string> pos;
};

std::optional<uint32_t> parseNumber(std::string_view s) {
    if (s.empty() || s.size() > 10) return std::nullopt;
    const bool hex = s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
    if (hex) s.remove_prefix(2);
    if (s.empty()) return std::nullopt;
    uint64_t v = 0;
    for (const char c : s) {
        int d = -1;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (d < 0) return std::nullopt;
        v = v * (hex ? 16 : 10) + static_cast<uint64_t>(d);
    }
    if (v > 0xFFFFFFFFu) return std::nullopt;
    return static_cast<uint32_t>(v);
}

// A macro named by its id (0x15ABCDEF or decimal) or by its name; a name shared by several
// macros is refused with their ids, so a script never changes the wrong one.
std::optional<size_t> findMacro(const MacroLibrary& library, std::string_view which,
                                std::string& error) {
    if (const auto id = parseNumber(which)) {
        if (const auto slot = library.findMacroById(*id); slot && library.slot(*slot).isListed())
            return slot;
    }
    const std::u16string name = utf8ToUtf16(which);
    std::vector<size_t> found;
    for (size_t i = 0; i < library.size(); ++i)
        if (library.slot(i).isListed() && library.slot(i).name() == name) found.push_back(i);
    if (found.size() == 1) return found[0];
    if (found.empty()) {
        error = "no macro with the id or name '" + printableName(name) + "'";
    } else {
        error = "several macros are named '" + printableName(name) + "' (ids";
        for (const size_t s : found) {
            char buf[16];
            std::snprintf(buf, sizeof buf, " 0x%08" PRIX32, library.slot(s).id());
            error += buf;
        }
        error += "); give the id";
    }
    return std::nullopt;
}

std::optional<uint8_t> parsePreset(std::string_view s) {
    const auto n = parseNumber(s);
    if (!n || !findGamePreset(*n)) return std::nullopt;
    return static_cast<uint8_t>(*n);
}

std::string gameText(uint8_t preset) {
    return findGamePreset(preset) ? trimmed(gamePresetMenuText(preset, false))
                                  : "unknown game " + std::to_string(preset);
}

std::string idText(uint32_t id) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08" PRIX32, id);
    return buf;
}

// Reads a macro text from FILE, or from standard input for "-".
bool readMacroText(std::string_view command, const std::string& file, std::string& text,
                   int& code) {
    std::vector<uint8_t> bytes;
    // One byte more than a text may have, so that a larger one is refused rather than cut.
    const std::filesystem::path path = file == "-" ? "/dev/stdin" : file;
    if (const FileResult r = readFilePrefix(path, kMacroTextMaxBytes + 1, bytes); !r) {
        code = fail(command, file + ": " + r.describe(), kExitBadInput);
        return false;
    }
    text.assign(bytes.begin(), bytes.end());
    return true;
}

std::optional<MacroText> parseOrFail(std::string_view command, const std::string& file,
                                     const std::string& text, int& code) {
    MacroTextError error;
    auto parsed = parseMacroText(text, error);
    if (!parsed) {
        const std::string where = error.line ? file + " line " + std::to_string(error.line) : file;
        code = fail(command, where + ": " + error.message, kExitBadInput);
    }
    return parsed;
}

// Macros are addressed by name: a name another macro has already is refused.
bool nameTaken(std::string_view command, const MacroLibrary& library, std::u16string_view name,
               uint32_t exceptId, int& code) {
    const auto other = library.findListedByName(name, exceptId);
    if (!other) return false;
    code = fail(command,
                "macro " + idText(library.slot(*other).id()) + " is already named '" +
                    printableName(name) + "'; choose another name",
                kExitBadInput);
    return true;
}

// Stores a macro with the page's rules and says what became of it.
int storeBuilt(std::string_view command, MacroSession& session, const BuiltMacro& built,
               std::string_view done) {
    int code = kExitOk;
    if (nameTaken(command, *session.library, built.entry.name(), built.entry.id(), code))
        return code;
    if (!session.store->storeMacro(built.entry))
        return fail(command, programText(ProgramText::MacroLibraryFull, kLanguageEnglish),
                    kExitFailed);
    if (built.truncated)
        std::fprintf(
            stderr, "z408ctl %.*s: %s\n", static_cast<int>(command.size()), command.data(),
            std::string(programText(ProgramText::MacroCutToSlot, kLanguageEnglish)).c_str());
    std::printf("%.*s macro %s \"%s\" (%s, %zu events)\n", static_cast<int>(done.size()),
                done.data(), idText(built.entry.id()).c_str(),
                printableName(built.entry.name()).c_str(),
                gameText(macroPreset(built.entry.id())).c_str(), built.entry.eventCount());
    return kExitOk;
}

// Scans the shared options; `values` names further options with a value, filled in order.
bool scanMacroArgs(
    std::string_view command, const Args& args, MacroArgs& out,
    std::initializer_list<std::pair<std::string_view, std::optional<std::string>*>> values,
    int& code) {
    ArgScanner scan(args);
    out.dataDir = dataDirOption(scan);
    std::string v;
    for (const auto& [name, target] : values)
        if (scan.value(name, v)) *target = v;
    std::string err;
    if (!scan.positionals(out.pos, err)) {
        code = fail(command, err, kExitBadInput);
        return false;
    }
    return true;
}

int macroShowOrExport(const Args& args, bool exporting) {
    const char* command = exporting ? "macro export" : "macro show";
    MacroArgs a;
    int code = kExitOk;
    Args rest = args;
    const auto jsonFlag = std::find(rest.begin(), rest.end(), "--json");
    const bool json = !exporting && jsonFlag != rest.end();
    if (json) rest.erase(jsonFlag);
    if (!scanMacroArgs(command, rest, a, {}, code)) return code;
    const bool argsFit = exporting ? a.pos.size() == 1 || a.pos.size() == 2 : a.pos.size() == 1;
    if (!argsFit)
        return fail(command, exporting ? "expects ID|NAME [FILE]" : "expects ID|NAME",
                    kExitBadInput);
    MacroSession session;
    if (!session.open(a.dataDir, command, &code)) return code == kExitOk ? kExitBadInput : code;
    std::string err;
    const auto slot = findMacro(*session.library, a.pos[0], err);
    if (!slot) return fail(command, err, kExitBadInput);
    const MacroEntry& m = session.library->slot(*slot);
    bool complete = true;
    const std::string text = macroToText(m, &complete);
    if (json) {
        Json doc = Json::document();
        Json entry = macroJson(*session.library, *slot);
        entry.set("text", Json::string(text)).set("complete", Json::boolean(complete));
        doc.set("macro", std::move(entry)).print();
        return kExitOk;
    }
    if (!complete)
        fail(command,
             "the macro holds an event of an unknown kind; the events after it are left out",
             kExitOk);
    if (!exporting) {
        std::printf("# id %s, %s (preset %u), slot %zu, %zu events\n%s", idText(m.id()).c_str(),
                    gameText(macroPreset(m.id())).c_str(), macroPreset(m.id()), *slot,
                    m.eventCount(), text.c_str());
        return kExitOk;
    }
    if (a.pos.size() == 1 || a.pos[1] == "-") {
        std::fwrite(text.data(), 1, text.size(), stdout);
        return kExitOk;
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    if (const FileResult r = writeFileAtomic(a.pos[1], {bytes, text.size()}); !r)
        return fail(command, a.pos[1] + ": " + r.describe(), kExitFailed);
    return kExitOk;
}

int macroShow(const Args& args) {
    return macroShowOrExport(args, false);
}
int macroExport(const Args& args) {
    return macroShowOrExport(args, true);
}

// A new macro's id as the page makes it, moved on past ids already taken: the page's id alone
// could name an existing macro of the same game, which storing would then overwrite.
uint32_t freshMacroId(const MacroLibrary& library, uint8_t preset) {
    uint32_t id = createMacroId(preset, SystemClock::instance());
    while (library.findMacroById(id)) id = makeMacroId(preset, (id + 1) & 0xFFFFFF);
    return id;
}

// Reads and parses a macro text before anything is opened, so that bad input changes no file.
std::optional<MacroText> readParsedText(std::string_view command, const std::string& file,
                                        int& code) {
    std::string text;
    if (!readMacroText(command, file, text, code)) return std::nullopt;
    return parseOrFail(command, file, text, code);
}

// macro new and macro import share this: a parsed text into a new or an existing macro.
int storeText(std::string_view command, MacroSession& session, const MacroText& parsed,
              const std::string& file, const std::optional<std::u16string>& nameOverride,
              const std::optional<std::string>& into, uint8_t preset) {
    if (into) {
        std::string err;
        const auto slot = findMacro(*session.library, *into, err);
        if (!slot) return fail(command, err, kExitBadInput);
        const MacroEntry& old = session.library->slot(*slot);
        const std::u16string name = nameOverride.value_or(parsed.name.value_or(old.name()));
        return storeBuilt(command, session, buildMacroFromText(parsed, old.id(), name), "replaced");
    }
    const auto name = nameOverride ? nameOverride : parsed.name;
    if (!name)
        return fail(command, file + ": the text names no macro (add a name line)", kExitBadInput);
    const uint32_t id = freshMacroId(*session.library, preset);
    return storeBuilt(command, session, buildMacroFromText(parsed, id, *name), "created");
}

// A running window keeps the library in memory and writes all of it back on its next change:
// after a change here it reads Macro.cfg again. Returns `code`.
int toldWindow(int code) {
    if (code != kExitOk) return code;
    std::string reply;
    const InstanceCall call = callRunningInstance({InstanceRequestKind::MacrosChanged, 0}, reply);
    // A window that holds its lock without a socket to hear on did not read the change either.
    if (call == InstanceCall::NoAnswer || (call == InstanceCall::NotRunning && windowIsRunning()))
        std::fprintf(stderr,
                     "z408ctl: the running window did not confirm that it read Macro.cfg "
                     "again; close it without changing a macro, or the change is lost\n");
    return code;
}

int macroNew(const Args& args) {
    MacroArgs a;
    std::optional<std::string> preset;
    int code = kExitOk;
    if (!scanMacroArgs("macro new", args, a, {{"--preset", &preset}}, code)) return code;
    if (a.pos.size() != 2) return fail("macro new", "expects NAME FILE", kExitBadInput);
    const std::u16string name = utf8ToUtf16(a.pos[0]);
    if (const auto problem = macroNameProblem(name))
        return fail("macro new", *problem, kExitBadInput);
    const auto p = preset ? parsePreset(*preset) : std::optional<uint8_t>(kCustomGamePreset);
    if (!p) return fail("macro new", "--preset takes a game number, 1 to 21", kExitBadInput);
    const auto parsed = readParsedText("macro new", a.pos[1], code);
    if (!parsed) return code;
    MacroSession session;
    if (!session.open(a.dataDir)) return session.failure;
    return toldWindow(storeText("macro new", session, *parsed, a.pos[1], name, std::nullopt, *p));
}

int macroImport(const Args& args) {
    MacroArgs a;
    std::optional<std::string> preset, into, name;
    int code = kExitOk;
    if (!scanMacroArgs("macro import", args, a,
                       {{"--preset", &preset}, {"--into", &into}, {"--name", &name}}, code))
        return code;
    if (a.pos.size() != 1) return fail("macro import", "expects FILE", kExitBadInput);
    if (preset && into)
        return fail("macro import", "--into keeps the macro's game; leave out --preset",
                    kExitBadInput);
    const auto p = preset ? parsePreset(*preset) : std::optional<uint8_t>(kCustomGamePreset);
    if (!p) return fail("macro import", "--preset takes a game number, 1 to 21", kExitBadInput);
    std::optional<std::u16string> newName;
    if (name) {
        newName = utf8ToUtf16(*name);
        if (const auto problem = macroNameProblem(*newName))
            return fail("macro import", *problem, kExitBadInput);
    }
    const auto parsed = readParsedText("macro import", a.pos[0], code);
    if (!parsed) return code;
    if (!into && !newName && !parsed->name)
        return fail("macro import",
                    a.pos[0] + ": the text names no macro (add a name line or --name)",
                    kExitBadInput);
    MacroSession session;
    if (!session.open(a.dataDir)) return session.failure;
    return toldWindow(storeText("macro import", session, *parsed, a.pos[0], newName, into, *p));
}

int macroRename(const Args& args) {
    MacroArgs a;
    int code = kExitOk;
    if (!scanMacroArgs("macro rename", args, a, {}, code)) return code;
    if (a.pos.size() != 2) return fail("macro rename", "expects ID|NAME NEW-NAME", kExitBadInput);
    const std::u16string name = utf8ToUtf16(a.pos[1]);
    if (const auto problem = macroNameProblem(name))
        return fail("macro rename", *problem, kExitBadInput);
    MacroSession session;
    if (!session.open(a.dataDir)) return session.failure;
    std::string err;
    const auto slot = findMacro(*session.library, a.pos[0], err);
    if (!slot) return fail("macro rename", err, kExitBadInput);
    // As the page renames: the slot itself stored again under its new name.
    MacroEntry renamed = session.library->slot(*slot);
    if (renamed.name() == name) return kExitOk;
    if (nameTaken("macro rename", *session.library, name, renamed.id(), code)) return code;
    renamed.setName(name);
    if (!session.store->storeMacro(renamed))
        return fail("macro rename", "the macro's record is damaged and cannot be stored again",
                    kExitFailed);
    std::printf("renamed macro %s to \"%s\"\n", idText(renamed.id()).c_str(),
                printableName(name).c_str());
    return toldWindow(kExitOk);
}

// The profiles and buttons that use a macro, in words: "profile 5 (button middle)".
std::string usersText(const std::vector<MacroUser>& users) {
    std::string out;
    for (const MacroUser& user : users) {
        if (!out.empty()) out += "; ";
        out += "profile " + std::to_string(user.entry + 1) + " (button";
        if (user.buttons.size() > 1) out += "s";
        for (size_t i = 0; i < user.buttons.size(); ++i) {
            out += i ? ", " : " ";
            out += buttonWord(user.buttons[i]);
        }
        out += ")";
    }
    return out;
}

int macroDelete(const Args& args) {
    MacroArgs a;
    int code = kExitOk;
    if (!scanMacroArgs("macro delete", args, a, {}, code)) return code;
    if (a.pos.size() != 1) return fail("macro delete", "expects ID|NAME", kExitBadInput);
    MacroSession session;
    if (!session.open(a.dataDir)) return session.failure;
    std::string err;
    const auto slot = findMacro(*session.library, a.pos[0], err);
    if (!slot) return fail("macro delete", err, kExitBadInput);
    const uint32_t id = session.library->slot(*slot).id();
    ProfileStore profiles(session.dir, session.notices);
    profiles.loadTableAndActiveProfile();
    if (const std::vector<MacroUser> users = macroUsers(id, profiles); !users.empty())
        return fail("macro delete",
                    "macro " + idText(id) + " is used by " + usersText(users) +
                        "; give those buttons another function first (z408ctl profile set "
                        "--profile N button BUTTON default)",
                    kExitFailed);
    session.store->deleteMacro(id);
    std::printf("deleted macro %s\n", idText(id).c_str());
    return toldWindow(kExitOk);
}

// Completion of the macro a command names: only for its first argument.
std::vector<std::string> completeMacroArgument(const Args& given) {
    size_t positionals = 0;
    for (size_t i = 0; i < given.size(); ++i) {
        if (given[i] == "--data-dir" || given[i] == "--into" || given[i] == "--preset")
            ++i;
        else if (given[i].rfind("--", 0) != 0)
            ++positionals;
    }
    return positionals == 0 ? macroCandidates(given) : std::vector<std::string>{};
}

}  // namespace

void registerMacroCommands(CommandRegistry& registry) {
    registry.add({"macro list", "[--data-dir DIR] [--json]", "list the macros of Macro.cfg by game",
                  "Lists every macro of Macro.cfg in the data folder (default\n"
                  "~/.local/share/TARVO/Z408), grouped by game, with its id, slot, number of\n"
                  "events and loop count. Nothing is written: a missing folder or Macro.cfg is\n"
                  "an error (exit 2). --json prints the same as JSON (see JSON OUTPUT in\n"
                  "z408ctl(1)).",
                  macroList});
    registry.add({"macro show", "ID|NAME [--data-dir DIR] [--json]", "show one macro as text",
                  "Prints the macro (by its id, e.g. 0x15A1B2C3, or its name) in the macro text\n"
                  "format, after a comment line with its id, game, slot and number of events.\n"
                  "--json prints the same as JSON (see JSON OUTPUT in z408ctl(1)).",
                  macroShow, completeMacroArgument});
    registry.add({"macro new", "NAME FILE [--preset N] [--data-dir DIR]",
                  "create a macro from a macro text",
                  "Creates a macro named NAME (up to 20 characters) in game N (1 to 21; default\n"
                  "21, the player's own) from the macro text in FILE ('-' reads standard input),\n"
                  "stored as the macro page stores it, and prints its id.\n\n"
                  "The macro text has one item a line; '#' starts a comment line:\n"
                  "  name Reload      the name (optional)\n"
                  "  loop 3           plays per button press, 1 to 65533 (default 1)\n"
                  "  down A           a key pressed: its name on the macro page (A, L_Shift,\n"
                  "                   Page Up, NUM 1, Left Button ...) or its code (0x41)\n"
                  "  delay 250        a pause in milliseconds, 0 to 16777215\n"
                  "  up A             a key released\n"
                  "Adjacent delays are merged (to at most 327670 ms), a leading delay is dropped,\n"
                  "and a macro longer than the 1000 events of a slot is cut where every key is\n"
                  "released, with a notice.",
                  macroNew});
    registry.add({"macro import",
                  "FILE [--preset N | --into ID|NAME] [--name NAME] [--data-dir DIR]",
                  "create or replace a macro from a macro text",
                  "Reads the macro text in FILE ('-' for standard input; see 'macro new --help'\n"
                  "for the format). Without --into it creates a macro in game N (default 21)\n"
                  "named by --name or the text's name line; with --into it replaces the events\n"
                  "and loop count of that macro, keeping its id and game (and its name unless\n"
                  "one is given).",
                  macroImport});
    registry.add({"macro export", "ID|NAME [FILE] [--data-dir DIR]", "write a macro as text",
                  "Writes the macro in the macro text format to FILE (replaced atomically) or to\n"
                  "standard output. 'macro import' reads it back to the same macro.",
                  macroExport, completeMacroArgument});
    registry.add({"macro rename", "ID|NAME NEW-NAME [--data-dir DIR]", "rename a macro",
                  "Gives the macro a new name of up to 20 characters.", macroRename,
                  completeMacroArgument});
    registry.add({"macro delete", "ID|NAME [--data-dir DIR]", "delete a macro",
                  "Deletes the macro. A macro that a button of any profile uses is not deleted\n"
                  "(exit 1), as on the macro page.",
                  macroDelete, completeMacroArgument});
}

}  // namespace z408::cli
