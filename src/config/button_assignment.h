// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Giving a button the function the picker chose: the rules that may refuse it, then the fields
// each kind of function fills in the button's record and the button's entry of the MacroIdList.
// The settings page and z408ctl share this one operation.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "config/profile_settings.h"
#include "config/profile_table.h"
#include "functions/assignment_rules.h"

namespace z408 {

class KeyboardLayout;

enum class AssignmentVerdict {
    Assigned,
    NothingChosen,     // the picker was left without a choice: nothing changes, nothing is shown
    RefusedLeftClick,  // the assignment rules refused; `message` says why
    RefusedSniper,
    MacroMissing,   // the chosen macro id is in no slot of the macro library
    PathTooLong,    // more than 259 UTF-16 units: cut, it would name another file
    InvalidChoice,  // a choice no picker page makes (our bug, or a caller's bad input)
};

struct AssignmentResult {
    AssignmentVerdict verdict = AssignmentVerdict::InvalidChoice;
    // What to show the user when refused; empty for Assigned, NothingChosen and InvalidChoice.
    std::string message;
    bool assigned() const { return verdict == AssignmentVerdict::Assigned; }
};

// The name of the macro with this id (the first slot holding it), or nothing when none has it.
using MacroNameLookup = std::function<std::optional<std::u16string>(uint32_t id)>;

struct AssignmentContext {
    bool chinese = false;    // built-in names in Chinese
    int32_t languageId = 2;  // the interface language (1..12) of the program's own messages
    const KeyboardLayout* layout = nullptr;  // names keys of combinations; US layout when null
    MacroNameLookup macroName;
};

// Applies `choice` (choice.button is the button) to `profile` and `macroIds`. On any outcome but
// Assigned neither is changed.
AssignmentResult assignFunction(ProfileSettings& profile, MacroIdList& macroIds,
                                const PickerChoice& choice, const AssignmentContext& context);

// Rewrites the button's display name into the current language when it is a built-in name
// stored in the other one (done before the picker opens). Returns whether it changed.
bool translateDisplayName(ProfileSettings& profile, int button, bool chinese);

// Whether the button's function differs from its default (the tab's selected look).
bool differsFromDefault(const ProfileSettings& profile, int button);

}  // namespace z408
