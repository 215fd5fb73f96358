#pragma once
// Language files: an XML document whose root (any name) holds a "config" element with one
// element per key. The same lookup serves the update description's "firmware" section.
#include <filesystem>
#include <string>
#include <string_view>

#include "formats/xml_document.h"
#include "i18n/language_strings.h"

namespace z408 {

// The text of the first element named `key` in the first `section` child of the root; when the
// section lacks it, a `section` nested in the section is tried, and so on. Empty when not found.
// Moves the document's position.
std::u16string LookUpText(XmlDocument& document, std::u16string_view section,
                          std::u16string_view key);

// Sets all 114 texts from the document's "config" section, each the text LookUpText finds for
// it, in one walk over the section (and the sections nested in it) instead of a search per key.
// Moves the document's position.
void ReadLanguageTexts(XmlDocument& document, LanguageStrings& strings);

// Loads the file into `document` and sets all 114 texts from its "config" section, in key order.
// A missing file empties every text. Returns Load's well-formed flag (callers may ignore it).
bool LoadLanguage(XmlDocument& document, LanguageStrings& strings,
                  const std::filesystem::path& path);

}  // namespace z408
