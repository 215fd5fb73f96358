// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "macros/macro_text.h"

#include <cstdint>
#include <cstdio>

#include "common/text.h"
#include "functions/key_tables.h"

namespace z408 {
namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Digits only, saturating above `max` so that a long number still reads as out of range.
std::optional<uint64_t> decimal(std::string_view s) {
    if (s.empty() || s.size() > 20) return std::nullopt;
    uint64_t v = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        const auto digit = static_cast<uint64_t>(c - '0');
        // Twenty digits can pass 2^64: held at the top instead of wrapping to a small number.
        v = v > (UINT64_MAX - digit) / 10 ? UINT64_MAX : v * 10 + digit;
    }
    return v;
}

std::optional<uint32_t> hexCode(std::string_view s) {
    if (s.size() < 3 || s.size() > 8 || s[0] != '0' || (s[1] != 'x' && s[1] != 'X'))
        return std::nullopt;
    uint32_t v = 0;
    for (const char c : s.substr(2)) {
        const char l = lowerAscii(c);
        const int d = l >= '0' && l <= '9' ? l - '0' : l >= 'a' && l <= 'f' ? l - 'a' + 10 : -1;
        if (d < 0) return std::nullopt;
        v = v << 4 | static_cast<uint32_t>(d);
    }
    if (v == 0 || v > 0xFFFFFF) return std::nullopt;
    return v;
}

bool isControl(char16_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F);
}

// How a key is written: its name when the table names exactly this code, else the code.
std::string keyText(uint32_t code) {
    const std::string_view name = macroKeyName(code);
    if (!name.empty() && macroKeyCodeOfName(name) == code) return std::string(name);
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%X", static_cast<unsigned>(code));
    return buf;
}

}  // namespace

std::optional<uint32_t> macroKeyCodeOfName(std::string_view name) {
    if (const auto code = hexCode(name)) return code;
    const auto table = macroKeyNameTable();
    for (const auto& row : table)
        if (row.text == name) return row.key;
    for (const auto& row : table)
        if (equalIgnoringCase(row.text, name)) return row.key;
    return std::nullopt;
}

bool isBlankMacroName(std::u16string_view name) {
    for (const char16_t c : name)
        if (c != u' ' && c != u'\t' && c != u'\u00A0' && c != u'\u3000') return false;
    return true;
}

std::u16string uniqueMacroName(std::u16string_view base,
                               const std::function<bool(std::u16string_view)>& taken) {
    if (!taken(base)) return std::u16string(base);
    for (unsigned n = 2;; ++n) {
        // Appended, not built with operator+: GCC 12 at -O3 reports a false -Wrestrict there.
        std::string digits = " ";
        digits += std::to_string(n);
        const std::u16string suffix = utf8ToUtf16(digits);
        const size_t room =
            kMacroNameMaxChars > suffix.size() ? kMacroNameMaxChars - suffix.size() : 0;
        std::u16string name(base.substr(0, room));
        name += suffix;
        if (!taken(name)) return name;
    }
}

std::optional<std::string> macroNameProblem(std::u16string_view name) {
    if (name.empty()) return "the name is empty";
    if (isBlankMacroName(name)) return "the name is only spaces";
    if (name.size() > kMacroNameMaxChars)
        return "the name is longer than " + std::to_string(kMacroNameMaxChars) + " characters";
    for (const char16_t c : name)
        if (isControl(c)) return std::string("the name holds a control character");
    return std::nullopt;
}

std::optional<MacroText> parseMacroText(std::string_view text, MacroTextError& error) {
    const auto failAt = [&](size_t line, std::string message) -> std::optional<MacroText> {
        error = {line, std::move(message)};
        return std::nullopt;
    };
    if (text.size() > kMacroTextMaxBytes)
        return failAt(0,
                      "the text is larger than " + std::to_string(kMacroTextMaxBytes) + " bytes");
    if (text.find('\0') != std::string_view::npos) return failAt(0, "the text is not text (NUL)");
    if (utf16ToUtf8(utf8ToUtf16(text)) != text) return failAt(0, "the text is not UTF-8");

    MacroText out;
    std::vector<size_t> rowLines;  // the line of each row, for naming a press never released
    bool loopSeen = false;
    size_t lineNo = 0;
    for (size_t p = 0; p < text.size();) {
        size_t q = text.find('\n', p);
        if (q == std::string_view::npos) q = text.size();
        const std::string_view raw = text.substr(p, q - p);
        p = q + 1;
        ++lineNo;
        if (raw.size() > kMacroTextMaxLineBytes)
            return failAt(lineNo, "the line is longer than " +
                                      std::to_string(kMacroTextMaxLineBytes) + " bytes");
        const std::string_view line = trim(raw);
        if (line.empty() || line.front() == '#') continue;
        const size_t gap = line.find_first_of(" \t");
        const std::string_view word = line.substr(0, gap);
        const std::string_view arg =
            gap == std::string_view::npos ? std::string_view{} : trim(line.substr(gap));
        // Appended, not built with operator+: GCC 12 at -O3 reports a false -Wrestrict there.
        const std::string quoted = std::string("'").append(arg).append("'");

        if (word == "down" || word == "up") {
            if (arg.empty())
                return failAt(lineNo, word == "up" ? "up needs a key" : "down needs a key");
            const auto code = macroKeyCodeOfName(arg);
            if (!code) return failAt(lineNo, "unknown key " + quoted);
            out.rows.push_back(
                keyRow(word == "down" ? EventRowType::KeyDown : EventRowType::KeyUp, *code));
            rowLines.push_back(lineNo);
        } else if (word == "delay") {
            const auto ms = decimal(arg);
            if (!ms) return failAt(lineNo, "delay needs milliseconds, not " + quoted);
            if (*ms > kMaxDelayMs)
                return failAt(lineNo, "delay " + std::string(arg) + " is above " +
                                          std::to_string(kMaxDelayMs) + " ms");
            out.rows.push_back(delayRow(*ms));
            rowLines.push_back(lineNo);
        } else if (word == "loop") {
            if (loopSeen) return failAt(lineNo, "a second loop line");
            const auto n = decimal(arg);
            if (!n || *n < 1 || *n > kMaxLoopCount)
                return failAt(
                    lineNo, "loop takes 1 to " + std::to_string(kMaxLoopCount) + ", not " + quoted);
            out.loopCount = static_cast<uint32_t>(*n);
            loopSeen = true;
        } else if (word == "name") {
            if (out.name) return failAt(lineNo, "a second name line");
            std::u16string name = utf8ToUtf16(arg);
            if (const auto problem = macroNameProblem(name)) return failAt(lineNo, *problem);
            out.name = std::move(name);
        } else {
            return failAt(lineNo, "unknown word '" + std::string(word) +
                                      "' (expected down, up, delay, loop or name)");
        }
    }
    if (out.rows.empty()) return failAt(0, "the text has no events");
    bool anyKey = false;
    for (const EventRow& row : out.rows) anyKey = anyKey || row.isKey();
    if (!anyKey) return failAt(0, "the text has only delays (a macro starts with a key)");
    // A key left down would stay pressed in the mouse: the text must release what it presses
    // (a lone press is the mouse's single-key form and stays as it is).
    std::vector<EventRow> released = out.rows;
    if (releaseHeldKeys(released) != 0) {
        const uint32_t key = released.back().value();
        size_t line = 0;
        for (size_t i = 0; i < out.rows.size(); ++i)
            if (out.rows[i].type() == EventRowType::KeyDown && out.rows[i].value() == key)
                line = rowLines[i];
        return failAt(
            line, "down " + keyText(key) + " is never released (add 'up " + keyText(key) + "')");
    }
    return out;
}

BuiltMacro buildMacroFromText(const MacroText& text, uint32_t id, std::u16string_view name) {
    std::vector<EventRow> rows = text.rows;
    const size_t before = rows.size();
    mergeAdjacentDelays(rows);
    return buildMacroEntry(rows, before, std::to_string(text.loopCount), id, name);
}

std::string macroToText(const MacroEntry& macro, bool* complete) {
    std::string out;
    const std::u16string name = macro.name();
    bool printable = true;
    for (const char16_t c : name) printable = printable && !isControl(c);
    // A name import would refuse stays a comment, so that every text written here imports again
    // (a slot holds 39 units, the page and import take 20).
    const bool fits = name.size() <= kMacroNameMaxChars;
    if (!name.empty() && printable && fits) out += "name " + utf16ToUtf8(name) + "\n";
    if (!printable)
        out += "# the name holds control characters and is left out\n";
    else if (!fits)
        out += "# the name is longer than " + std::to_string(kMacroNameMaxChars) +
               " characters and is left out: " + utf16ToUtf8(name) + "\n";
    out += "loop " + std::to_string(loopCountOfText(loopTextOfMacro(macro))) + "\n";
    const LoadedRows loaded = rowsOfMacro(macro);
    bool leftOut = false;
    for (const EventRow& row : loaded.rows) {
        // Code 0 names no key: import would refuse the line, so it stays a comment.
        if (row.isKey() && row.value() == 0) {
            out += "# a key event without a key (code 0) is left out\n";
            leftOut = true;
            continue;
        }
        switch (row.type()) {
            case EventRowType::KeyDown:
                out += "down " + keyText(row.value()) + "\n";
                break;
            case EventRowType::KeyUp:
                out += "up " + keyText(row.value()) + "\n";
                break;
            case EventRowType::Delay:
                out += "delay " + std::to_string(row.value()) + "\n";
                break;
        }
    }
    if (!loaded.valid) out += "# stopped at an event of an unknown kind\n";
    if (complete) *complete = loaded.valid && !leftOut;
    return out;
}

}  // namespace z408
