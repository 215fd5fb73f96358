// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// z408ctl lang ...: checking a language file the way the program reads it.
#include <cstdio>
#include <string>

#include "cli/cli.h"
#include "common/text.h"
#include "formats/xml_document.h"
#include "i18n/language_file.h"
#include "i18n/language_strings.h"

namespace z408::cli {
namespace {

// Backslash, tab, CR and LF escaped so that each key stays on one line.
std::string escaped(std::u16string_view text) {
    std::string out;
    for (const char c : utf16ToUtf8(text)) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out.push_back(c);
        }
    }
    return out;
}

// Line and column (both from 1, columns in characters) of a UTF-16 offset.
std::pair<size_t, size_t> lineAndColumn(std::u16string_view text, size_t offset) {
    size_t line = 1;
    size_t lineStart = 0;
    for (size_t i = 0; i < offset && i < text.size(); ++i)
        if (text[i] == u'\n') ++line, lineStart = i + 1;
    size_t column = 1;
    for (size_t i = lineStart; i < offset && i < text.size(); ++i)
        if (text[i] < 0xDC00 || text[i] > 0xDFFF) ++column;  // a surrogate pair is one character
    return {line, column};
}

int runCheck(const Args& args) {
    ArgScanner scan(args);
    std::vector<std::string> files;
    std::string error;
    if (!scan.positionals(files, error)) return fail("lang check", error, kExitBadInput);
    if (files.size() != 1) return fail("lang check", "needs exactly one FILE", kExitBadInput);
    const std::string& file = files[0];

    XmlDocument document;
    LanguageStrings strings;
    const bool wellFormed = LoadLanguage(document, strings, file);

    std::printf("result: %s\n", utf16ToUtf8(document.ResultText()).c_str());
    for (size_t i = 0; i < kLanguageKeyCount; ++i)
        std::printf("%s\t%s\n", languageKeyName(i).c_str(), escaped(strings.text(i)).c_str());
    std::printf("keys: %zu/%zu\n", strings.filledCount(), kLanguageKeyCount);

    if (!document.WasRead()) {
        return fail("lang check", "cannot read " + file + ": " + utf16ToUtf8(document.ResultText()),
                    kExitBadInput);
    }
    // Where to look, for the translator's editor.
    if (document.ErrorOffset() >= 0) {
        const auto [line, column] =
            lineAndColumn(document.Text(), static_cast<size_t>(document.ErrorOffset()));
        std::fprintf(stderr, "%s:%zu:%zu: first error is here\n", file.c_str(), line, column);
    }
    // A few gaps are named; many mean the file's layout is wrong, not its texts.
    const size_t missing = kLanguageKeyCount - strings.filledCount();
    if (missing > 0 && missing <= 10) {
        for (size_t i = 0; i < kLanguageKeyCount; ++i)
            if (strings.text(i).empty())
                std::fprintf(stderr, "%s: no text for %s\n", file.c_str(),
                             languageKeyName(i).c_str());
    } else if (missing == kLanguageKeyCount) {
        std::fprintf(stderr,
                     "%s: no key has a text; the keys belong in a \"config\" element directly "
                     "inside the root element\n",
                     file.c_str());
    } else if (missing > 10) {
        std::fprintf(stderr, "%s: %zu keys have no text\n", file.c_str(), missing);
    }
    return wellFormed ? kExitOk : kExitFailed;
}

}  // namespace

void registerLangCommands(CommandRegistry& registry) {
    registry.add(
        {"lang check", "FILE", "check a language file and print its texts",
         "Loads FILE as the program loads a language file and prints, in order:\n"
         "  result: the reader's summary and its first error\n"
         "  KEY<TAB>TEXT for each of the 114 keys (\\\\, \\t, \\r, \\n escaped)\n"
         "  keys: N/114, N counting the keys with a text\n"
         "On stderr: the line and column of the first error, and which keys have no text.\n"
         "Exit 0 for a well-formed file, 1 when it loaded with errors, 2 when it\n"
         "could not be read.",
         runCheck});
}

}  // namespace z408::cli
