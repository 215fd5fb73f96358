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

// wParam of WM_LANGUAGE_SELECT when the main window posts the saved choice to itself.
inline constexpr uintptr_t kLanguageSelectAtStartup = 272;

struct LanguageSwitch {
    bool handled = false;          // false: the message changed nothing
    int indicatorResource = 0;     // non-zero: show this bitmap in control 1010
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

    // WM_LANGUAGE_SELECT. lParam is the LanguageId (0: the popup closed without a choice);
    // wParam is kLanguageSelectAtStartup or 0 from the popup.
    LanguageSwitch ApplyLanguage(uintptr_t wParam, intptr_t lParam, bool popupOpen,
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
