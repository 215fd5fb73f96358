// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Language files: an XML document whose root (any name) holds a "config" element with one
// element per key, each found as LookUpText (formats/xml_document.h) finds it.
#include <filesystem>
#include <string>
#include <string_view>

#include "formats/xml_document.h"
#include "i18n/language_strings.h"

namespace z408 {

// Sets all 114 texts from the document's "config" section, each the text LookUpText finds for
// it, in one walk over the section (and the sections nested in it) instead of a search per key.
// Moves the document's position.
void ReadLanguageTexts(XmlDocument& document, LanguageStrings& strings);

// Loads the file into `document` and sets all 114 texts from its "config" section, in key order.
// A missing file empties every text. Returns Load's well-formed flag (callers may ignore it).
bool LoadLanguage(XmlDocument& document, LanguageStrings& strings,
                  const std::filesystem::path& path);

}  // namespace z408
