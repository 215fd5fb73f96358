// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Text conversions. The program's texts are UTF-8 std::string; records keep UTF-16LE fields of a
// fixed number of units, which are bounded and terminated on every read.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace z408 {

// Invalid sequences and lone surrogates become U+FFFD, one for each byte that starts none.
std::u16string utf8ToUtf16(std::string_view s);
void appendUtf8AsUtf16(std::span<const uint8_t> bytes, std::u16string& out);
std::string utf16ToUtf8(std::u16string_view s);
std::string codepointToUtf8(char32_t c);

// Reads a zero-terminated UTF-16LE field of `units` code units at `off`. A field without a
// terminator yields its first units-1 code units, as if the last unit were the terminator.
std::u16string readUtf16Field(std::span<const uint8_t> image, size_t off, size_t units);

// Writes at most units-1 code units and the terminator; the rest of the field is zeroed.
// Returns false when the text had to be cut.
bool writeUtf16Field(std::span<uint8_t> image, size_t off, size_t units, std::u16string_view text);

// printf-style "%s" substitution for the program's message formats: every "%s" takes the next
// argument in turn, "%%" is a percent sign; nothing else is interpreted.
std::string formatText(std::string_view format, std::initializer_list<std::string_view> args);

// Whether `needle` occurs in `text`, ASCII letters compared without case (device paths and
// hardware ids spell their hex digits either way). An empty needle is always found.
bool containsNoCase(std::string_view text, std::string_view needle);

// Text from a file or a server made safe to print on a terminal: control characters (C0, DEL,
// C1) and the bidirectional overrides become \xHH or \uHHHH, invalid UTF-8 becomes U+FFFD, so
// no escape sequence of the text reaches the terminal.
std::string terminalSafe(std::string_view utf8);
std::string terminalSafe(std::u16string_view text);

}  // namespace z408
