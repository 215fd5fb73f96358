// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include "functions/assignment_rules.h"

namespace z408 {
namespace {

constexpr auto kDefaults = kDefaultFunctionTable;
const std::string kLeftClickRefusal = "At least one button must be configured as 'Left click'!";
const std::string kSniperRefusal = "This key can not use the sniper function!";

PickerChoice pick(int button, uint32_t value, uint32_t kind) {
    PickerChoice c;
    c.button = button;
    c.value = value;
    c.kind = kind;
    return c;
}

TEST(AssignmentRules, Table) {
    auto twoClicks = kDefaults;
    twoClicks[2] = fn::Click;
    struct Case {
        const char* what;
        std::array<FunctionType, kButtonCount> current;
        PickerChoice choice;
        RuleVerdict verdict;
    } cases[] = {
        {"only click button gives up click", kDefaults, pick(0, fn::Menu, 0),
         RuleVerdict::RefusedLeftClick},
        {"only click button keeps click", kDefaults, pick(0, fn::Click, 0), RuleVerdict::Accept},
        {"second click button lets button 0 go", twoClicks, pick(0, fn::Menu, 0),
         RuleVerdict::Accept},
        {"disable the only click", kDefaults, pick(0, 1, fn::Disable),
         RuleVerdict::RefusedLeftClick},
        {"disable with another click", twoClicks, pick(0, 1, fn::Disable), RuleVerdict::Accept},
        {"sniper on wheel up", kDefaults, pick(5, fn::Snipe, 0), RuleVerdict::RefusedSniper},
        {"sniper on wheel down", kDefaults, pick(6, fn::Snipe, 0), RuleVerdict::RefusedSniper},
        {"sniper on the only click: click rule first", kDefaults, pick(0, fn::Snipe, 0),
         RuleVerdict::RefusedLeftClick},
        {"sniper on button 0 with another click", twoClicks, pick(0, fn::Snipe, 0),
         RuleVerdict::Accept},
        {"fire on the wheel", kDefaults, pick(6, fn::Fire, 0), RuleVerdict::Accept},
        {"default button on the wheel", kDefaults, pick(6, fn::Scroll, 0), RuleVerdict::Accept},
        {"macro kind", kDefaults, pick(3, 0x15000001, fn::Macro), RuleVerdict::Accept},
        {"nothing chosen", kDefaults, pick(0, 0, 0), RuleVerdict::NothingChosen},
    };
    for (const auto& c : cases) {
        const auto r = checkAssignment(c.current, c.choice, 2);
        EXPECT_EQ(r.verdict, c.verdict) << c.what;
        if (c.verdict == RuleVerdict::RefusedLeftClick) {
            EXPECT_EQ(r.refusal, kLeftClickRefusal);
        }
        if (c.verdict == RuleVerdict::RefusedSniper) {
            EXPECT_EQ(r.refusal, kSniperRefusal);
        }
    }
}

TEST(AssignmentRules, AfterGivingUpClickTheOtherClickButtonIsLocked) {
    auto current = kDefaults;
    current[2] = fn::Click;
    ASSERT_TRUE(checkAssignment(current, pick(0, fn::Menu, 0), 2).accepted());
    current[0] = fn::Menu;
    EXPECT_EQ(checkAssignment(current, pick(2, fn::Menu, 0), 2).verdict,
              RuleVerdict::RefusedLeftClick);
}

TEST(AssignmentRules, RefusalsInTheLanguage) {
    const struct {
        int64_t language;
        std::string leftClick;
        std::string sniper;
    } cases[] = {
        {1, "请保留至少一个键为\"单击\"功能!", "此按键不可使用狙击功能!"},
        {5, "Mindestens eine Taste muss „Linksklick“ behalten!",
         "Diese Taste kann die Sniper-Funktion nicht nutzen!"},
        {0, kLeftClickRefusal, kSniperRefusal},  // no language read yet: English
    };
    for (const auto& c : cases) {
        EXPECT_EQ(checkAssignment(kDefaults, pick(0, fn::Menu, 0), c.language).refusal, c.leftClick)
            << c.language;
        EXPECT_EQ(checkAssignment(kDefaults, pick(5, fn::Snipe, 0), c.language).refusal, c.sniper)
            << c.language;
    }
    EXPECT_EQ(choiceFunction(pick(1, 5, 0)), 5u);
    EXPECT_EQ(choiceFunction(pick(1, 0x00090100, 5)), 5u);
}

}  // namespace
}  // namespace z408
