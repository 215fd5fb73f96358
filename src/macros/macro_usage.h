// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Whether a macro may be deleted: a macro is in use while any profile refers to it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "config/profile_settings.h"
#include "config/profile_store.h"
#include "config/profile_table.h"
#include "macros/macro_library.h"

namespace z408 {

// True when the id is in the stored macro ids of any of the five profile entries, or when a button
// of the active profile has the macro function with this id.
bool isMacroInUse(uint32_t id, const ProfileTable& table, const ProfileSettings& active);

// A profile entry (0..4) and its buttons (0..6) that use a macro.
struct MacroUser {
    int entry = 0;
    std::vector<int> buttons;
};

// Who uses the macro over every profile as it stands now: the table and the other profiles' files
// as stored on disk (another program may have changed them since they were read), and the active
// profile with its working ids as held in memory. A button counts by its entry's macro id or by
// having the macro function with this id.
std::vector<MacroUser> macroUsers(uint32_t id, const ProfileStore& profiles);

// Whether anything above uses the macro.
bool isMacroInUse(uint32_t id, const ProfileStore& profiles);

// The buttons (0..6) of `profile` that have the macro function while the macro their id names is
// not in the library: the mouse would get nothing for them.
std::vector<int> buttonsWithoutTheirMacro(const ProfileSettings& profile, const MacroIdList& ids,
                                          const MacroLibrary& library);

// The notice naming those buttons, in the language `languageId`; empty when there are none.
std::string macroGoneNotice(const std::vector<int>& buttons, int64_t languageId);

// What the picker and the button's tab show as its current function: its name as shown in the
// language `languageId` (built-in names in that language; `languageText` is its text under the
// function's picker key), marked when the button's macro is no longer in the library.
std::u16string currentFunctionName(const ProfileSettings& profile, const MacroIdList& ids,
                                   const MacroLibrary& library, int button, int64_t languageId,
                                   std::u16string_view languageText);

}  // namespace z408
