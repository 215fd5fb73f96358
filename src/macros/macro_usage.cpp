// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "macros/macro_usage.h"

#include <algorithm>
#include <optional>

#include "common/program_texts.h"
#include "common/text.h"

namespace z408 {

namespace {

bool buttonUsesMacro(const ProfileSettings& profile, uint32_t id) {
    for (int b = 0; b < kButtonCount; ++b) {
        const auto button = profile.button(b);
        if (button.functionType() == fn::Macro && button.macroId() == id) return true;
    }
    return false;
}

}  // namespace

bool isMacroInUse(uint32_t id, const ProfileTable& table, const ProfileSettings& active) {
    for (int entry = 0; entry < kProfileCount; ++entry)
        for (const uint32_t used : table.macroIds(entry))
            if (used == id) return true;
    return buttonUsesMacro(active, id);
}

std::vector<MacroUser> macroUsers(uint32_t id, const ProfileStore& profiles) {
    const ProfileTable stored = profiles.storedTable();
    std::vector<MacroUser> users;
    for (int entry = 0; entry < kProfileCount; ++entry) {
        const bool active = entry == profiles.activeEntry();
        const MacroIdList ids = stored.macroIds(entry);
        const std::optional<ProfileSettings> profile =
            active ? std::optional<ProfileSettings>(profiles.active())
                   : profiles.storedProfile(entry);
        MacroUser user{entry, {}};
        for (int b = 0; b < kButtonCount; ++b) {
            const auto i = static_cast<size_t>(b);
            const bool byId = ids[i] == id || (active && profiles.macroIdList()[i] == id);
            const bool byButton = profile && profile->button(b).functionType() == fn::Macro &&
                                  profile->button(b).macroId() == id;
            if (byId || byButton) user.buttons.push_back(b);
        }
        if (!user.buttons.empty()) users.push_back(std::move(user));
    }
    return users;
}

bool isMacroInUse(uint32_t id, const ProfileStore& profiles) {
    return !macroUsers(id, profiles).empty();
}

std::vector<int> buttonsWithoutTheirMacro(const ProfileSettings& profile, const MacroIdList& ids,
                                          const MacroLibrary& library) {
    std::vector<int> lost;
    for (int b = 0; b < kButtonCount; ++b) {
        if (profile.button(b).functionType() != fn::Macro) continue;
        if (!library.findSendableMacro(ids[static_cast<size_t>(b)])) lost.push_back(b);
    }
    return lost;
}

static_assert(static_cast<int>(ProgramText::ButtonWheelDown) -
                      static_cast<int>(ProgramText::ButtonLeft) ==
                  kButtonCount - 1,
              "one button name a button");

std::string macroGoneNotice(const std::vector<int>& buttons, int64_t languageId) {
    if (buttons.empty()) return {};
    std::string names;
    for (const int b : buttons) {
        if (b < 0 || b >= kButtonCount) continue;
        const auto name = static_cast<ProgramText>(static_cast<int>(ProgramText::ButtonLeft) + b);
        if (!names.empty()) names += ", ";
        names += programText(name, languageId);
    }
    return formatText(programText(ProgramText::MacroGoneFromButtons, languageId), {names});
}

std::u16string currentFunctionName(const ProfileSettings& profile, const MacroIdList& ids,
                                   const MacroLibrary& library, int button, int64_t languageId,
                                   std::u16string_view languageText) {
    const auto b = profile.button(button);
    const std::u16string stored = b.displayName();
    if (b.functionType() != fn::Macro)
        return shownFunctionName(b.functionType(), stored, languageId, languageText);
    if (library.findSendableMacro(ids[static_cast<size_t>(button)])) return stored;
    return utf8ToUtf16(
        formatText(programText(ProgramText::MacroGoneName, languageId), {utf16ToUtf8(stored)}));
}

}  // namespace z408
