// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Which assignments the settings page refuses: the mouse must keep a left click, and the wheel
// cannot take the sniper function.
#include <array>
#include <cstdint>
#include <string>

#include "functions/function_catalogue.h"

namespace z408 {

// What the function picker hands back. kind: 5 key combination, 6 macro, 19 software function,
// 121 the disable box, 0 a basic-list entry or the default button (value is then the function).
struct PickerChoice {
    int button = 0;      // the button the picker was opened for, 0..6
    uint32_t value = 0;  // 0: nothing chosen
    uint32_t kind = 0;
    // With kind 19: 0 sound, 1 program, 2 file, 3 folder, and the chosen path (at most 259 units).
    int32_t softwareKindIndex = 0;
    std::u16string path;
};

// The function a choice gives the button.
constexpr FunctionType choiceFunction(const PickerChoice& c) {
    return c.kind != 0 ? c.kind : c.value;
}

enum class RuleVerdict { Accept, NothingChosen, RefusedLeftClick, RefusedSniper };

struct RuleResult {
    RuleVerdict verdict;
    std::string refusal;  // the message to show when refused
    bool accepted() const { return verdict == RuleVerdict::Accept; }
};

// `current` holds the function of each of the seven buttons right now; a refusal is worded in
// the language `languageId` (1..12).
RuleResult checkAssignment(const std::array<FunctionType, kButtonCount>& current,
                           const PickerChoice& choice, int64_t languageId);

}  // namespace z408
