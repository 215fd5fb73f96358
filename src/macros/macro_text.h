// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Macros as plain text, for scripts and for keeping them beside other files:
//
//   name Reload        the macro's name (optional; up to 20 characters)
//   loop 3             how often the mouse plays it per press (optional; 1 … 65533, default 1)
//   down A             a key pressed, by its name on the macro page or as a code (0x41)
//   delay 250          a pause in milliseconds (0 … 16777215)
//   up A               a key released
//
// One item a line; blank lines and lines starting with '#' are ignored. Reading is strict: an
// unknown word, an unknown key or a number out of range is an error naming its line, so a typo
// never turns into a different macro. A key pressed and never released is an error too (the
// mouse would keep it down), except in a text of one single press.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "macros/macro_editing.h"
#include "macros/macro_entry.h"

namespace z408 {

inline constexpr size_t kMacroTextMaxLineBytes = 200;
inline constexpr size_t kMacroTextMaxBytes = 256 * 1024;
inline constexpr size_t kMacroNameMaxChars = 20;  // what the page's in-place editor allows

struct MacroText {
    std::optional<std::u16string> name;
    uint32_t loopCount = 1;
    std::vector<EventRow> rows;  // in the macro page's row form, unmerged
};

struct MacroTextError {
    size_t line = 0;  // 1-based; 0 for the text as a whole
    std::string message;
};

// Parses the text; on failure `error` says where and why and the result is empty.
std::optional<MacroText> parseMacroText(std::string_view text, MacroTextError& error);

// A macro name as typed by a user: not empty nor blank, at most 20 characters, no control
// characters. Returns the problem, or nothing when the name is fine. Whether another macro has
// the name is the library's to say (MacroLibrary::findListedByName).
std::optional<std::string> macroNameProblem(std::u16string_view name);
// Empty, or spaces only (an invisible row in the macro list).
bool isBlankMacroName(std::u16string_view name);
// `base` when `taken` says no, else "base 2", "base 3", … (cut to 20 characters), the first free.
std::u16string uniqueMacroName(std::u16string_view base,
                               const std::function<bool(std::u16string_view)>& taken);

// The key code for a name of the macro key table (exact, then ignoring case) or a code written
// 0xHH (1 … 0xFFFFFF); nothing when neither.
std::optional<uint32_t> macroKeyCodeOfName(std::string_view name);

// The record the macro page would store for this text under `id` and `name` (merging delays,
// no leading delay, the single-press loop marker, cut to a slot with every key released).
BuiltMacro buildMacroFromText(const MacroText& text, uint32_t id, std::u16string_view name);

// The text of a stored macro. Writing stops at an event of an unknown kind, as the page's list
// does; `complete` says whether every event was written.
std::string macroToText(const MacroEntry& macro, bool* complete = nullptr);

}  // namespace z408
