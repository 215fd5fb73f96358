// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "i18n/language_file.h"

#include <array>
#include <optional>

namespace z408 {

void ReadLanguageTexts(XmlDocument& document, LanguageStrings& strings) {
    std::array<bool, kLanguageKeyCount> found{};
    std::array<std::u16string, kLanguageKeyCount> texts;
    size_t left = kLanguageKeyCount;
    const ElementIndex& index = document.Elements();
    // The sections LookUpText walks: the root's first "config", that one's first "config", ...
    // A key takes its first element in the first section that has one.
    document.ResetPosition();
    while (left > 0 && document.FindChildElement(u"config")) {
        document.EnterElement();
        for (uint32_t e = index[document.CurrentPosition()].firstChild; e != 0;
             e = index[e].nextSibling) {
            const std::optional<size_t> key = languageKeyIndex(document.ElementName(e));
            if (!key || found[*key]) continue;
            found[*key] = true;
            texts[*key] = document.ElementText(e);
            --left;
        }
    }
    for (size_t i = 0; i < kLanguageKeyCount; ++i) strings.set(i, std::move(texts[i]));
}

bool LoadLanguage(XmlDocument& document, LanguageStrings& strings,
                  const std::filesystem::path& path) {
    const bool wellFormed = document.Load(path);
    ReadLanguageTexts(document, strings);
    return wellFormed;
}

}  // namespace z408
