// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// z408ctl profile ...: default profiles, reading a profile in words, validating a file.
#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <memory>

#include "cli/cli.h"
#include "cli/json_out.h"
#include "cli/profile_edit.h"
#include "common/directories.h"
#include "common/file_io.h"
#include "common/text.h"
#include "config/profile_store.h"
#include "functions/key_tables.h"
#include "functions/keyboard_layout.h"
#include "lighting/lighting_page_model.h"
#include "macros/macro_library.h"
#include "macros/macro_store.h"

namespace z408::cli {
namespace {

int buttonOf(std::string_view word) {
    for (int b = 0; b < kButtonCount; ++b)
        if (buttonWord(b) == word) return b;
    return 0;
}

// The macro library of a data folder, for the macros' names; none without a folder.
std::unique_ptr<MacroLibrary> macrosOf(const std::optional<std::filesystem::path>& dir) {
    auto library = std::make_unique<MacroLibrary>();
    if (!dir || !readMacroLibraryFile(*dir, *library)) return nullptr;
    return library;
}

std::optional<std::string> macroName(const MacroLibrary* macros, uint32_t id) {
    if (!macros || id == 0) return std::nullopt;
    const auto slot = macros->findMacroById(id);
    if (!slot) return std::nullopt;
    return utf16ToUtf8(macros->slot(*slot).name());
}

// What the profile holds, as `profile set` lines: the macros are found by id, so a button's
// macro is shown even where the library lacks it.
struct Shown {
    std::vector<ShownSetting> settings;
    std::unique_ptr<MacroLibrary> macros;
};

Shown showProfile(const ProfileSettings& p, const MacroIdList& ids,
                  const std::optional<std::filesystem::path>& dir) {
    Shown shown;
    shown.macros = macrosOf(dir);
    // A macro missing from the library still reads back by its id: the setting needs only that
    // the id is listed, so the profile's own macros are added to a copy for the check.
    auto check = shown.macros ? std::make_unique<MacroLibrary>(*shown.macros)
                              : std::make_unique<MacroLibrary>();
    for (int b = 0; b < kButtonCount; ++b) {
        const auto btn = p.button(b);
        if (btn.functionType() != fn::Macro || check->findMacroById(btn.macroId())) continue;
        for (size_t s = 0; s < MacroLibrary::size(); ++s)
            if (check->slot(s).isFree()) {
                MacroEntry m;
                m.setTag(kMacroTagUsed);
                m.setId(btn.macroId());
                m.setName(btn.displayName());
                check->slot(s) = m;
                break;
            }
    }
    // A profile made under the Chinese interface has the Chinese built-in names: its lines are
    // those profile set makes with that interface.
    const auto notes = [](const std::vector<ShownSetting>& settings) {
        return std::count_if(settings.begin(), settings.end(),
                             [](const ShownSetting& s) { return s.words.empty(); });
    };
    shown.settings = showSettings(p, ids, EditContext{check.get(), 2});
    if (notes(shown.settings) > 0) {
        auto chinese = showSettings(p, ids, EditContext{check.get(), 1});
        if (notes(chinese) < notes(shown.settings)) shown.settings = std::move(chinese);
    }
    return shown;
}

void printText(const ProfileSettings& p, const MacroIdList& ids, const std::string& where,
               const std::optional<std::filesystem::path>& dir) {
    const Shown shown = showProfile(p, ids, dir);
    std::printf("# %s\n", terminalSafe(where).c_str());
    for (const ShownSetting& s : shown.settings) {
        if (s.words.empty()) {
            std::printf("# %s (no setting makes it)\n", terminalSafe(s.note).c_str());
            continue;
        }
        std::string line = shellWords(s.words);
        if (s.words.size() == 4 && s.words[2] == "macro") {
            const auto name =
                macroName(shown.macros.get(), p.button(buttonOf(s.words[1])).macroId());
            // Appended, not built with operator+: GCC 12 at -O3 reports a false -Wrestrict there.
            line += "  # ";
            if (name) {
                line += '"';
                line += terminalSafe(*name);
                line += '"';
            } else {
                line += "not in the macro library";
            }
        }
        std::printf("%s\n", line.c_str());
    }
}

void printJson(const ProfileSettings& p, const MacroIdList& ids, const std::string& file,
               int profileNumber, const std::optional<std::filesystem::path>& dir) {
    const Shown shown = showProfile(p, ids, dir);
    const auto wordsOf = [&](std::string_view setting, size_t nth = 0) -> const ShownSetting* {
        for (const ShownSetting& s : shown.settings)
            if (s.setting == setting && nth-- == 0) return &s;
        return nullptr;
    };
    const auto value = [&](std::string_view setting, size_t at) {
        const ShownSetting* s = wordsOf(setting);
        return s && s->words.size() > at ? Json::string(s->words[at]) : Json::null();
    };
    const auto numberAt = [&](std::string_view setting, size_t at) {
        const ShownSetting* s = wordsOf(setting);
        return s && s->words.size() > at ? Json::number(std::stoi(s->words[at])) : Json::null();
    };
    Json doc = Json::document();
    doc.set("file", Json::string(file));
    doc.set("profile", profileNumber ? Json::number(profileNumber) : Json::null());
    Json buttons = Json::array();
    Json settings = Json::array();
    Json notes = Json::array();
    for (const ShownSetting& s : shown.settings) {
        if (s.words.empty())
            notes.push(Json::string(s.note));
        else
            settings.push(Json::string(shellWords(s.words)));
    }
    for (int b = 0; b < kButtonCount; ++b) {
        const ShownSetting& s = *wordsOf("button", static_cast<size_t>(b));
        const auto btn = p.button(b);
        const bool isMacro = btn.functionType() == fn::Macro;
        const auto name = isMacro ? macroName(shown.macros.get(), btn.macroId()) : std::nullopt;
        buttons.push(
            Json::object()
                .set("button", Json::string(buttonWord(b)))
                .set("number", Json::number(b + 1))
                .set("function", s.words.size() > 2 ? Json::string(s.words[2]) : Json::null())
                .set("value", s.words.size() > 3 ? Json::string(s.words[3]) : Json::null())
                .set("displayName", Json::string(utf16ToUtf8(btn.displayName())))
                .set("macroId", isMacro ? Json::string(macroIdText(btn.macroId())) : Json::null())
                .set("macroName", name ? Json::string(*name) : Json::null())
                .set("tableMacroId",
                     dir ? Json::string(macroIdText(ids[static_cast<size_t>(b)])) : Json::null())
                .set("setting",
                     s.words.empty() ? Json::null() : Json::string(shellWords(s.words))));
    }
    doc.set("buttons", std::move(buttons));
    Json dpi = Json::array();
    if (const ShownSetting* s = wordsOf("dpi"); s && !s->words.empty())
        for (size_t i = 1; i < s->words.size(); ++i) dpi.push(Json::number(std::stoi(s->words[i])));
    doc.set("dpi", std::move(dpi));
    doc.set("reportRate", numberAt("report-rate", 1));
    doc.set("pointerSpeed", numberAt("pointer-speed", 1));
    doc.set("precision", value("precision", 1));
    doc.set("wheel", value("wheel", 1));
    doc.set("wheelLines", numberAt("wheel", 2));
    doc.set("height", numberAt("height", 1));
    doc.set("lighting", value("lighting", 1));
    doc.set("level", numberAt("level", 1));
    doc.set("breathingSpeed", numberAt("breathing-speed", 1));
    doc.set("flowSpeed", numberAt("flow-speed", 1));
    doc.set("multicolour", value("multicolour", 1));
    Json colours = Json::array();
    for (const int slot : {kSingleColourSlot, 0, 1, 2}) {
        const bool custom = p.colourIsCustom(slot) != 0;
        const std::string_view preset = presetColourName(static_cast<int>(p.presetIndex(slot)));
        // The last line of the slot is the one that sets its colour.
        const ShownSetting* last = nullptr;
        for (const ShownSetting& s : shown.settings)
            if (s.setting == "colour" && !s.words.empty() && s.words[1] == colourSlotWord(slot))
                last = &s;
        colours.push(Json::object()
                         .set("colour", Json::string(colourSlotWord(slot)))
                         .set("value", last ? Json::string(last->words[2]) : Json::null())
                         .set("rgb", Json::string(colourHex(p.colour(slot))))
                         .set("custom", Json::boolean(custom))
                         .set("preset", preset.empty() ? Json::null() : Json::string(preset)));
    }
    doc.set("colours", std::move(colours));
    doc.set("proximity", value("proximity", 1));
    doc.set("settings", std::move(settings));
    doc.set("notes", std::move(notes));
    doc.print();
}

int profileDefaults(const Args& args) {
    ArgScanner scan(args);
    const bool chinese = scan.flag("--chinese");
    std::vector<std::string> pos;
    std::string err;
    if (!scan.positionals(pos, err) || pos.size() != 1)
        return fail("profile defaults", err.empty() ? "expects one FILE" : err, kExitBadInput);
    const auto p = ProfileSettings::defaults(chinese);
    const FileResult r = writeFileAtomic(pos[0], p.image());
    if (!r)
        return fail("profile defaults", "cannot write " + pos[0] + ": " + r.describe(),
                    kExitFailed);
    return kExitOk;
}

int profileShow(const Args& args) {
    constexpr std::string_view kName = "profile show";
    ArgScanner scan(args);
    const bool json = scan.flag("--json");
    const bool active = scan.flag("--active");
    int number = 0;  // the active profile unless --profile N
    int code = kExitOk;
    if (!profileOption(scan, kName, number, code)) return code;
    const bool haveProfile = number != 0;
    const auto dataDir = dataDirOption(scan);
    std::string file;
    const bool haveFile = scan.value("--file", file);
    std::vector<std::string> pos;
    std::string err;
    if (!scan.positionals(pos, err)) return fail(kName, err, kExitBadInput);
    // FILE alone, or --file FILE, is a profile file of its own; otherwise a profile of the
    // data folder: the active one, or --profile N.
    if (pos.size() == 1 && !haveFile && !active && !haveProfile) file = pos[0], pos.clear();
    const bool ofFile = !file.empty();
    if (!pos.empty() || (ofFile && (active || haveProfile || dataDir)) || (active && haveProfile))
        return fail(kName,
                    "expects FILE (or --file FILE), or --active or --profile N with "
                    "[--data-dir DIR]",
                    kExitBadInput);
    if (ofFile) {
        ProfileSettings p;
        if (int rc = readProfileFile(kName, file, p); rc != kExitOk) return rc;
        const MacroIdList none{};
        if (json)
            printJson(p, none, file, 0, std::nullopt);
        else
            printText(p, none, "profile file " + file, std::nullopt);
        return kExitOk;
    }
    if (!active && !haveProfile)
        return fail(kName, "expects FILE, --file FILE, --active or --profile N", kExitBadInput);
    const auto dir = existingDataFolder(kName, dataDir, code);
    if (!dir) return code;
    StoredProfile stored;
    if (!readStoredProfile(kName, *dir, number, stored, code)) return code;
    if (json)
        printJson(stored.profile, stored.macroIds, stored.path.string(), stored.entry + 1, dir);
    else
        printText(stored.profile, stored.macroIds,
                  "profile " + std::to_string(stored.entry + 1) + " of " + dir->string() +
                      " (file " + stored.path.string() + ")",
                  dir);
    return kExitOk;
}

int profileValidate(const Args& args) {
    ArgScanner scan(args);
    std::vector<std::string> pos;
    std::string err;
    if (!scan.positionals(pos, err) || pos.size() != 1)
        return fail("profile validate", err.empty() ? "expects one FILE" : err, kExitBadInput);
    ProfileSettings p;
    if (int rc = readProfileFile("profile validate", pos[0], p); rc != kExitOk) return rc;
    std::printf("%s is a valid profile\n", pos[0].c_str());
    // The program loads it, but some values are none its pages can make: named, one a line.
    const MacroIdList none{};
    for (const ShownSetting& s : showProfile(p, none, std::nullopt).settings)
        if (s.words.empty()) std::printf("note: %s\n", terminalSafe(s.note).c_str());
    return kExitOk;
}

}  // namespace

// Reads a profile file the way the program does: up to the record's size, magic required.
int readProfileFile(std::string_view cmd, const std::string& path, ProfileSettings& out) {
    std::vector<uint8_t> bytes;
    const FileResult r = readFilePrefix(path, kProfileSize, bytes);
    if (!r) return fail(cmd, "cannot read " + path + ": " + r.describe(), kExitBadInput);
    out.assign(bytes);
    if (!out.hasMagic()) {
        // The program's own words, then which field is wrong and what to do.
        char detail[200];
        if (bytes.size() < 4)
            std::snprintf(detail, sizeof detail, "it has %zu bytes, too few for a profile's mark",
                          bytes.size());
        else
            std::snprintf(detail, sizeof detail,
                          "its mark (the first four bytes) is 0x%08" PRIX32
                          " where a profile has 0x%08" PRIX32,
                          out.magic(), kProfileMagic);
        return fail(cmd,
                    formatText(kInvalidProfileText, {path}) + " (" + detail +
                        "); give a profile file, e.g. one 'z408ctl profile export' or 'z408ctl "
                        "profile defaults' wrote",
                    kExitBadInput);
    }
    return kExitOk;
}

void registerProfileCommands(CommandRegistry& registry) {
    registry.add({"profile defaults", "FILE [--chinese]",
                  "write a profile with the default settings",
                  "Writes a 22252-byte default profile to FILE. Button names are English unless\n"
                  "--chinese is given.",
                  profileDefaults});
    registry.add(
        {"profile show", "FILE | --file FILE | --active | --profile N [--data-dir DIR] [--json]",
         "show a profile as the settings that make it",
         "Shows the profile in FILE, or the active one or profile N of the data folder\n"
         "(default ~/.local/share/TARVO/Z408), as 'profile set' lines: each button, the DPI\n"
         "levels, report rate, pointer settings and lighting. Every line given back to\n"
         "'z408ctl profile set' makes that setting again; what no setting can make (a\n"
         "function or value only a damaged or foreign file holds) is a '#' line. Nothing is\n"
         "written: a missing data folder or profile file is an error (exit 2).\n"
         "--json prints the same as JSON (see JSON OUTPUT in z408ctl(1)).",
         profileShow});
    registry.add({"profile validate", "FILE", "check that FILE is a profile",
                  "Exit 0 when FILE is a profile the program accepts, 2 otherwise (the message\n"
                  "names what is wrong). A 'note:' line names each value the program loads\n"
                  "but its pages cannot make.",
                  profileValidate});
}

}  // namespace z408::cli
