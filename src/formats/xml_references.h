// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Character and entity references in element text.
#include <string>
#include <string_view>

namespace z408 {

// Appends text with every "&name;", "&#N;" and "&#xH;" it recognises replaced by its character;
// anything it does not recognise (unknown names, a bare "&", no ";" within 9 characters, a
// value of 0) is copied as written.
void appendDecodedReferences(std::u16string_view text, std::u16string& out);

// The character of a named entity ("amp", "Agrave", also "AMP"); 0 when the name is unknown.
char16_t namedEntityValue(std::u16string_view name);

}  // namespace z408
