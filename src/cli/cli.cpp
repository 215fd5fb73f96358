// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "cli/cli.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "cli/profile_edit.h"
#include "common/clock.h"
#include "common/directories.h"
#include "common/instance_link.h"
#include "common/program_version.h"
#include "common/text.h"
#include "i18n/language_file.h"
#include "i18n/languages.h"

namespace z408::cli {

int CommandRegistry::dispatch(int argc, char** argv) const {
    Args args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "__complete") {
        complete(Args(args.begin() + 1, args.end()), stdout);
        return kExitOk;
    }
    if (!args.empty() && args[0] == "__manual") {
        // The build writes the page to a file; by hand it goes to the terminal.
        if (args.size() < 2) {
            printManual(stdout);
            return kExitOk;
        }
        FILE* out = std::fopen(args[1].c_str(), "w");
        if (!out) return fail("__manual", args[1] + ": cannot be written", kExitFailed);
        printManual(out);
        return std::fclose(out) == 0 ? kExitOk : kExitFailed;
    }
    if (!args.empty() && (args[0] == "--version" || args[0] == "-V")) {
        std::printf("z408ctl %s\n", kProgramVersion);
        return kExitOk;
    }
    // "help COMMAND..." is "COMMAND... --help".
    if (!args.empty() && args[0] == "help" && args.size() > 1) {
        args.erase(args.begin());
        args.emplace_back("--help");
    }
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printUsage(args.empty() ? stderr : stdout);
        return args.empty() ? kExitBadInput : kExitOk;
    }
    // The longest command name that matches the first words wins.
    const Command* best = nullptr;
    size_t bestWords = 0;
    for (const auto& c : commands_) {
        const std::vector<std::string> words = commandWords(c.name);
        if (words.size() > args.size() || words.size() <= bestWords) continue;
        if (std::equal(words.begin(), words.end(), args.begin()))
            best = &c, bestWords = words.size();
    }
    if (!best) return unknownCommand(args);
    Args rest(args.begin() + static_cast<std::ptrdiff_t>(bestWords), args.end());
    for (const auto& a : rest) {
        if (a == "--help" || a == "-h") {
            std::printf("usage: z408ctl %s %s\n\n%s\n", best->name.c_str(), best->synopsis.c_str(),
                        best->summary.c_str());
            if (!best->help.empty()) std::printf("\n%s\n", best->help.c_str());
            return kExitOk;
        }
    }
    // A mistyped option that is near one of the command's: named, with the nearest.
    const std::vector<std::string> options = synopsisOptions(best->synopsis);
    for (const auto& a : rest) {
        if (a.size() < 3 || a.compare(0, 2, "--") != 0) continue;
        const std::string option = a.substr(0, a.find('='));
        if (std::find(options.begin(), options.end(), option) != options.end()) continue;
        const std::string hint = didYouMean(option, options);
        if (!hint.empty())
            return fail(best->name, "unknown option " + option + hint, kExitBadInput);
    }
    return best->run(rest);
}

int CommandRegistry::unknownCommand(const Args& args) const {
    // A group's first word ("profile"): its subcommands, with the nearest to a mistyped one.
    std::vector<const Command*> group;
    for (const auto& c : commands_) {
        const auto words = commandWords(c.name);
        if (words.size() > 1 && words[0] == args[0]) group.push_back(&c);
    }
    const bool help = std::any_of(args.begin(), args.end(),
                                  [](const std::string& a) { return a == "--help" || a == "-h"; });
    if (!group.empty()) {
        FILE* out = help ? stdout : stderr;
        if (args.size() > 1 && !help) {
            std::vector<std::string> names;
            for (const Command* c : group) names.push_back(commandWords(c->name)[1]);
            std::fprintf(stderr, "z408ctl: unknown command '%s %s'%s\n\n", args[0].c_str(),
                         args[1].c_str(), didYouMean(args[1], names).c_str());
        }
        std::fprintf(out, "usage: z408ctl %s SUBCOMMAND [ARGS]\n\nsubcommands:\n", args[0].c_str());
        for (const Command* c : group)
            std::fprintf(out, "  %-18s %s\n", c->name.c_str(), c->summary.c_str());
        std::fprintf(out, "\n'z408ctl %s SUBCOMMAND --help' tells more about one.\n",
                     args[0].c_str());
        return help ? kExitOk : kExitBadInput;
    }
    std::vector<std::string> names;
    for (const auto& c : commands_) {
        const auto words = commandWords(c.name);
        if (std::find(names.begin(), names.end(), words[0]) == names.end())
            names.push_back(words[0]);
    }
    std::fprintf(stderr, "z408ctl: unknown command '%s'%s\n'z408ctl --help' lists the commands.\n",
                 args[0].c_str(), didYouMean(args[0], names).c_str());
    return kExitBadInput;
}

void CommandRegistry::printUsage(FILE* out) const {
    std::fprintf(out,
                 "usage: z408ctl COMMAND [ARGS]\n\n"
                 "Configures and inspects the Z408 gaming mouse and its files.\n\ncommands:\n");
    for (const auto& c : commands_)
        std::fprintf(out, "  %-18s %s\n", c.name.c_str(), c.summary.c_str());
    std::fprintf(out,
                 "\n'z408ctl COMMAND --help' or 'z408ctl help COMMAND' tells more about a "
                 "command;\n'z408ctl --version' names the version.\n"
                 "Exit codes: 0 success, 1 the operation failed, 2 bad usage or input.\n");
}

bool TerminalNotices::show(const Notice& notice) {
    std::fprintf(stderr, "%s: %s\n", notice.caption.c_str(), notice.text.c_str());
    return !notice.withCancel;
}

std::string TerminalNotices::text(std::string_view key) const {
    static constexpr std::u16string_view kKeys[] = {u"str_msg2", u"str_msg4", u"str_msg5"};
    if (!languageLoaded_) {
        languageLoaded_ = true;
        XmlDocument document;
        const auto path = programDirectory() / languageById(kLanguageEnglish)->file;
        document.Load(path);
        for (size_t i = 0; i < std::size(kKeys); ++i)
            messages_[i] = utf16ToUtf8(LookUpText(document, u"config", kKeys[i]));
        // The path must appear in the message, or the user cannot tell which file failed.
        if (messages_[0].find("%s") == std::string::npos) messages_[0].clear();
    }
    const auto loaded = [&](size_t i) -> const std::string* {
        return messages_[i].empty() ? nullptr : &messages_[i];
    };
    // Built-in English when the language file lacks a text.
    if (key == "str_msg2") return loaded(0) ? *loaded(0) : "Failed to open %s.";
    if (key == "str_msg4")
        return loaded(1) ? *loaded(1) : "The file cannot be created: access is denied.";
    if (key == "str_msg5")
        return loaded(2) ? *loaded(2) : "The file cannot be written: access is denied.";
    return {};
}

bool ArgScanner::flag(std::string_view name) {
    bool found = false;
    for (size_t i = 0; i < args_.size(); ++i)
        if (!used_[i] && args_[i] == name) used_[i] = true, found = true;
    return found;
}

bool ArgScanner::value(std::string_view name, std::string& out) {
    for (size_t i = 0; i < args_.size(); ++i) {
        if (used_[i]) continue;
        const std::string& a = args_[i];
        if (a == name) {
            if (i + 1 >= args_.size()) {
                error_ = std::string(name) + " needs a value";
                used_[i] = true;
                return false;
            }
            used_[i] = used_[i + 1] = true;
            out = args_[i + 1];
            return true;
        }
        if (a.size() > name.size() && a.compare(0, name.size(), name) == 0 &&
            a[name.size()] == '=') {
            used_[i] = true;
            out = a.substr(name.size() + 1);
            return true;
        }
    }
    return false;
}

std::optional<std::string> dataDirOption(ArgScanner& scan) {
    std::string dir;
    if (!scan.value("--data-dir", dir)) return std::nullopt;
    return dir;
}

std::filesystem::path dataFolder(const std::optional<std::string>& given) {
    return given ? std::filesystem::path(*given) : dataDirectory();
}

bool profileOption(ArgScanner& scan, std::string_view command, int& number, int& code) {
    std::string text;
    if (!scan.value("--profile", text)) return true;
    if (text.size() != 1 || text[0] < '1' || text[0] > '5') {
        code = fail(command, "--profile takes a number from 1 to 5, not '" + text + "'",
                    kExitBadInput);
        return false;
    }
    number = text[0] - '0';
    return true;
}

namespace {
// "-1" is a value, not an option.
bool isNumber(std::string_view s) {
    return s.size() > 1 && s[0] == '-' &&
           std::all_of(s.begin() + 1, s.end(), [](char c) { return c >= '0' && c <= '9'; });
}
}  // namespace

bool ArgScanner::positionals(std::vector<std::string>& out, std::string& error) const {
    if (!error_.empty()) {
        error = error_;
        return false;
    }
    out.clear();
    for (size_t i = 0; i < args_.size(); ++i) {
        if (used_[i]) continue;
        if (args_[i].size() > 1 && args_[i][0] == '-' && !isNumber(args_[i])) {
            error = "unknown option " + args_[i];
            return false;
        }
        out.push_back(args_[i]);
    }
    return true;
}

int fail(std::string_view command, std::string_view message, int code) {
    std::fprintf(stderr, "z408ctl %.*s: %.*s\n", static_cast<int>(command.size()), command.data(),
                 static_cast<int>(message.size()), message.data());
    return code;
}

bool lockDataFolder(std::string_view command, const std::filesystem::path& dir,
                    DataFolderLock& lock, int& code) {
    // A folder where no lock can be made (read-only, missing) is left to the command, which
    // reports what it cannot read or write.
    if (!isBusy(lock.acquire(dir, SystemClock::instance()))) return true;
    code = fail(command,
                "another program is changing the files of " + dir.string() +
                    "; nothing was changed, try again",
                kExitFailed);
    return false;
}

bool windowIsRunning() {
    // The window holds an exclusive lock on this file beside its socket for as long as it runs.
    const std::string folder = instanceFolder(false);
    if (folder.empty()) return false;
    const std::string path = folder + "/" + kInstanceKey + ".lock";
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return false;
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

std::optional<int> refuseWhileWindowRuns(std::string_view command, bool force) {
    if (force || !windowIsRunning()) return std::nullopt;
    return fail(command,
                "the z408 window is running and keeps its own copy of these files, so the change "
                "would be lost; close it first (or add --force)",
                kExitFailed);
}

}  // namespace z408::cli
