// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "functions/assignment_rules.h"

#include "common/program_texts.h"

namespace z408 {

RuleResult checkAssignment(const std::array<FunctionType, kButtonCount>& current,
                           const PickerChoice& choice, int64_t languageId) {
    if (choice.value == 0) return {RuleVerdict::NothingChosen, {}};
    const FunctionType f = choiceFunction(choice);
    if (f != fn::Click) {
        bool otherClick = false;
        for (int i = 0; i < kButtonCount; ++i)
            if (i != choice.button && current[static_cast<size_t>(i)] == fn::Click)
                otherClick = true;
        if (!otherClick) {
            return {RuleVerdict::RefusedLeftClick,
                    std::string(programText(ProgramText::RefusedLeftClick, languageId))};
        }
    }
    if (f == fn::Snipe && (choice.button == 5 || choice.button == 6)) {
        return {RuleVerdict::RefusedSniper,
                std::string(programText(ProgramText::RefusedSniper, languageId))};
    }
    return {RuleVerdict::Accept, {}};
}

}  // namespace z408
