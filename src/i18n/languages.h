#pragma once
// The twelve interface languages, by LanguageId 1..12.
#include <array>
#include <cstdint>
#include <string_view>

namespace z408 {

struct LanguageInfo {
    int32_t id;
    std::string_view menuText;
    std::string_view file;    // under the program directory
    int indicatorResource;    // 37x22 bitmap shown in the main window
    int menuIconResource;     // 19x11 PNG of the language popup
    bool chineseText;         // the built-in texts switch to Chinese
};

inline constexpr std::array<LanguageInfo, 12> kLanguages{{
    {1, "Chinese", "Language/sc.xml", 142, 130, true},
    {2, "English", "Language/en.xml", 143, 131, false},
    {3, "French", "Language/fre.xml", 144, 132, false},
    {4, "Korean", "Language/kor.xml", 145, 133, false},
    {5, "German", "Language/ger.xml", 146, 134, false},
    {6, "Italian", "Language/ita.xml", 147, 135, false},
    {7, "Spanish", "Language/span.xml", 148, 136, false},
    {8, "Dutch", "Language/dutch.xml", 149, 137, false},
    {9, "Portuguese", "Language/pt.xml", 150, 138, false},
    {10, "Russian", "Language/rus.xml", 151, 139, false},
    {11, "Ukrainian", "Language/ukr.xml", 152, 140, false},
    {12, "Trad.Chinese", "Language/tw.xml", 153, 141, false},
}};

inline constexpr int32_t kLanguageSimplifiedChinese = 1;
inline constexpr int32_t kLanguageEnglish = 2;

// The language of an id, or nullptr outside 1..12.
inline const LanguageInfo* languageById(int64_t id) {
    return id >= 1 && id <= static_cast<int64_t>(kLanguages.size())
               ? &kLanguages[static_cast<size_t>(id - 1)]
               : nullptr;
}

}  // namespace z408
