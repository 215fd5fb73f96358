// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Encoding names and the conversion of 8-bit text to UTF-16. Names map to Windows code-page
// numbers, which are what XML declarations of the program's data files have always meant; the
// conversion itself goes through iconv.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "common/text.h"  // appendUtf8AsUtf16

namespace z408 {

inline constexpr int kCodePageAnsi = 0;  // the locale's character set
inline constexpr int kCodePageUtf8 = 65001;
inline constexpr int kCodePageUtf32 = 12000;

// The code page of an encoding name (case-insensitive for A-Z); kCodePageAnsi when unknown.
int codePageFromName(std::u16string_view name);

// The iconv name of a code page, or nullptr when this system cannot convert it.
const char* iconvNameOfCodePage(int codePage);

// The character set of the user's locale (LANG/LC_ALL), e.g. "UTF-8" or "ANSI_X3.4-1968".
std::string localeCharset();

// True when every high-bit byte starts or continues a sequence of the expected length.
bool passesUtf8Test(std::span<const uint8_t> bytes);

// Appends the UTF-16 form of bytes in the code page. Code pages without a converter are read in
// the locale's character set; bytes that do not convert become U+FFFD.
void appendCodePageAsUtf16(std::span<const uint8_t> bytes, int codePage, std::u16string& out);

}  // namespace z408
