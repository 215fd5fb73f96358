// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The macro page's editing rules and the recorder, from tables of cases without a display.
#include <gtest/gtest.h>

#include <functional>

#include "macro_fixtures.h"
#include "macros/macro_editing.h"
#include "macros/macro_recorder.h"

namespace z408 {
namespace {

using test::delay;
using test::keyDown;
using test::keyUp;

constexpr uint32_t kA = 0x41, kB = 0x42, kShift = 0xA0;

EventRow down(uint32_t k) {
    return keyRow(EventRowType::KeyDown, k);
}
EventRow up(uint32_t k) {
    return keyRow(EventRowType::KeyUp, k);
}
EventRow wait(uint64_t ms) {
    return delayRow(ms);
}

std::vector<uint32_t> eventsOf(const MacroEntry& m) {
    std::vector<uint32_t> out;
    for (size_t i = 0; i < m.eventCount(); ++i) out.push_back(m.event(i));
    return out;
}

// A screen reader hears what an event does, press and release told apart, in the chosen language;
// a delay longer than the row's 24-bit value reads the whole number the row shows.
TEST(EventRows, SpokenAsWhatTheyDo) {
    constexpr int64_t kEnglish = 2, kGerman = 5, kRussian = 10;
    const struct {
        EventRow row;
        int64_t language;
        std::string spoken;
    } cases[] = {
        {down(kA), kEnglish, "Press A"},
        {up(kA), kEnglish, "Release A"},
        {wait(250), kEnglish, "Delay 250 ms"},
        {wait(20000000), kEnglish, "Delay 20000000 ms"},
        {up(kShift), kGerman, "Loslassen " + up(kShift).text},
        {wait(250), kRussian, "Задержка 250 мс"},
        {EventRow{0x05000001u, "?"}, kEnglish, "?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row.text);
        EXPECT_EQ(spokenEventRow(c.row, c.language), c.spoken);
    }
}

TEST(EventRows, TextsAndValues) {
    EXPECT_EQ(down(kA).data, 0x03000041u);
    EXPECT_EQ(up(kA).data, 0x02000041u);
    EXPECT_EQ(down(kA).text, "A");
    EXPECT_EQ(down(1).text, "Left Button");
    EXPECT_EQ(wait(250).data, 0x040000FAu);
    EXPECT_EQ(wait(250).text, "250  ms");
    // A pause beyond 24 bits keeps its low bits as the value, its whole length as the text.
    const EventRow longPause = wait(0x1000005);
    EXPECT_EQ(longPause.value(), 5u);
    EXPECT_EQ(longPause.text, "16777221  ms");
    // A key the name table has no name for shows its code rather than a blank row.
    EXPECT_EQ(down(0x7C).text, "0x7C");
    EXPECT_EQ(up(0x5D).text, "0x5D");
}

TEST(EventRows, LoadedFromAStoredMacroUpToAnUnknownKind) {
    const MacroEntry m =
        test::macroRecord(0x15000001, {keyDown(kA), delay(30), keyUp(kA), 0x11000000, keyDown(kB)});
    const LoadedRows loaded = rowsOfMacro(m);
    EXPECT_FALSE(loaded.valid);
    EXPECT_EQ(loaded.rows, (std::vector<EventRow>{down(kA), wait(30), up(kA)}));
    EXPECT_EQ(loopTextOfMacro(test::macroRecord(1, {keyDown(kA)}, u"x", kLoopCountSingleKey)), "1");
    EXPECT_EQ(loopTextOfMacro(test::macroRecord(1, {keyDown(kA)}, u"x", 17)), "17");
}

TEST(MergeAdjacentDelays, Cases) {
    struct Case {
        std::vector<EventRow> rows, merged;
    };
    const Case cases[] = {
        {{down(kA), wait(200), wait(300), up(kA)}, {down(kA), wait(500), up(kA)}},
        {{wait(1), wait(2), wait(3), down(kA), wait(4)}, {wait(6), down(kA), wait(4)}},
        {{down(kA), wait(300000), wait(30000), up(kA)}, {down(kA), wait(327670), up(kA)}},
        // A modified delay may be long; merging still caps the sum.
        {{wait(16777215), wait(1)}, {wait(327670)}},
        {{down(kA), up(kA)}, {down(kA), up(kA)}},
    };
    for (const Case& c : cases) {
        std::vector<EventRow> rows = c.rows;
        mergeAdjacentDelays(rows);
        EXPECT_EQ(rows, c.merged) << c.rows.size() << " rows";
    }
}

TEST(LoopCount, ReadForSaving) {
    const std::pair<const char*, uint32_t> cases[] = {
        {"5", 5},     {"65533", 65533}, {"65534", 65533}, {"70000", 65533}, {"99999999999", 65533},
        {"-3", 1},    {"0", 1},         {"", 1},          {"abc", 1},       {"12x", 1},
        {"0042", 42},
    };
    for (const auto& [text, want] : cases) EXPECT_EQ(loopCountOfText(text), want) << text;
}

TEST(LoopCount, TimerTidiesTheBox) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"0042", "42"},
        {"70000", "65533"},
        {"abcd", "1"},
        {"", "1"},
        {"0", "1"},
        {"000", "1"},
        {"42", std::nullopt},
        {"1", std::nullopt},
        {"65533", std::nullopt},
        {"4x", "1"},
        {"-5", "1"},  // a negative count is no count, not the largest one
        {"-0", "1"},
    };
    for (const auto& [text, want] : cases) EXPECT_EQ(normalisedLoopText(text), want) << text;
}

// A damaged Macro.cfg may carry any loop count: the box shows the count the mouse is sent, and
// merely showing it is no change of the macro (the box's tidy-up finds nothing to do).
TEST(LoopCount, AStoredCountIsShownAsItIsPlayed) {
    const std::pair<uint32_t, const char*> cases[] = {
        {1, "1"}, {17, "17"},       {65533, "65533"},   {kLoopCountSingleKey, "1"},
        {0, "1"}, {65535, "65533"}, {0x12345, "65533"}, {0xFFFFFFFF, "65533"},
    };
    for (const auto& [stored, shown] : cases) {
        const MacroEntry m = test::macroRecord(1, {keyDown(kA), keyUp(kA)}, u"x", stored);
        EXPECT_EQ(loopTextOfMacro(m), shown) << stored;
        EXPECT_EQ(normalisedLoopText(loopTextOfMacro(m)), std::nullopt) << stored;
        EXPECT_EQ(m.loopCount(), stored);  // the record itself is left as it is
    }
}

TEST(ReleaseHeldKeys, EveryPressIsReleasedButALonePress) {
    struct Case {
        const char* what;
        std::vector<EventRow> rows, released;
    };
    const Case cases[] = {
        {"released already", {down(kA), up(kA)}, {down(kA), up(kA)}},
        {"press and pause", {down(kA), wait(30)}, {down(kA), wait(30), up(kA)}},
        {"latest press released first",
         {down(kShift), down(kA), up(kB)},
         {down(kShift), down(kA), up(kB), up(kA), up(kShift)}},
        {"a second press of a held key", {down(kA), down(kA)}, {down(kA), down(kA), up(kA)}},
        {"the single-key form", {down(kA)}, {down(kA)}},
        {"a pause before a lone press", {wait(5), down(kA)}, {wait(5), down(kA)}},
        {"no rows", {}, {}},
        {"release only", {up(kA)}, {up(kA)}},
    };
    for (const Case& c : cases) {
        std::vector<EventRow> rows = c.rows;
        EXPECT_EQ(releaseHeldKeys(rows), c.released.size() - c.rows.size()) << c.what;
        EXPECT_EQ(rows, c.released) << c.what;
    }
}

TEST(BuildMacroEntry, AnEmptiedListIsStillAStorableRecord) {
    // Deleting a macro's last row stores it empty rather than leaving its old events.
    const BuiltMacro b = buildMacroEntry({}, 0, "1", 0x15000001, u"Emptied");
    EXPECT_TRUE(b.entry.isStorable());
    EXPECT_EQ(b.entry.recordSize(), kMacroEntrySize);
    EXPECT_EQ(b.entry.eventCount(), 0u);
}

TEST(BuildMacroEntry, RecordFieldsAndLoopCount) {
    const std::vector<EventRow> rows{wait(40), down(kA), wait(250), up(kA)};
    const BuiltMacro b = buildMacroEntry(rows, 5, "3", 0x15ABCDEF, u"New Macro");
    EXPECT_FALSE(b.truncated);
    const MacroEntry& m = b.entry;
    EXPECT_EQ(m.recordSize(), 4100u + 4 * 5);
    EXPECT_EQ(m.tag(), kMacroTagUsed);
    EXPECT_EQ(m.id(), 0x15ABCDEFu);
    EXPECT_EQ(m.reserved(), 0u);
    EXPECT_EQ(m.loopCount(), 3u);
    EXPECT_EQ(m.name(), u"New Macro");
    // The leading delay is left out: a macro never starts with a pause.
    EXPECT_EQ(eventsOf(m), (std::vector<uint32_t>{keyDown(kA), delay(250), keyUp(kA)}));

    // A single press is stored with the special loop count whatever the box says.
    EXPECT_EQ(buildMacroEntry({wait(10), down(kA)}, 2, "9", 1, u"x").entry.loopCount(),
              kLoopCountSingleKey);
    EXPECT_EQ(buildMacroEntry({up(kA)}, 1, "9", 1, u"x").entry.loopCount(), 9u);
}

TEST(BuildMacroEntry, ALongListIsCutWithEveryHeldKeyReleased) {
    // A full recording: 999 keys and the 998 pauses between them. Shift is held throughout and
    // A taps under it, so at the cut Shift (and possibly A) is still down.
    std::vector<EventRow> rows{down(kShift)};
    for (int i = 0; i < 499; ++i) {
        rows.push_back(wait(5));
        rows.push_back(down(kA));
        rows.push_back(wait(5));
        rows.push_back(up(kA));
    }
    ASSERT_EQ(rows.size(), 1997u);
    const BuiltMacro b = buildMacroEntry(rows, rows.size(), "1", 7, u"long");
    EXPECT_TRUE(b.truncated);
    const std::vector<uint32_t> events = eventsOf(b.entry);
    ASSERT_LE(events.size(), kMaxMacroEvents);
    EXPECT_EQ(b.entry.rawEventCount(), events.size());
    // Every press is released before the end, and the tail is the releases.
    std::vector<uint32_t> held;
    for (uint32_t e : events) {
        const uint32_t k = macroEventValue(e);
        if (macroEventKind(e) == uint8_t(MacroEventKind::KeyDown)) held.push_back(k);
        if (macroEventKind(e) == uint8_t(MacroEventKind::KeyUp)) std::erase(held, k);
    }
    EXPECT_TRUE(held.empty());
    EXPECT_EQ(events.back(), keyUp(kShift));
    // Only as much was dropped as the releases needed.
    EXPECT_GE(events.size(), kMaxMacroEvents - 2);
    // The kept events are the list's own, in order.
    for (size_t i = 0; i + 2 < events.size(); ++i)
        EXPECT_EQ(macroEventValue(events[i]), rows[i].value()) << i;
}

TEST(BuildMacroEntry, ExactlyASlotIsNotCut) {
    std::vector<EventRow> rows;
    for (int i = 0; i < 500; ++i) {
        rows.push_back(down(kA));
        rows.push_back(up(kA));
    }
    const BuiltMacro b = buildMacroEntry(rows, rows.size(), "1", 7, u"full");
    EXPECT_FALSE(b.truncated);
    EXPECT_EQ(b.entry.eventCount(), 1000u);
}

TEST(InsertRows, KeysAndDelays) {
    const std::vector<EventRow> base{down(kA), up(kA), wait(100), down(kB), up(kB)};
    struct Case {
        const char* what;
        std::function<bool(std::vector<EventRow>&)> edit;
        bool changed;
        std::vector<EventRow> result;
    };
    const Case cases[] = {
        {"key above row 1",
         [](auto& r) { return insertKeyRows(r, 1, kB); },
         true,
         {down(kA), down(kB), up(kB), up(kA), wait(100), down(kB), up(kB)}},
        {"no key captured", [](auto& r) { return insertKeyRows(r, 1, 0); }, false, base},
        {"delay between keys",
         [](auto& r) { return insertDelayRow(r, 1, "200"); },
         true,
         {down(kA), wait(200), up(kA), wait(100), down(kB), up(kB)}},
        {"delay below a delay joins it",
         [](auto& r) { return insertDelayRow(r, 3, "300"); },
         true,
         {down(kA), up(kA), wait(400), down(kB), up(kB)}},
        {"delay above a delay joins it",
         [](auto& r) { return insertDelayRow(r, 2, "300"); },
         true,
         {down(kA), up(kA), wait(400), down(kB), up(kB)}},
        {"delay joins up to the cap",
         [](auto& r) { return insertDelayRow(r, 2, "9999"); },
         true,
         {down(kA), up(kA), wait(10099), down(kB), up(kB)}},
        {"no delay above the first row", [](auto& r) { return insertDelayRow(r, 0, "50"); }, false,
         base},
        {"delay text with a unit", [](auto& r) { return insertDelayRow(r, 1, "50ms"); }, false,
         base},
        {"empty delay text", [](auto& r) { return insertDelayRow(r, 1, ""); }, false, base},
        {"negative delay", [](auto& r) { return insertDelayRow(r, 1, "-5"); }, false, base},
    };
    for (const Case& c : cases) {
        std::vector<EventRow> rows = base;
        EXPECT_EQ(c.edit(rows), c.changed) << c.what;
        EXPECT_EQ(rows, c.result) << c.what;
    }
    // Inserting next to a long delay never goes past the cap.
    std::vector<EventRow> rows{down(kA), wait(327000), up(kA)};
    EXPECT_TRUE(insertDelayRow(rows, 2, "9999"));
    EXPECT_EQ(rows[1], wait(327670));
}

TEST(ModifyRows, KeysAndDelays) {
    std::vector<EventRow> rows{down(kA), wait(100), up(kA)};
    EXPECT_TRUE(modifyKeyRow(rows, 2, kB));
    EXPECT_EQ(rows[2], up(kB));               // a release stays a release
    EXPECT_FALSE(modifyKeyRow(rows, 1, kB));  // not a key row
    EXPECT_FALSE(modifyKeyRow(rows, 0, 0));
    EXPECT_TRUE(modifyDelayRow(rows, 1, "20000000"));
    EXPECT_EQ(rows[1], wait(16777215));  // a modified delay may exceed the merge cap
    EXPECT_FALSE(modifyDelayRow(rows, 1, "12a"));
    EXPECT_FALSE(modifyDelayRow(rows, 0, "12"));
    EXPECT_EQ(rows, (std::vector<EventRow>{down(kA), wait(16777215), up(kB)}));
}

class Recorder : public ::testing::Test {
  protected:
    std::vector<EventRow> feed(uint32_t code, uint32_t flags, bool ignoreDelays = false) {
        if (recorder.repeatsLast(code, flags)) return {};
        return recorder.record(code, flags, ignoreDelays);
    }
    std::vector<EventRow> pressWaitRelease(uint32_t code, uint64_t ms, bool ignoreDelays) {
        std::vector<EventRow> rows = feed(code, 0, ignoreDelays);
        for (int repeat = 0; repeat < 5; ++repeat) {
            clock.advance(ms / 6);
            const auto more = feed(code, 0, ignoreDelays);  // auto-repeat of the held key
            rows.insert(rows.end(), more.begin(), more.end());
        }
        clock.advance(ms - 5 * (ms / 6));
        const auto last = feed(code, kKeyFlagReleased, ignoreDelays);
        rows.insert(rows.end(), last.begin(), last.end());
        return rows;
    }
    ManualClock clock;
    MacroRecorder recorder{clock};
};

TEST_F(Recorder, HeldKeyGivesOnePressThePauseAndTheRelease) {
    clock.advance(1'000'000);
    recorder.start();
    EXPECT_EQ(pressWaitRelease(kA, 250, false),
              (std::vector<EventRow>{down(kA), wait(250), up(kA)}));
    recorder.start();
    EXPECT_EQ(pressWaitRelease(kA, 250, true), (std::vector<EventRow>{down(kA), up(kA)}));
}

TEST_F(Recorder, TheLastKeyOutlivesARecording) {
    recorder.start();
    pressWaitRelease(kA, 10, false);
    recorder.start();
    // The release of the previous recording's last key, arriving first, is a repeat.
    EXPECT_TRUE(feed(kA, kKeyFlagReleased).empty());
    EXPECT_EQ(feed(kA, 0), (std::vector<EventRow>{down(kA)}));  // no pause before the first key
}

// The recorder stops at 999 keys but always keeps room for the releases of the keys held down,
// so the recording never ends with a press the mouse would hold for good.
TEST_F(Recorder, StopsAt999KeysWithEveryPressReleased) {
    recorder.start();
    std::vector<EventRow> rows;
    // A, B down; A, B up; over and over: two keys are held at once.
    for (uint32_t i = 0; i < 1200; ++i) {
        clock.advance(3);
        const auto more = feed(0x41 + i % 2, (i / 2) % 2 ? kKeyFlagReleased : 0);
        rows.insert(rows.end(), more.begin(), more.end());
    }
    size_t keys = 0;
    for (const EventRow& r : rows) keys += r.isKey();
    EXPECT_LE(keys, kMaxRecordedKeys);
    EXPECT_GE(keys, kMaxRecordedKeys - 1);
    EXPECT_EQ(recorder.recordedKeyCount(), keys);
    EXPECT_TRUE(recorder.full());
    std::vector<EventRow> released = rows;
    EXPECT_EQ(releaseHeldKeys(released), 0u);
    EXPECT_TRUE(feed(0x43, 0).empty());

    // Shift held while the recording fills: its release still goes in after the limit.
    recorder.start();
    EXPECT_FALSE(recorder.full());
    feed(kShift, 0, true);
    for (uint32_t i = 0; recorder.recordedKeyCount() < kMaxRecordedKeys - 1 && i < 2000; ++i)
        feed(i % 2 ? kA : kB, i % 4 < 2 ? 0 : kKeyFlagReleased, true);
    EXPECT_TRUE(feed(0x43, 0, true).empty());  // a press would leave no room for its release
    EXPECT_EQ(feed(kShift, kKeyFlagReleased, true), (std::vector<EventRow>{up(kShift)}));
    EXPECT_LE(recorder.recordedKeyCount(), kMaxRecordedKeys);
}

}  // namespace
}  // namespace z408
