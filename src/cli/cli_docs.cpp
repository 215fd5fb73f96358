// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The two views of the command table besides --help: shell completion (asked at completion time,
// so it always knows the commands, options and macros there are) and the manual page (generated
// at build time, so it never drifts from --help).
#include <algorithm>
#include <cstdio>
#include <memory>

#include "cli/cli.h"
#include "cli/profile_edit.h"
#include "common/directories.h"
#include "common/program_version.h"
#include "common/text.h"
#include "config/seeding.h"
#include "macros/macro_store.h"

namespace z408::cli {
namespace {

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// The options a synopsis names: "[--preset N | --into ID|NAME]" gives --preset and --into.
std::vector<std::string> optionsOf(std::string_view synopsis) {
    std::vector<std::string> out;
    for (size_t p = synopsis.find("--"); p != std::string_view::npos; p = synopsis.find("--", p)) {
        size_t q = p;
        while (q < synopsis.size() && synopsis[q] != ' ' && synopsis[q] != ']' &&
               synopsis[q] != '=')
            ++q;
        out.emplace_back(synopsis.substr(p, q - p));
        p = q;
    }
    return out;
}

// An option whose synopsis shows a value after it ("--data-dir DIR", not "--force").
bool takesValue(std::string_view synopsis, std::string_view option) {
    const size_t p = synopsis.find(std::string(option) + " ");
    if (p == std::string_view::npos) return false;
    const size_t v = p + option.size() + 1;
    return v < synopsis.size() && synopsis[v] >= 'A' && synopsis[v] <= 'Z';
}

// Whether the arguments of a synopsis ("FILE [--chinese]", "ID|NAME [FILE]") name a file or a
// folder outside its options.
bool positionalsTakeFiles(std::string_view synopsis) {
    for (const std::string_view word : {"FILE", "DIR", "PATH"}) {
        for (size_t p = synopsis.find(word); p != std::string_view::npos;
             p = synopsis.find(word, p + 1)) {
            // "--file FILE" is the option's value, not a positional.
            const std::string_view before = synopsis.substr(0, p);
            const size_t space = before.find_last_not_of(' ');
            const size_t start = before.find_last_of(" [", space);
            const std::string_view prev =
                space == std::string_view::npos
                    ? std::string_view()
                    : before.substr(start == std::string_view::npos ? 0 : start + 1,
                                    space - (start == std::string_view::npos ? 0 : start + 1) + 1);
            if (!startsWith(prev, "--")) return true;
        }
    }
    return false;
}

std::string roff(std::string_view text) {
    std::string out;
    bool lineStart = true;
    for (const char c : text) {
        if (lineStart && (c == '.' || c == '\'')) out += "\\&";
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
        lineStart = c == '\n';
    }
    return out;
}

}  // namespace

std::vector<std::string> synopsisOptions(std::string_view synopsis) {
    return optionsOf(synopsis);
}

std::vector<std::string> commandWords(std::string_view name) {
    std::vector<std::string> words;
    for (size_t p = 0, q; p <= name.size(); p = q + 1) {
        q = name.find(' ', p);
        if (q == std::string_view::npos) q = name.size();
        words.emplace_back(name.substr(p, q - p));
    }
    return words;
}

std::vector<std::string> macroCandidates(const Args& args) {
    std::filesystem::path dir = dataDirectory();
    for (size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "--data-dir") dir = args[i + 1];
    // Completion never creates or reports anything: only an existing library is read.
    auto library = std::make_unique<MacroLibrary>();
    if (!readMacroLibraryFile(dir, *library)) return {};
    std::vector<std::string> out;
    for (size_t i = 0; i < library->size(); ++i) {
        const MacroEntry& m = library->slot(i);
        if (!m.isListed()) continue;
        char id[16];
        std::snprintf(id, sizeof id, "0x%08X", static_cast<unsigned>(m.id()));
        out.emplace_back(id);
        const std::u16string name = m.name();
        bool printable = !name.empty();
        for (const char16_t c : name) printable = printable && c >= 0x20 && c != 0x7F;
        if (printable) out.push_back(utf16ToUtf8(name));
    }
    return out;
}

void CommandRegistry::complete(const Args& words, FILE* out) const {
    const std::string current = words.empty() ? std::string() : words.back();
    const Args before = words.empty() ? Args() : Args(words.begin(), words.end() - 1);
    std::vector<std::string> candidates;
    bool filesToo = false;
    // The command the words so far name, the longest that matches.
    const Command* command = nullptr;
    size_t commandWordCount = 0;
    for (const Command& c : commands_) {
        const auto cw = commandWords(c.name);
        if (cw.size() <= before.size() && cw.size() > commandWordCount &&
            std::equal(cw.begin(), cw.end(), before.begin()))
            command = &c, commandWordCount = cw.size();
    }
    if (!command) {
        // Still naming the command: the next word of every command that fits the words so far.
        for (const Command& c : commands_) {
            const auto cw = commandWords(c.name);
            if (cw.size() > before.size() && std::equal(before.begin(), before.end(), cw.begin()))
                candidates.push_back(cw[before.size()]);
        }
    } else {
        const Args given(before.begin() + static_cast<std::ptrdiff_t>(commandWordCount),
                         before.end());
        const bool afterValueOption = !given.empty() && startsWith(given.back(), "--") &&
                                      takesValue(command->synopsis, given.back());
        if (afterValueOption) {
            if (given.back() == "--preset")
                for (int p = 1; p <= 21; ++p) candidates.push_back(std::to_string(p));
            else if (given.back() == "--into")
                candidates = macroCandidates(given);
            else if (given.back() == "--source")
                candidates = {"x11", "evdev"};
            else if (given.back() == "--intercept")
                candidates = {"left",    "right",    "middle",    "back",
                              "forward", "wheel-up", "wheel-down"};
            else if (given.back() == "--profile")
                candidates = {"1", "2", "3", "4", "5"};
            else if (given.back() != "--host")
                filesToo = true;  // a FILE, a DIR: the shell's to complete
        } else if (startsWith(current, "-")) {
            candidates = optionsOf(command->synopsis);
            candidates.emplace_back("--help");
        } else if (command->complete) {
            candidates = command->complete(given);
        } else {
            // Files only where the command takes one; nothing after "profile select".
            filesToo = positionalsTakeFiles(command->synopsis);
        }
    }
    // The shell's completion adds files and folders where this line stands first.
    if (filesToo || (!candidates.empty() && candidates.front() == kFilesMarker))
        std::fprintf(out, "%s\n", kFilesMarker);
    std::vector<std::string> printed;
    for (const std::string& c : candidates) {
        if (c == kFilesMarker || !startsWith(c, current)) continue;
        if (std::find(printed.begin(), printed.end(), c) != printed.end()) continue;
        printed.push_back(c);
        std::fprintf(out, "%s\n", c.c_str());
    }
}

void CommandRegistry::printManual(FILE* out) const {
    // The header names the release, so that a reader can tell which program the page describes.
    std::fprintf(out, ".TH Z408CTL 1 \"%s\" \"z408ctl %s\" \"User Commands\"\n.ad l\n",
                 kProgramReleaseDate, kProgramVersion);
    std::fprintf(
        out,
        ".SH NAME\nz408ctl \\- configure and inspect the Z408 gaming mouse and its files\n"
        ".SH SYNOPSIS\n.B z408ctl\n.I COMMAND\n[\\fIARGS\\fR]\n"
        ".SH DESCRIPTION\n"
        "z408ctl does from a terminal what the z408 window does: it reads and changes the\n"
        "profiles, macros and other files of the data folder and talks to the mouse.\n"
        "Every command takes \\fB\\-\\-help\\fR.\n"
        ".SH COMMANDS\n");
    for (const Command& c : commands_) {
        std::fprintf(out, ".SS \"%s\"\n.B z408ctl %s\n%s\n.PP\n%s.\n", roff(c.name).c_str(),
                     roff(c.name).c_str(), roff(c.synopsis).c_str(), roff(c.summary).c_str());
        // The help keeps its lines: some of them are small tables.
        if (!c.help.empty()) std::fprintf(out, ".PP\n.nf\n%s\n.fi\n", roff(c.help).c_str());
    }
    printJsonManual(out);
    std::fprintf(
        out,
        ".SH EXIT STATUS\n0 success, 1 the operation failed, 2 bad usage or an unreadable or\n"
        "invalid input (no file is changed then).\n"
        ".SH FILES\n.TP\n.I ~/.local/share/TARVO/Z408\n"
        "The data folder (under \\fB$XDG_DATA_HOME\\fR when set): Profile/, Macro.cfg, Sts.cfg,\n"
        "Language.cfg.\n"
        ".TP\n.I ~/.config/z408/z408.ini\n"
        "The person's own program settings (under \\fB$XDG_CONFIG_HOME\\fR when set); without it\n"
        "\\fI/etc/z408/z408.ini\\fR is read.\n"
        ".SH ENVIRONMENT\n.TP\n.B Z408_SIMULATED_MOUSE\n"
        "A file that stands in for the mouse (see the README).\n"
        ".SH SEE ALSO\n.BR z408 (1)\n");
}

}  // namespace z408::cli
