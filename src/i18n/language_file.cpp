#include "i18n/language_file.h"

namespace z408 {

std::u16string LookUpText(XmlDocument& document, std::u16string_view section,
                          std::u16string_view key) {
    document.ResetPosition();
    // Each round enters one more level of nested sections; the loop ends at the innermost one.
    while (document.FindChildElement(section)) {
        document.EnterElement();
        if (document.FindChildElement(key)) return document.ChildText();
    }
    return {};
}

bool LoadLanguage(XmlDocument& document, LanguageStrings& strings,
                  const std::filesystem::path& path) {
    const bool wellFormed = document.Load(path);
    for (size_t i = 0; i < kLanguageKeys.size(); ++i)
        strings.set(i, LookUpText(document, u"config", kLanguageKeys[i]));
    return wellFormed;
}

}  // namespace z408
