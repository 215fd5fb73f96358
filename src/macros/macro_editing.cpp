// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "macros/macro_editing.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <span>

#include "common/program_texts.h"
#include "common/text.h"
#include "functions/key_tables.h"

namespace z408 {
namespace {

constexpr uint32_t rowData(EventRowType type, uint32_t value) {
    return static_cast<uint32_t>(type) << 24 | (value & 0xFFFFFF);
}

// The digits of a number as a base-10 reader sees them: leading blanks, an optional sign, the
// digits (saturating), and whatever follows.
struct ReadNumber {
    bool negative = false;
    bool anyDigit = false;
    uint64_t value = 0;
    bool trailing = false;  // something other than digits follows the number
};

ReadNumber readNumber(std::string_view text) {
    ReadNumber n;
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) n.negative = text[i++] == '-';
    constexpr uint64_t kCeiling = std::numeric_limits<uint32_t>::max();
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        n.anyDigit = true;
        n.value = std::min(kCeiling, n.value * 10 + static_cast<uint64_t>(text[i] - '0'));
    }
    n.trailing = i < text.size();
    return n;
}

// The releases of the keys still held after `events`, latest press first.
std::vector<uint32_t> releasesAfter(std::span<const uint32_t> events) {
    HeldKeys held;
    for (const uint32_t e : events) held.take(e);
    std::vector<uint32_t> out;
    for (auto it = held.keys().rbegin(); it != held.keys().rend(); ++it)
        out.push_back(makeMacroEvent(MacroEventKind::KeyUp, *it));
    return out;
}

// The longest prefix of `events` that fits a slot together with the releases of the keys it
// leaves held, followed by those releases.
std::vector<uint32_t> cutToSlot(const std::vector<uint32_t>& events) {
    const std::span<const uint32_t> all(events);
    size_t prefix = std::min(events.size(), kMaxMacroEvents);
    std::vector<uint32_t> releases = releasesAfter(all.first(prefix));
    while (prefix + releases.size() > kMaxMacroEvents)
        releases = releasesAfter(all.first(--prefix));
    std::vector<uint32_t> out(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(prefix));
    out.insert(out.end(), releases.begin(), releases.end());
    return out;
}

}  // namespace

std::string spokenEventRow(const EventRow& row, int64_t languageId) {
    switch (row.type()) {
        case EventRowType::KeyDown:
            return formatText(programText(ProgramText::MacroEventPress, languageId), {row.text});
        case EventRowType::KeyUp:
            return formatText(programText(ProgramText::MacroEventRelease, languageId), {row.text});
        case EventRowType::Delay: {
            // The number the row shows, which may go beyond the 24 bits of its value.
            const std::string_view shown = row.text;
            const std::string ms(shown.substr(0, shown.find(' ')));
            return formatText(programText(ProgramText::MacroEventDelay, languageId), {ms});
        }
    }
    return row.text;
}

std::string delayText(uint64_t ms) {
    char text[32];
    const int n = std::snprintf(text, sizeof text, "%llu  ms", static_cast<unsigned long long>(ms));
    return std::string(text, static_cast<size_t>(n));
}

EventRow keyRow(EventRowType type, uint32_t code) {
    const std::string_view name = macroKeyName(code);
    if (!name.empty()) return {rowData(type, code), std::string(name)};
    char text[16];
    const int n = std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(code & 0xFFFFFF));
    return {rowData(type, code), std::string(text, static_cast<size_t>(n))};
}

EventRow delayRow(uint64_t ms) {
    return {rowData(EventRowType::Delay, static_cast<uint32_t>(ms & 0xFFFFFF)), delayText(ms)};
}

LoadedRows rowsOfMacro(const MacroEntry& macro) {
    LoadedRows out;
    const size_t count = macro.eventCount();
    out.rows.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const uint32_t e = macro.event(i);
        const uint32_t value = macroEventValue(e);
        switch (static_cast<MacroEventKind>(macroEventKind(e))) {
            case MacroEventKind::KeyUp:
                out.rows.push_back(keyRow(EventRowType::KeyUp, value));
                break;
            case MacroEventKind::KeyDown:
                out.rows.push_back(keyRow(EventRowType::KeyDown, value));
                break;
            case MacroEventKind::Delay:
                out.rows.push_back(delayRow(value));
                break;
            default:
                out.valid = false;
                return out;
        }
    }
    return out;
}

std::string loopTextOfMacro(const MacroEntry& macro) {
    const uint32_t loop = macro.effectiveLoopCount();
    return loop == kLoopCountSingleKey ? std::string("1") : std::to_string(loop);
}

void mergeAdjacentDelays(std::vector<EventRow>& rows) {
    std::vector<EventRow> out;
    out.reserve(rows.size());
    for (EventRow& row : rows) {
        if (row.isDelay() && !out.empty() && out.back().isDelay()) {
            const uint32_t sum = std::min(out.back().value() + row.value(), kMaxMergedDelayMs);
            out.back() = delayRow(sum);
        } else {
            out.push_back(std::move(row));
        }
    }
    rows = std::move(out);
}

uint32_t loopCountOfText(std::string_view text) {
    const ReadNumber n = readNumber(text.substr(0, 100));
    // A negative count is no count at all, not a very large one.
    if (n.trailing || n.value == 0 || n.negative) return 1;
    if (n.value > kMaxLoopCount) return kMaxLoopCount;
    return static_cast<uint32_t>(n.value);
}

std::optional<std::string> normalisedLoopText(std::string_view text) {
    std::string_view stripped = text;
    while (!stripped.empty() && stripped.front() == '0') stripped.remove_prefix(1);
    const ReadNumber n = readNumber(stripped);
    std::string_view result = stripped;
    const std::string ceiling = std::to_string(kMaxLoopCount);
    if (n.trailing || n.value == 0 || n.negative)
        result = "1";
    else if (n.value > kMaxLoopCount)
        result = ceiling;
    if (result == text) return std::nullopt;
    return std::string(result);
}

BuiltMacro buildMacroEntry(const std::vector<EventRow>& rows, size_t rowsBeforeMerge,
                           std::string_view loopText, uint32_t id, std::u16string_view name) {
    std::vector<uint32_t> events;
    events.reserve(rows.size());
    bool keySeen = false;
    for (const EventRow& row : rows) {
        keySeen = keySeen || row.isKey();
        if (!keySeen) continue;
        switch (row.type()) {
            case EventRowType::KeyUp:
                events.push_back(makeMacroEvent(MacroEventKind::KeyUp, row.value()));
                break;
            case EventRowType::KeyDown:
                events.push_back(makeMacroEvent(MacroEventKind::KeyDown, row.value()));
                break;
            case EventRowType::Delay:
                events.push_back(makeMacroEvent(MacroEventKind::Delay, row.value()));
                break;
        }
    }

    BuiltMacro out;
    if (events.size() > kMaxMacroEvents) {
        out.truncated = true;
        events = cutToSlot(events);
    }

    MacroEntry& e = out.entry;
    e.setRecordSize(static_cast<uint32_t>(4100 + 4 * std::max<size_t>(rowsBeforeMerge, 1)));
    e.setTag(kMacroTagUsed);
    e.setId(id);
    e.setReserved(0);
    const bool singlePress =
        events.size() == 1 && macroEventKind(events[0]) == uint8_t(MacroEventKind::KeyDown);
    e.setLoopCount(singlePress ? kLoopCountSingleKey : loopCountOfText(loopText));
    e.setEventCount(static_cast<uint32_t>(events.size()));
    for (size_t i = 0; i < events.size(); ++i) e.setEvent(i, events[i]);
    e.setName(name);
    return out;
}

size_t releaseHeldKeys(std::vector<EventRow>& rows) {
    std::vector<uint32_t> events;
    size_t keyRows = 0;
    for (const EventRow& row : rows) {
        if (!row.isKey()) continue;
        ++keyRows;
        events.push_back(makeMacroEvent(
            row.type() == EventRowType::KeyDown ? MacroEventKind::KeyDown : MacroEventKind::KeyUp,
            row.value()));
    }
    // The single-key form: one press and nothing after it (leading delays are never stored).
    if (keyRows == 1 && rows.back().type() == EventRowType::KeyDown) return 0;
    const std::vector<uint32_t> releases = releasesAfter(events);
    for (const uint32_t e : releases)
        rows.push_back(keyRow(EventRowType::KeyUp, macroEventValue(e)));
    return releases.size();
}

std::optional<uint64_t> parseDelayText(std::string_view text) {
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    const ReadNumber n = readNumber(text);
    if (!n.anyDigit || n.trailing) return std::nullopt;
    return n.value;
}

bool insertKeyRows(std::vector<EventRow>& rows, size_t at, uint32_t key) {
    if (key == 0 || at > rows.size()) return false;
    const auto pos = rows.begin() + static_cast<std::ptrdiff_t>(at);
    rows.insert(pos, {keyRow(EventRowType::KeyDown, key), keyRow(EventRowType::KeyUp, key)});
    return true;
}

bool insertDelayRow(std::vector<EventRow>& rows, size_t at, std::string_view text) {
    const auto ms = parseDelayText(text);
    if (!ms || at == 0 || at >= rows.size()) return false;
    const uint32_t v = static_cast<uint32_t>(*ms & 0xFFFFFF);
    auto addTo = [&](EventRow& row) {
        row = delayRow(std::min<uint64_t>(uint64_t{row.value()} + v, kMaxMergedDelayMs));
    };
    if (rows[at - 1].isDelay())
        addTo(rows[at - 1]);
    else if (rows[at].isDelay())
        addTo(rows[at]);
    else
        rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at),
                    delayRow(std::min(v, kMaxMergedDelayMs)));
    return true;
}

bool modifyKeyRow(std::vector<EventRow>& rows, size_t at, uint32_t key) {
    if (key == 0 || at >= rows.size() || !rows[at].isKey()) return false;
    rows[at] = keyRow(rows[at].type(), key);
    return true;
}

bool modifyDelayRow(std::vector<EventRow>& rows, size_t at, std::string_view text) {
    const auto ms = parseDelayText(text);
    if (!ms || at >= rows.size() || !rows[at].isDelay()) return false;
    rows[at] = delayRow(std::min<uint64_t>(*ms, kMaxDelayMs));
    return true;
}

}  // namespace z408
