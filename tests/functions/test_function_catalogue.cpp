// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <optional>

#include "functions/function_catalogue.h"

namespace z408 {
namespace {

TEST(FunctionCatalogue, NamesInBothLanguages) {
    struct Case {
        FunctionType f;
        const char* english;
        const char* chinese;
    } cases[] = {
        {1, "Click", "单击"},
        {2, "Menu", "菜单"},
        {4, "Middle", "中键"},
        {8, "Forward", "前进"},
        {11, "Scroll up", "滚轮前滚"},
        {16, "Back", "后退"},
        {22, "Scroll", "滚轮后滚"},
        {32, "Play/Pause", "播放/暂停"},
        {40, "Music", "音乐"},
        {81, "Close window", "关闭窗口"},
        {121, "Disable key", "禁用按键"},
        {123, "Enter classic desktop", "进入传统界面"},
        {126, "sreen zoom in", "放大"},
        {127, "sreen zoom out", "缩小"},
        {142, "SNIPE", "狙击键"},
        {143, "FIRE", "火力"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(functionName(c.f, false), c.english) << c.f;
        EXPECT_EQ(functionName(c.f, true), c.chinese) << c.f;
    }
}

TEST(FunctionCatalogue, NumbersWithoutBuiltInNameYieldEmptyText) {
    for (FunctionType f : {0u, 3u, 5u, 6u, 7u, 19u, 36u, 144u, 0xFFFFFFFFu}) {
        EXPECT_EQ(functionName(f, false), "") << f;
        EXPECT_EQ(functionName(f, true), "") << f;
    }
    EXPECT_EQ(functionCatalogue().size(), 30u);
}

TEST(FunctionCatalogue, TranslationPairsUseScrollDownUnlikeTheCatalogue) {
    const auto pairs = translatableNamePairs();
    ASSERT_EQ(pairs.size(), 7u);
    EXPECT_EQ(pairs.back().english, "Scroll down");
    EXPECT_EQ(functionName(fn::Scroll, false), "Scroll");
}

TEST(FunctionCatalogue, BuiltInNamesTranslateToTheCurrentLanguage) {
    struct Case {
        const char* stored;
        bool chinese;
        std::optional<std::string_view> wanted;
    } cases[] = {
        {"Click", true, "单击"},
        {"单击", false, "Click"},
        {"Scroll down", true, "滚轮后滚"},
        {"滚轮后滚", false, "Scroll down"},
        {"Scroll", true, std::nullopt},  // the catalogue name of 22 is no pair member
        {"Click", false, std::nullopt},  // already English
        {"单击", true, std::nullopt},
        {"Menu", true, "菜单"},
        {"Play/Pause", true, std::nullopt},
        {"click", true, std::nullopt},
        {"", true, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(translatedBuiltInName(c.stored, c.chinese), c.wanted) << c.stored << c.chinese;
}

TEST(FunctionCatalogue, BuiltInNamesShowInTheCurrentLanguage) {
    constexpr int64_t kChinese = 1, kEnglish = 2, kFrench = 3, kGerman = 5, kRussian = 10,
                      kTraditional = 12;
    struct Case {
        FunctionType f;
        std::u16string_view stored;
        int64_t language;
        std::u16string_view languageText;  // the language's text under the picker key
        std::u16string_view shown;
    } cases[] = {
        // Built-in names, stored in either language, follow the language shown.
        {fn::Click, u"Click", kGerman, u"Linksklick", u"Linksklick"},
        {fn::Click, u"单击", kRussian, u"Левая кнопка", u"Левая кнопка"},
        {fn::Forward, u"前进", kTraditional, u"前進", u"前進"},
        {fn::Snipe, u"SNIPE", kGerman, u"Sniper", u"Sniper"},
        // Functions the language files do not name take the program's own text.
        {fn::Scroll, u"Scroll down", kGerman, u"", u"Nach unten scrollen"},
        {fn::Scroll, u"Scroll", kRussian, u"", u"Прокрутка вниз"},
        {fn::ScrollUp, u"滚轮前滚", kFrench, u"", u"Défiler vers le haut"},
        {fn::Disable, u"Disable key", kRussian, u"", u"Отключить кнопку"},
        // A language file without the text leaves the stored name.
        {fn::Back, u"Back", kGerman, u"", u"Back"},
        // Names the person gave, or another function's built-in name, show as stored.
        {fn::Macro, u"Click", kGerman, u"", u"Click"},
        {fn::KeyCombination, u"Ctrl + F", kRussian, u"", u"Ctrl + F"},
        {fn::Software, u"/usr/bin/Forward", kGerman, u"", u"/usr/bin/Forward"},
        {fn::Menu, u"Click", kGerman, u"Rechtsklick", u"Click"},
        {fn::Click, u"click", kGerman, u"Linksklick", u"click"},
        // English and Chinese show exactly what is stored, whichever language stored it.
        {fn::Click, u"Click", kChinese, u"左键单击", u"Click"},
        {fn::Click, u"单击", kEnglish, u"Left click", u"单击"},
        {fn::Scroll, u"Scroll", kEnglish, u"", u"Scroll"},
        {fn::Disable, u"禁用按键", kChinese, u"", u"禁用按键"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shownFunctionName(c.f, c.stored, c.language, c.languageText), c.shown)
            << c.f << " in " << c.language;
}

TEST(FunctionCatalogue, SoftwarePickerValue) {
    EXPECT_EQ(softwarePickerValue(SoftwareKind::Sound, 0), 0x00C00006u);
    EXPECT_EQ(softwarePickerValue(SoftwareKind::Program, 3), 0x00D30006u);
    EXPECT_EQ(softwarePickerValue(SoftwareKind::Folder, 6), 0x00F60006u);
    EXPECT_FALSE(softwareKindFromValue(0xB0));
    EXPECT_EQ(softwareKindFromValue(0xE0), SoftwareKind::File);
}

}  // namespace
}  // namespace z408
