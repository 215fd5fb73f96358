// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// z408ctl: commands, their help, and how they talk to the user on a terminal.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/data_folder_lock.h"
#include "common/user_notices.h"
#include "config/profile_settings.h"
#include "config/profile_table.h"

namespace z408::cli {

// Exit codes shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;    // the operation was tried and failed
inline constexpr int kExitBadInput = 2;  // bad usage, or an unreadable or invalid input

using Args = std::vector<std::string>;

struct Command {
    std::string name;      // words after "z408ctl", e.g. "profile show"
    std::string synopsis;  // the arguments, e.g. "FILE [--json]"
    std::string summary;   // one line
    std::string help;      // the rest of --help
    std::function<int(const Args&)> run;
    // Shell completion of an argument: the candidates for the word after `before` (the words
    // given to the command so far). Optional; options come from the synopsis, files from the
    // shell.
    std::function<std::vector<std::string>(const Args& before)> complete = {};
};

// The first line of "__complete"'s answer where the shell is to offer files and folders too.
inline constexpr const char* kFilesMarker = ":files";

class CommandRegistry {
  public:
    void add(Command c) { commands_.push_back(std::move(c)); }
    int dispatch(int argc, char** argv) const;

    // "z408ctl __complete WORD..." for the bash completion: the candidates, one a line, for the
    // last WORD (possibly empty) after the others.
    void complete(const Args& words, FILE* out) const;
    // "z408ctl __manual": the manual page, in roff, from the same help texts as --help.
    void printManual(FILE* out) const;

  private:
    void printUsage(FILE* out) const;
    // A first word that names no command: a group's subcommands, or the nearest commands.
    int unknownCommand(const Args& args) const;
    std::vector<Command> commands_;
};

// The JSON OUTPUT section of the manual page: every read command's keys and their meaning.
void printJsonManual(FILE* out);

// Notices go to stderr; questions are answered with Cancel, so nothing destructive happens
// without an explicit command for it.
// The file messages' texts come from the English language file beside the program when it has
// them, else from built-in English.
class TerminalNotices : public UserNotices {
  public:
    bool show(const Notice& notice) override;
    std::string text(std::string_view key) const override;
    bool chinese() const override { return false; }

  private:
    mutable bool languageLoaded_ = false;
    mutable std::string messages_[3];  // str_msg2, str_msg4, str_msg5
};

// A tiny option scanner: flags with and without values, and positional arguments.
class ArgScanner {
  public:
    explicit ArgScanner(const Args& args) : args_(args) {}
    // True when --name is present (and removes it).
    bool flag(std::string_view name);
    // The value of --name VALUE or --name=VALUE; nullopt when absent, error when the value is
    // missing.
    bool value(std::string_view name, std::string& out);
    // What remains: positional arguments; an unknown --option is an error.
    bool positionals(std::vector<std::string>& out, std::string& error) const;
    const std::string& error() const { return error_; }

  private:
    Args args_;
    std::vector<bool> used_ = std::vector<bool>(args_.size(), false);
    std::string error_;
};

// --data-dir DIR, when given.
std::optional<std::string> dataDirOption(ArgScanner& scan);
// The folder --data-dir named, else the default data folder.
std::filesystem::path dataFolder(const std::optional<std::string>& given);
// --profile N: `number` set to N (1 to 5) when given, left as it is when absent. False with a
// message naming `command` (and `code` set) when N is no profile number.
bool profileOption(ArgScanner& scan, std::string_view command, int& number, int& code);

// Prints "z408ctl NAME: message" to stderr and returns the code.
int fail(std::string_view command, std::string_view message, int code);

// Takes the writers lock of the data folder `dir` (set up already) before a change is read and
// written, waiting a while for another writer. False with a message naming `command` (and
// `code` set) when another writer holds on.
bool lockDataFolder(std::string_view command, const std::filesystem::path& dir,
                    DataFolderLock& lock, int& code);

// The Apply button: profile `profileNumber` (1..5; 0 the active one) of the data directory `dir`
// written into the mouse, the pointer settings applied unless `noPointer`, and the profile and
// table saved. Messages name `command`.
int applyProfile(std::string_view command, const std::filesystem::path& dir, int profileNumber,
                 bool noPointer);

// Reads a profile file the way the program does (up to the record's size, magic required);
// a message naming `command` and kExitBadInput when it is none.
int readProfileFile(std::string_view command, const std::string& path, ProfileSettings& out);

// The data folder (--data-dir's, else the default one) when it exists; otherwise a message
// naming it, and kExitBadInput in `code`. The read commands use it: they never set a folder up.
std::optional<std::filesystem::path> existingDataFolder(std::string_view command,
                                                        const std::optional<std::string>& given,
                                                        int& code);

// A profile of the data folder as it is on disk, read without writing anything.
struct StoredProfile {
    ProfileTable table;
    int entry = 0;  // 0..4
    std::filesystem::path path;
    ProfileSettings profile;
    MacroIdList macroIds{};
};
// Profile `profileNumber` (1..5; 0 the active one, as the program finds it at start). A
// missing or invalid profile file is an error naming it.
bool readStoredProfile(std::string_view command, const std::filesystem::path& dir,
                       int profileNumber, StoredProfile& out, int& code);

// True while the window of this user runs (it holds its single-instance lock). The window keeps
// the macros and profiles in memory and rewrites their files whole, so a change made under it
// would be lost at its next save.
bool windowIsRunning();
// The refusal of a command that would change files under the running window; nothing while the
// window does not run or when `force` is set.
std::optional<int> refuseWhileWindowRuns(std::string_view command, bool force);

// The options a synopsis names: "[--preset N | --into ID|NAME]" gives --preset and --into.
std::vector<std::string> synopsisOptions(std::string_view synopsis);

// The words of a command's name: "macro show" gives macro and show.
std::vector<std::string> commandWords(std::string_view name);

// Candidates for completions: the function catalogue's names, and the macros' names and ids
// of the data folder (--data-dir among `args`, else the default one).
std::vector<std::string> macroCandidates(const Args& args);

void registerProfileCommands(CommandRegistry& registry);
void registerProfileEditCommands(CommandRegistry& registry);
void registerMacroCommands(CommandRegistry& registry);
void registerDeviceCommands(CommandRegistry& registry);
void registerLangCommands(CommandRegistry& registry);
void registerWatchCommands(CommandRegistry& registry);
void registerPointerCommands(CommandRegistry& registry);
void registerStatsCommands(CommandRegistry& registry);
void registerBackupCommands(CommandRegistry& registry);
void registerAutostartCommands(CommandRegistry& registry);

}  // namespace z408::cli
