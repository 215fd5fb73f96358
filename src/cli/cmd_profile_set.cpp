// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// z408ctl profile set, select, import and export: the profiles changed as the window changes
// them. A running window is asked first whether it holds unsaved edits of the profile (they
// would be lost or would overwrite the change at its next Apply) and told afterwards, so that it
// shows the new values.
#include <cstdio>
#include <memory>

#include "cli/cli.h"
#include "cli/profile_edit.h"
#include "common/directories.h"
#include "common/file_io.h"
#include "common/instance_link.h"
#include "common/text.h"
#include "config/profile_store.h"
#include "config/seeding.h"
#include "i18n/language_choice.h"
#include "i18n/languages.h"
#include "macros/macro_library.h"
#include "macros/macro_store.h"

namespace z408::cli {
namespace {

// What every command here takes besides its own arguments.
struct CommonOptions {
    std::string command;
    std::filesystem::path dataDir;
    int profile = 0;  // 1..5; 0 the active one
    bool apply = false;
    bool force = false;
    bool noPointer = false;
};

// Scans --data-dir, --profile N and, where `withApply`, --apply, --force and --no-pointer.
bool scanCommon(ArgScanner& scan, CommonOptions& o, bool withApply, int& code) {
    o.dataDir = dataFolder(dataDirOption(scan));
    if (!profileOption(scan, o.command, o.profile, code)) return false;
    if (withApply) {
        o.apply = scan.flag("--apply");
        o.force = scan.flag("--force");
        o.noPointer = scan.flag("--no-pointer");
    }
    return true;
}

// The data directory set up, locked for the change, and its profiles loaded as at the program's
// start: read under the lock, so another writer's change is seen and kept.
std::unique_ptr<ProfileStore> openStore(const CommonOptions& o, UserNotices& notices,
                                        DataFolderLock& lock, int& code) {
    const std::filesystem::path& dir = o.dataDir;
    seedDataDirectory(programDirectory(), dir);
    if (!lockDataFolder(o.command, dir, lock, code)) return nullptr;
    auto store = std::make_unique<ProfileStore>(dir, notices);
    store->loadTableAndActiveProfile();
    return store;
}

// Whether the running window lets entry `entry` be changed: refused while it holds unsaved
// edits of it, unless forced.
bool windowAllowsChange(const CommonOptions& o, int entry, int& code) {
    if (o.force) return true;
    std::string reply;
    switch (callRunningInstance({InstanceRequestKind::UnsavedEdits, entry}, reply)) {
        case InstanceCall::NotRunning:
            // A window that holds its lock but cannot be reached (its socket lost) still writes
            // its copy back at its next Apply: not the same as no window at all.
            if (!windowIsRunning()) return true;
            break;
        case InstanceCall::Answered:
            if (reply == kReplySaved) return true;
            if (reply == kReplyUnsaved) {
                code = fail(o.command,
                            "the running window holds unsaved changes of profile " +
                                std::to_string(entry + 1) +
                                ": apply or discard them there first, or give --force to "
                                "replace them",
                            kExitFailed);
                return false;
            }
            break;
        case InstanceCall::NoAnswer:
            break;
    }
    code = fail(o.command,
                "the running window did not say whether it holds unsaved changes; give --force "
                "to change the profile anyway",
                kExitFailed);
    return false;
}

// Tells the running window that entry `entry` or the table changed on disk.
void tellWindow(int entry) {
    std::string reply;
    const InstanceCall call =
        callRunningInstance({InstanceRequestKind::ProfilesChanged, entry}, reply);
    // A window that holds its lock without a socket to hear on did not read the change either.
    if (call == InstanceCall::NoAnswer || (call == InstanceCall::NotRunning && windowIsRunning()))
        std::fprintf(stderr,
                     "z408ctl: the running window did not confirm that it read the "
                     "change; it shows it after a profile switch\n");
}

// The profile of an entry and its macro ids: the store's active one, or read from its file (the
// default profile for a file not made yet, as the window makes it when the profile is chosen).
bool loadEntry(ProfileStore& store, int entry, ProfileSettings& profile, MacroIdList& ids,
               const std::string& command, int& code) {
    if (entry == store.activeEntry()) {
        profile = store.active();
        ids = store.macroIdList();
        return true;
    }
    std::vector<uint8_t> bytes;
    const FileResult r = readFilePrefix(store.profilePath(entry), kProfileSize, bytes);
    if (r)
        profile.assign(bytes);
    else if (r.error == FileError::NotFound)
        profile = ProfileSettings::defaults(false);
    if (!profile.hasMagic()) {
        code = fail(command, "profile " + std::to_string(entry + 1) + " could not be loaded",
                    kExitFailed);
        return false;
    }
    ids = store.table().macroIds(entry);
    return true;
}

// Writes the entry's profile file and the table with its macro ids, as a successful Apply does.
bool saveEntry(ProfileStore& store, int entry, const ProfileSettings& profile,
               const MacroIdList& ids, const std::string& command, int& code) {
    std::filesystem::path failedFile;
    if (const FileResult r = store.writeEntry(entry, profile, ids, failedFile); !r) {
        code = fail(
            command,
            "cannot write " + failedFile.string() + ": " + r.describe() + "; nothing was changed",
            kExitFailed);
        return false;
    }
    if (entry == store.activeEntry()) {
        store.active() = profile;
        store.macroIdList() = ids;
    }
    return true;
}

// After a change on disk: the window told, and the profile uploaded when asked for.
int finish(const CommonOptions& o, int entry) {
    int code = kExitOk;
    if (o.apply) code = applyProfile(o.command, o.dataDir, entry + 1, o.noPointer);
    tellWindow(entry);
    return code;
}

// A command on one profile of the data folder: its options and arguments, and the profile.
struct EntryCommand {
    CommonOptions o;
    std::vector<std::string> pos;
    TerminalNotices notices;
    DataFolderLock lock;
    std::unique_ptr<ProfileStore> store;
    int entry = 0;
    ProfileSettings profile;
    MacroIdList ids{};
};

// Scans the options and the arguments (exactly `count` of them; any number for -1).
bool scanEntryCommand(ArgScanner& scan, EntryCommand& c, bool withApply, int count, int& code) {
    if (!scanCommon(scan, c.o, withApply, code)) return false;
    std::string error;
    if (!scan.positionals(c.pos, error)) {
        code = fail(c.o.command, error, kExitBadInput);
        return false;
    }
    if (count >= 0 && c.pos.size() != static_cast<size_t>(count)) {
        code =
            fail(c.o.command, count == 1 ? "expects one FILE" : "expects arguments", kExitBadInput);
        return false;
    }
    return true;
}

// The data folder set up, and the profile of the active entry or of --profile N loaded.
bool loadEntryCommand(EntryCommand& c, int& code) {
    c.store = openStore(c.o, c.notices, c.lock, code);
    if (!c.store) return false;
    c.entry = c.o.profile ? c.o.profile - 1 : c.store->activeEntry();
    return loadEntry(*c.store, c.entry, c.profile, c.ids, c.o.command, code);
}

MacroLibrary readMacroLibrary(const std::filesystem::path& dir) {
    MacroLibrary library;
    // Without the file no macro is found by id or name, and the setting says so.
    (void)readMacroLibraryFile(dir, library);
    return library;
}

// The interface language of the data directory: the page's messages and built-in names follow it.
int32_t interfaceLanguage(const std::filesystem::path& dir) {
    TerminalNotices notices;
    std::vector<uint8_t> probe;
    if (!readFilePrefix(dir / kLanguageChoiceFile, 4, probe)) return kLanguageEnglish;
    const int32_t id = ReadLanguageChoice(dir, notices);
    return languageById(id) ? id : kLanguageEnglish;
}

int profileSet(const Args& args) {
    EntryCommand c;
    c.o.command = "profile set";
    ArgScanner scan(args);
    std::string file;
    const bool haveFile = scan.value("--file", file);
    int code = kExitOk;
    if (!scanEntryCommand(scan, c, true, -1, code)) return code;
    const CommonOptions& o = c.o;
    if (c.pos.empty()) return fail(o.command, "expects a SETTING and its VALUE", kExitBadInput);
    if (haveFile && (o.profile != 0 || o.apply))
        return fail(o.command, "--file goes with neither --profile nor --apply", kExitBadInput);

    EditContext context;
    MacroLibrary library = readMacroLibrary(o.dataDir);
    context.macros = &library;
    context.languageId = interfaceLanguage(o.dataDir);
    const auto refused = [&](const EditResult& r) {
        return fail(o.command, r.message,
                    r.status == EditStatus::Refused ? kExitFailed : kExitBadInput);
    };

    if (haveFile) {
        // A profile file of its own: no table holds its macro ids.
        if (int rc = readProfileFile(o.command, file, c.profile); rc != kExitOk) return rc;
        const EditResult r = applySetting(c.profile, c.ids, c.pos, context);
        if (r.status != EditStatus::Done) return refused(r);
        const FileResult w = writeFileAtomic(file, c.profile.image());
        if (!w) return fail(o.command, "cannot write " + file + ": " + w.describe(), kExitFailed);
        return kExitOk;
    }

    if (!loadEntryCommand(c, code)) return code;
    const EditResult r = applySetting(c.profile, c.ids, c.pos, context);
    if (r.status != EditStatus::Done) return refused(r);
    if (!windowAllowsChange(o, c.entry, code)) return code;
    if (!saveEntry(*c.store, c.entry, c.profile, c.ids, o.command, code)) return code;
    return finish(o, c.entry);
}

int profileSelect(const Args& args) {
    EntryCommand c;
    c.o.command = "profile select";
    ArgScanner scan(args);
    int code = kExitOk;
    if (!scanEntryCommand(scan, c, true, -1, code)) return code;
    const CommonOptions& o = c.o;
    const std::vector<std::string>& pos = c.pos;
    if (o.profile != 0)
        return fail(o.command,
                    "takes the profile as N, not --profile N: 'z408ctl profile select 2'",
                    kExitBadInput);
    if (pos.size() != 1 || pos[0].size() != 1 || pos[0][0] < '1' || pos[0][0] > '5')
        return fail(o.command, "expects one profile number from 1 to 5", kExitBadInput);
    const int entry = pos[0][0] - '1';

    const auto store = openStore(o, c.notices, c.lock, code);
    if (!store) return code;
    // The profile being left is the one whose unsaved edits the window would drop.
    if (!windowAllowsChange(o, store->activeEntry(), code)) return code;
    // As the profile buttons: an invalid profile file is not taken. A missing one is made with
    // the defaults and then taken (the window's button needs a second click for it).
    const bool missing = !std::filesystem::exists(store->profilePath(entry));
    if (!store->selectProfile(entry) && !(missing && store->selectProfile(entry)))
        return fail(o.command, "profile " + pos[0] + " could not be loaded", kExitFailed);
    const FileResult w = writeFileAtomic(store->tablePath(), store->table().image());
    if (!w) return fail(o.command, "cannot write the profile table: " + w.describe(), kExitFailed);
    std::printf("profile %d is active\n", entry + 1);
    return finish(o, entry);
}

int profileImport(const Args& args) {
    EntryCommand c;
    c.o.command = "profile import";
    ArgScanner scan(args);
    int code = kExitOk;
    if (!scanEntryCommand(scan, c, true, 1, code) || !loadEntryCommand(c, code)) return code;
    const std::string& file = c.pos[0];
    // The same check as the support page's import; the buttons' macro ids stay as they were.
    if (int rc = readProfileFile(c.o.command, file, c.profile); rc != kExitOk) return rc;
    if (!windowAllowsChange(c.o, c.entry, code)) return code;
    if (!saveEntry(*c.store, c.entry, c.profile, c.ids, c.o.command, code)) return code;
    std::printf("%s\n", formatText(kImportSuccessText, {file}).c_str());
    return finish(c.o, c.entry);
}

int profileExport(const Args& args) {
    EntryCommand c;
    c.o.command = "profile export";
    ArgScanner scan(args);
    int code = kExitOk;
    if (!scanEntryCommand(scan, c, false, 1, code) || !loadEntryCommand(c, code)) return code;
    const std::string& file = c.pos[0];
    // Success only when the whole record reached the disk.
    const FileResult w = writeFileAtomic(file, c.profile.image());
    if (!w) {
        std::fprintf(stderr, "%s\n", formatText(kExportFailedText, {file}).c_str());
        return fail(c.o.command, w.describe(), kExitFailed);
    }
    std::printf("%s\n", formatText(kExportSuccessText, {file}).c_str());
    return kExitOk;
}

// Completion after "profile set": the setting's words after the options, then what may follow.
std::vector<std::string> completeProfileSet(const Args& given) {
    std::vector<std::string> words;
    for (size_t i = 0; i < given.size(); ++i) {
        if (given[i] == "--profile" || given[i] == "--file" || given[i] == "--data-dir")
            ++i;
        else if (given[i].rfind("--", 0) != 0)
            words.push_back(given[i]);
    }
    bool wantsMacro = false;
    std::vector<std::string> out = settingCompletions(words, wantsMacro);
    if (wantsMacro) out = macroCandidates(given);
    // A sound, program, file or folder: the path is the shell's to complete.
    if (words.size() == 3 && words[0] == "button" &&
        (words[2] == "sound" || words[2] == "program" || words[2] == "file" ||
         words[2] == "folder"))
        return {kFilesMarker};
    return out;
}

}  // namespace

void registerProfileEditCommands(CommandRegistry& registry) {
    const std::string applied =
        "--apply then writes it into the mouse as the Apply button does (--no-pointer leaves\n"
        "the desktop's pointer settings). While the window runs and holds unsaved changes of\n"
        "that profile the command is refused unless --force is given; otherwise the window is\n"
        "told and shows the new values.";
    const std::string where =
        "The profile is the active one of the data folder (default ~/.local/share/TARVO/Z408,\n"
        "or --data-dir DIR), or profile N with --profile N.\n" +
        applied;
    registry.add(
        {"profile set",
         "[--profile N | --file FILE] [--data-dir DIR] [--apply [--no-pointer]] [--force] SETTING "
         "VALUE...",
         "change one setting of a profile",
         "Changes one setting with the rules of the settings and lighting pages; a\n"
         "refused assignment prints the page's message and exits 1, an unknown setting or\n"
         "a value out of range exits 2, and neither changes any file. --file FILE edits a\n"
         "profile file of its own instead.\n" +
             where + "\n\n" + std::string(settingsHelp()),
         profileSet, completeProfileSet});
    registry.add({"profile select", "N [--data-dir DIR] [--apply [--no-pointer]] [--force]",
                  "make profile N (1 to 5) the active one",
                  "Makes profile N active as its button in the window does (a missing or invalid\n"
                  "profile file is refused) and keeps the choice in the profile table of the data\n"
                  "folder (default ~/.local/share/TARVO/Z408, or --data-dir DIR).\n" +
                      applied,
                  profileSelect});
    registry.add({"profile import",
                  "FILE [--profile N] [--data-dir DIR] [--apply [--no-pointer]] [--force]",
                  "replace a profile with a profile file",
                  "Replaces the profile with FILE when FILE is a profile, as the support page's\n"
                  "import does; the buttons' macros stay assigned as they were.\n" +
                      where,
                  profileImport});
    registry.add(
        {"profile export", "FILE [--profile N] [--data-dir DIR]", "write a profile to FILE",
         "Writes the profile (the active one, or --profile N) as saved in the data folder\n"
         "to FILE, replaced atomically.",
         profileExport});
}

}  // namespace z408::cli
