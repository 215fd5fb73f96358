// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The interface language of the running program: the texts, the flag that picks the built-in
// Chinese or English texts, the layout flag of the installation, and the switch between
// languages. The window owns one of these and acts on what ApplyLanguage returns.
#include <atomic>
#include <cstdint>
#include <filesystem>

#include "common/user_notices.h"
#include "formats/xml_document.h"
#include "i18n/language_strings.h"
#include "i18n/languages.h"

namespace z408 {

// Where a language choice comes from: the saved choice applied at start-up, or the popup.
enum class LanguageRequest { AtStartup, FromPopup };

struct LanguageSwitch {
    bool handled = false;          // false: the message changed nothing
    int indicatorResource = 0;     // non-zero: show this bitmap as the language flag
    bool refreshTooltips = false;  // set every widget's tooltip again from the texts
    bool closePopup = false;  // ask the language popup to close (if it still exists) and forget it
};

class LanguageContext {
  public:
    LanguageContext(std::filesystem::path programDirectory, std::filesystem::path dataDirectory)
        : programDirectory_(std::move(programDirectory)),
          dataDirectory_(std::move(dataDirectory)) {}

    const LanguageStrings& strings() const { return strings_; }
    // The document the language files are read into (also usable for other lookups on the
    // window's thread).
    XmlDocument& document() { return document_; }

    // 1 while Simplified Chinese is the active language. Read by worker threads.
    int ChineseTextFlag() const { return chineseText_.load(std::memory_order_relaxed); }
    // 1 when the installation language is Simplified Chinese; fixed after start-up.
    int ChineseLayoutFlag() const { return chineseLayout_; }
    // The id (1..12) of the language whose texts are loaded. Read by worker threads.
    int32_t languageId() const { return languageId_.load(std::memory_order_relaxed); }

    // Loads a language file from the program directory ("Language/sc.xml").
    bool LoadLanguageFile(std::string_view relativePath);

    // Start-up: the installation language from skins/languagetype.ini sets both flags and loads
    // Chinese or English. Returns the indicator bitmap to show.
    int ApplyInstallationLanguage();

    // Switches to the language `languageId` (0: none chosen). A choice from the popup counts
    // only while the popup is still open.
    LanguageSwitch ApplyLanguage(LanguageRequest request, int32_t languageId, bool popupOpen,
                                 UserNotices& notices);

  private:
    std::filesystem::path programDirectory_;
    std::filesystem::path dataDirectory_;
    LanguageStrings strings_;
    XmlDocument document_;
    std::atomic<int> chineseText_{0};
    std::atomic<int32_t> languageId_{kLanguageEnglish};
    int chineseLayout_ = 0;
};

}  // namespace z408
