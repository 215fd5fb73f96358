// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The macro page's event list as data, and the rules that edit it and turn it into a library
// record: merging delays, building the record, inserting and modifying key and delay rows, and
// reading the loop count. The page only shows the rows; everything here runs without a display.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "macros/macro_entry.h"

namespace z408 {

// A row's type sits in bits 24..31 of its value (the list's icon kind), the key code or the
// milliseconds in bits 0..23.
enum class EventRowType : uint8_t { KeyUp = 2, KeyDown = 3, Delay = 4 };

inline constexpr uint32_t kMaxMergedDelayMs = 327670;  // insertion and merging stop here
inline constexpr uint32_t kMaxDelayMs = 0xFFFFFF;      // what a modified delay may reach

struct EventRow {
    uint32_t data = 0;  // type << 24 | value
    std::string text;   // UTF-8, as the list shows it

    EventRowType type() const { return static_cast<EventRowType>(data >> 24); }
    uint32_t value() const { return data & 0xFFFFFF; }
    bool isDelay() const { return type() == EventRowType::Delay; }
    bool isKey() const { return type() == EventRowType::KeyUp || type() == EventRowType::KeyDown; }
    friend bool operator==(const EventRow&, const EventRow&) = default;
};

// "%d  ms" (two spaces): the text of a delay row.
std::string delayText(uint64_t ms);
// What a screen reader says for a row in language `languageId`: "Press A", "Release A",
// "Delay 250 ms", the key named as the list shows it; a row of another kind reads as shown.
std::string spokenEventRow(const EventRow& row, int64_t languageId);
// A key row named by the macro key table (a key the table has no name for shows its code, 0xHH,
// so that no row is blank); a delay row of `ms` (value kept to 24 bits, the text
// shows the whole number).
EventRow keyRow(EventRowType type, uint32_t code);
EventRow delayRow(uint64_t ms);

// The rows a stored macro shows, in order, up to the first event of an unknown kind. `valid` is
// false when such an event cut the list short.
struct LoadedRows {
    std::vector<EventRow> rows;
    bool valid = true;
};
LoadedRows rowsOfMacro(const MacroEntry& macro);
// The loop count box's text for a stored macro: its effective loop count (a single key press is
// stored as 0xFFFE and reads as one), so that showing a damaged value is no change of it.
std::string loopTextOfMacro(const MacroEntry& macro);

// Adjacent delay rows collapse into one at the first one's place, their sum capped at 327670.
void mergeAdjacentDelays(std::vector<EventRow>& rows);

// The loop count box read as a number: trailing non-digits, an empty text, 0 and negative numbers
// give 1; anything above 65533 gives 65533.
uint32_t loopCountOfText(std::string_view text);
// The loop box's periodic tidy-up: leading zeros go, then an empty or unreadable text, 0 or a
// negative number becomes "1" and a number above 65533 becomes "65533". Nothing when the text stays
// as it is.
std::optional<std::string> normalisedLoopText(std::string_view text);

// The record `rows` (already merged) are stored as. Rows before the first key row are left out,
// so a macro never starts with a delay. A list longer than a slot keeps as many leading events
// as fit with the releases of every key still held at the cut, so the mouse never keeps a key
// down; `truncated` says so.
struct BuiltMacro {
    MacroEntry entry;
    bool truncated = false;
};
// `rowsBeforeMerge` gives the record size the editor has always written (at least 4104, so that
// a macro emptied by deleting its last row is still a record the library takes).
BuiltMacro buildMacroEntry(const std::vector<EventRow>& rows, size_t rowsBeforeMerge,
                           std::string_view loopText, uint32_t id, std::u16string_view name);

// Every stored macro releases what it presses: a release row is appended for each key still held
// after the last row (latest press first). A macro of exactly one press is the mouse's single-key
// form (stored with loop 0xFFFE) and is left alone. Returns the number of rows added.
size_t releaseHeldKeys(std::vector<EventRow>& rows);

// The delay box: digits only (at least one); larger numbers saturate.
std::optional<uint64_t> parseDelayText(std::string_view text);

// Insert and modify at the selected row `at` (which must exist). Each returns whether the rows
// changed.
// A press and a release of `key` at `at` and `at` + 1; nothing for key 0.
bool insertKeyRows(std::vector<EventRow>& rows, size_t at, uint32_t key);
// A delay above `at`: added to the delay row just above or at `at` when there is one (capped at
// 327670), else a new row. Nothing above the first row, and nothing for unreadable text.
bool insertDelayRow(std::vector<EventRow>& rows, size_t at, std::string_view text);
// The key of a key row replaced, its press or release kept; nothing for key 0.
bool modifyKeyRow(std::vector<EventRow>& rows, size_t at, uint32_t key);
// A delay row's milliseconds replaced (up to 16777215); nothing for unreadable text.
bool modifyDelayRow(std::vector<EventRow>& rows, size_t at, std::string_view text);

}  // namespace z408
