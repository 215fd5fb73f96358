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

TEST(FunctionCatalogue, SoftwarePickerValue) {
    EXPECT_EQ(softwarePickerValue(SoftwareKind::Sound, 0), 0x00C00006u);
    EXPECT_EQ(softwarePickerValue(SoftwareKind::Program, 3), 0x00D30006u);
    EXPECT_EQ(softwarePickerValue(SoftwareKind::Folder, 6), 0x00F60006u);
    EXPECT_FALSE(softwareKindFromValue(0xB0));
    EXPECT_EQ(softwareKindFromValue(0xE0), SoftwareKind::File);
}

}  // namespace
}  // namespace z408
