#pragma once
// z408ctl profile set: one setting of the settings and lighting pages, given as words, made to a
// profile through the same operations the pages use. No terminal and no files here, so the
// rules can be tested on their own.
#include <cstdint>
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

}  // namespace cli
}  // namespace z408
