// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "app/hint_texts.h"

#include "i18n/language_strings.h"

namespace z408 {

// Hint numbers name language keys in runs of the key table; only the support page's four texts
// come in another order than the table's.
std::u16string_view hintKey(int number) {
    int index = -1;
    if (number >= 1 && number <= 18) {
        index = number - 1;  // tabs, profiles, OK, main settings
    } else if (number >= 26 && number <= 56) {
        index = number + 20;  // lighting, macro page, statistics, str_update
    } else if (number >= 57 && number <= 60) {
        constexpr int kSupport[] = {79, 77, 78,
                                    80};  // tarvoWeb, importFile, exportFile, defaultname
        index = kSupport[number - 57];
    } else if (number >= 61 && number <= 90) {
        index = number + 23;  // areas of the pages, picker, versions
    }
    return index < 0 ? std::u16string_view{} : kLanguageKeys[static_cast<size_t>(index)];
}

}  // namespace z408
