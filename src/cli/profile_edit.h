// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// z408ctl profile set: one setting of the settings and lighting pages, given as words, made to a
// profile through the same operations the pages use. No terminal and no files here, so the
// rules can be tested on their own.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/profile_settings.h"
#include "config/profile_table.h"

namespace z408 {

class MacroLibrary;

namespace cli {

enum class EditStatus {
    Done,
    Refused,   // the page's rules refused it; `message` is the page's own text
    BadInput,  // an unknown setting or a value out of range; `message` names it
};

struct EditResult {
    EditStatus status = EditStatus::BadInput;
    std::string message;
};

struct EditContext {
    const MacroLibrary* macros = nullptr;  // macros by id or name; none without it
    int32_t languageId = 2;                // the interface language (1 Simplified Chinese)
};

// Applies `words` (SETTING VALUE...) to `profile` and `macroIds`; on anything but Done neither
// is changed.
EditResult applySetting(ProfileSettings& profile, MacroIdList& macroIds,
                        const std::vector<std::string>& words, const EditContext& context);

// The settings and their values, for --help.
std::string_view settingsHelp();

// The basic list's and the catalogue's English names, for the shell's completion.
std::vector<std::string> catalogueNameCandidates();

// What may follow `words` (SETTING VALUE... so far) in the shell's completion. A button's macro
// is left out: the caller adds the library's macros where `wantsMacro` is set.
std::vector<std::string> settingCompletions(const std::vector<std::string>& words,
                                            bool& wantsMacro);

// The key combination written as the page shows it ("Ctrl + F", "Shift + Ctrl + A", "F5",
// "Ctrl"), as a binding code; 0 when a word names no key or modifier.
uint32_t parseKeyCombination(std::string_view text);

// One setting of a profile as `profile show` prints it: the words `profile set` takes to make
// it, or, where no setting makes what the file holds, a note saying what it holds.
struct ShownSetting {
    std::string setting;             // its SETTING word, with a note too
    std::vector<std::string> words;  // SETTING VALUE...; empty when no setting makes it
    std::string note;                // for the empty ones: what the file holds
};

// Every setting of the settings and lighting pages, in an order that `profile set` applied to
// a default profile makes this one again. Each line is checked by applying it to the profile
// itself: a line that would change anything is given as a note instead.
std::vector<ShownSetting> showSettings(const ProfileSettings& profile, const MacroIdList& macroIds,
                                       const EditContext& context);

// The words as a shell reads them back: quoted where they hold blanks, quotes, '#' and the like.
std::string shellWords(const std::vector<std::string>& words);

// The names `profile set` and `profile show` use.
std::string_view buttonWord(int button);           // "left" ... "wheel-down"
std::string_view lightingModeWord(uint32_t mode);  // "steady" ... "off"; empty for others
std::string_view colourSlotWord(int slot);         // "1", "2", "3", "single"
std::string_view presetColourName(int index);      // "rose" ... "cobalt"
std::string colourHex(uint32_t colourRef);         // "#RRGGBB"
std::string macroIdText(uint32_t id);              // "0x15A1B2C3"

// The words of `candidates` nearest to a mistyped `word` (a few edits away, or starting
// with it), best first; empty when none is near.
std::vector<std::string> nearestWords(std::string_view word,
                                      const std::vector<std::string>& candidates);
// " (did you mean X or Y?)" for those, or nothing.
std::string didYouMean(std::string_view word, const std::vector<std::string>& candidates);

// The pointer values as `profile set` takes them: pointer-speed 1 to 20, precision on|off,
// wheel lines 1 to 30 or screen (-1). A message naming the bad one when one is bad.
struct PointerValues {
    int speed = 0;
    int precision = 0;
    int wheelLines = 0;
};
std::optional<PointerValues> parsePointerValues(const std::vector<std::string>& words,
                                                std::string& error);

}  // namespace cli
}  // namespace z408
