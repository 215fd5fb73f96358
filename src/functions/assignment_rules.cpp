// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "functions/assignment_rules.h"

namespace z408 {

RuleResult checkAssignment(const std::array<FunctionType, kButtonCount>& current,
                           const PickerChoice& choice, bool chinese) {
    if (choice.value == 0) return {RuleVerdict::NothingChosen, {}};
    const FunctionType f = choiceFunction(choice);
    if (f != fn::Click) {
        bool otherClick = false;
        for (int i = 0; i < kButtonCount; ++i)
            if (i != choice.button && current[static_cast<size_t>(i)] == fn::Click)
                otherClick = true;
        if (!otherClick) {
            return {RuleVerdict::RefusedLeftClick,
                    chinese ? "请保留至少一个键为\"单击\"功能!"
                            : "At least one button must be configured as 'Left click'!"};
        }
    }
    if (f == fn::Snipe && (choice.button == 5 || choice.button == 6)) {
        return {RuleVerdict::RefusedSniper,
                chinese ? "此按键不可使用狙击功能!" : "This key can not use the sniper function!"};
    }
    return {RuleVerdict::Accept, {}};
}

}  // namespace z408
