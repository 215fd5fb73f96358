// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The twelve interface languages, by LanguageId 1..12.
#include <array>
#include <cstdint>
#include <string_view>

#include "common/resource_numbers.h"

namespace z408 {

struct LanguageInfo {
    int32_t id;
    std::string_view menuText;
    std::string_view file;  // under the program directory
    int indicatorResource;  // 37x22 bitmap shown in the main window
    int menuIconResource;   // 19x11 PNG of the language popup
    bool chineseText;       // the built-in texts switch to Chinese
};

inline constexpr std::array<LanguageInfo, 12> kLanguages{{
    {1, "Chinese", "Language/sc.xml", res::languageFlag(1), res::languageMenuIcon(1), true},
    {2, "English", "Language/en.xml", res::languageFlag(2), res::languageMenuIcon(2), false},
    {3, "French", "Language/fre.xml", res::languageFlag(3), res::languageMenuIcon(3), false},
    {4, "Korean", "Language/kor.xml", res::languageFlag(4), res::languageMenuIcon(4), false},
    {5, "German", "Language/ger.xml", res::languageFlag(5), res::languageMenuIcon(5), false},
    {6, "Italian", "Language/ita.xml", res::languageFlag(6), res::languageMenuIcon(6), false},
    {7, "Spanish", "Language/span.xml", res::languageFlag(7), res::languageMenuIcon(7), false},
    {8, "Dutch", "Language/dutch.xml", res::languageFlag(8), res::languageMenuIcon(8), false},
    {9, "Portuguese", "Language/pt.xml", res::languageFlag(9), res::languageMenuIcon(9), false},
    {10, "Russian", "Language/rus.xml", res::languageFlag(10), res::languageMenuIcon(10), false},
    {11, "Ukrainian", "Language/ukr.xml", res::languageFlag(11), res::languageMenuIcon(11), false},
    {12, "Trad.Chinese", "Language/tw.xml", res::languageFlag(12), res::languageMenuIcon(12),
     false},
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
