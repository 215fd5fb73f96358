// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "i18n/language_context.h"

#include "i18n/language_choice.h"
#include "i18n/language_file.h"
#include "i18n/languages.h"

namespace z408 {

bool LanguageContext::LoadLanguageFile(std::string_view relativePath) {
    return LoadLanguage(document_, strings_, programDirectory_ / relativePath);
}

int LanguageContext::ApplyInstallationLanguage() {
    const bool chinese = ReadLanguageType(programDirectory_) == 1;
    chineseText_ = chinese ? 1 : 0;
    chineseLayout_ = chinese ? 1 : 0;
    const LanguageInfo& lang =
        *languageById(chinese ? kLanguageSimplifiedChinese : kLanguageEnglish);
    LoadLanguageFile(lang.file);
    languageId_ = lang.id;
    return lang.indicatorResource;
}

LanguageSwitch LanguageContext::ApplyLanguage(LanguageRequest request, int32_t languageId,
                                              bool popupOpen, UserNotices& notices) {
    LanguageSwitch result;
    const bool atStartup = request == LanguageRequest::AtStartup;
    if (languageId == 0 || (!popupOpen && !atStartup)) return result;
    result.handled = true;
    chineseText_ = 0;
    if (const LanguageInfo* lang = languageById(languageId)) {
        if (lang->chineseText) chineseText_ = 1;
        LoadLanguageFile(lang->file);
        languageId_ = lang->id;
        result.indicatorResource = lang->indicatorResource;
    }
    // Written back as received, so what the user chose last is what the next start applies.
    SaveLanguageChoice(dataDirectory_, languageId, notices);
    result.refreshTooltips = true;
    result.closePopup = !atStartup;
    return result;
}

}  // namespace z408
