// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include "common/binary.h"
#include "common/clock.h"
#include "common/file_io.h"
#include "macro_fixtures.h"
#include "macros/game_presets.h"
#include "macros/macro_store.h"
#include "macros/macro_usage.h"
#include "temp_dir.h"

namespace z408 {
namespace {

using test::delay;
using test::emptyLibrary;
using test::keyDown;
using test::keyUp;
using test::macroRecord;

constexpr uint32_t kIdA = 0x15000001, kIdB = 0x15000002, kIdC = 0x03000003;

TEST(MacroLibrary, RefusesRecordsThatAreNotStorable) {
    struct Case {
        const char* what;
        uint32_t recordSize;
        uint32_t tag;
        bool stored;
    };
    const Case cases[] = {
        {"editor's smallest record", 4104, kMacroTagUsed, true},
        {"one byte short", 4103, kMacroTagUsed, false},
        {"no size", 0, kMacroTagUsed, false},
        {"free tag", 4104, 0, false},
        {"wrong upper half", 4104, 0xE8E70010, false},
        {"only the upper half is looked at", 4104, 0xE8E8FFFF, true},
        {"a size that lies upwards is accepted", 0xFFFFFFFF, kMacroTagUsed, true},
    };
    for (const auto& c : cases) {
        auto lib = emptyLibrary();
        auto m = macroRecord(kIdA, {keyDown(0x41), keyUp(0x41)});
        m.setRecordSize(c.recordSize);
        m.setTag(c.tag);
        const auto slot = lib->placeMacro(m);
        EXPECT_EQ(slot.has_value(), c.stored) << c.what;
        if (c.stored)
            EXPECT_EQ(lib->slot(*slot), m) << c.what;
        else
            EXPECT_EQ(lib->image(), emptyLibrary()->image()) << c.what;
    }
}

TEST(MacroLibrary, ReplacesByIdInPlaceAndTakesTheFirstFreeSlotOtherwise) {
    auto lib = emptyLibrary();
    // Slot 0 free, slot 1 used, slot 2 free: a new macro goes to slot 0.
    lib->slot(1) = macroRecord(kIdB, {keyDown(0x42)});
    EXPECT_EQ(lib->placeMacro(macroRecord(kIdA, {keyDown(0x41)})), 0u);
    EXPECT_EQ(lib->placeMacro(macroRecord(kIdC, {keyDown(0x43)})), 2u);

    // Storing B again replaces slot 1 and nothing else moves.
    const auto newB = macroRecord(kIdB, {keyDown(0x44), delay(30), keyUp(0x44)}, u"Renamed", 7);
    EXPECT_EQ(lib->placeMacro(newB), 1u);
    EXPECT_EQ(lib->slot(1), newB);
    EXPECT_EQ(lib->slot(0).id(), kIdA);
    EXPECT_EQ(lib->slot(2).id(), kIdC);
    EXPECT_EQ(lib->findMacroById(kIdB), 1u);
}

// A damaged slot with a record size but tag 0 is listed as a macro: a new macro must not take
// its place, or the listed one is overwritten.
TEST(MacroLibrary, ANewMacroNeverTakesTheSlotOfAListedOne) {
    auto lib = emptyLibrary();
    lib->slot(0) = macroRecord(kIdA, {keyDown(0x41), keyUp(0x41)}, u"No tag");
    lib->slot(0).setTag(0);
    ASSERT_TRUE(lib->slot(0).isListed());
    EXPECT_EQ(lib->firstFreeSlot(), 1u);
    EXPECT_EQ(lib->placeMacro(macroRecord(kIdB, {keyDown(0x42)})), 1u);
    EXPECT_EQ(lib->slot(0).name(), u"No tag");
    // Stored again by its id, the listed slot is replaced in place with a proper tag.
    EXPECT_EQ(lib->placeMacro(macroRecord(kIdA, {keyDown(0x43)})), 0u);
    EXPECT_EQ(lib->slot(0).tag(), kMacroTagUsed);
}

TEST(MacroLibrary, NamesAreFoundAmongListedMacrosOfEveryGame) {
    auto lib = emptyLibrary();
    lib->slot(3) = macroRecord(kIdC, {keyDown(0x41)}, u"Jump");  // another game's macro
    lib->slot(4) = macroRecord(kIdB, {keyDown(0x41)}, u"Run");
    lib->slot(5).setName(u"Ghost");  // a free slot's leftover name is no macro's
    EXPECT_EQ(lib->findListedByName(u"Jump", kIdA), 3u);
    EXPECT_EQ(lib->findListedByName(u"Jump", kIdC), std::nullopt);  // its own name
    EXPECT_EQ(lib->findListedByName(u"Ghost", kIdA), std::nullopt);
    EXPECT_EQ(lib->findListedByName(u"run", kIdA), std::nullopt);
}

TEST(MacroLibrary, AFullLibraryRefusesNewIdsButStillReplaces) {
    auto lib = emptyLibrary();
    for (uint32_t i = 0; i < kMacroSlotCount; ++i)
        lib->slot(i) = macroRecord(0x01000000 | i, {keyDown(0x41)});
    const auto before = lib->image();
    EXPECT_FALSE(lib->placeMacro(macroRecord(kIdA, {keyDown(0x41)})));
    EXPECT_EQ(lib->image(), before);
    EXPECT_EQ(lib->placeMacro(macroRecord(0x01000000 | 499, {keyDown(0x42)})), 499u);
}

TEST(MacroLibrary, CopiesOnlyTheCountedEventsAndNeverMoreThanASlotHolds) {
    struct Case {
        const char* what;
        uint32_t claimedCount;
        size_t storedCount;
    };
    const Case cases[] = {
        {"none", 0, 0},
        {"two of many", 2, 2},
        {"exactly a slot", 1000, 1000},
        {"one beyond", 1001, 1000},
        {"a hostile count", 0xFFFFFFFF, 1000},
    };
    for (const auto& c : cases) {
        auto lib = emptyLibrary();
        // Every event position is filled, as junk past the count would be.
        auto m = macroRecord(kIdA, {}, u"Keep my name", 3);
        for (size_t i = 0; i < kMaxMacroEvents; ++i)
            m.setEvent(i, keyDown(static_cast<uint32_t>(i + 1)));
        m.setEventCount(c.claimedCount);
        const auto slot = lib->placeMacro(m);
        ASSERT_TRUE(slot) << c.what;
        const MacroEntry& s = lib->slot(*slot);
        EXPECT_EQ(s.rawEventCount(), c.storedCount) << c.what;
        for (size_t i = 0; i < kMaxMacroEvents; ++i)
            ASSERT_EQ(s.event(i), i < c.storedCount ? keyDown(static_cast<uint32_t>(i + 1)) : 0u)
                << c.what << " event " << i;
        EXPECT_EQ(s.name(), u"Keep my name") << c.what;  // the name right after the events survives
        EXPECT_EQ(s.loopCount(), 3u) << c.what;
    }
}

TEST(MacroLibrary, StoringASlotIntoItselfKeepsItsEvents) {
    // The rename path stores the slot itself.
    auto lib = emptyLibrary();
    lib->slot(4) = macroRecord(kIdA, {keyDown(0x41), delay(50), keyUp(0x41)}, u"Old");
    lib->slot(4).setName(u"New");
    EXPECT_EQ(lib->placeMacro(lib->slot(4)), 4u);
    EXPECT_EQ(lib->slot(4).event(1), delay(50));
    EXPECT_EQ(lib->slot(4).name(), u"New");
}

TEST(MacroLibrary, ListsPresetMacrosBySlotWithTheListedRule) {
    auto lib = emptyLibrary();
    lib->slot(3) = macroRecord(0x15000003, {keyDown(1)});
    lib->slot(1) = macroRecord(0x15000001, {keyDown(1)});
    lib->slot(2) = macroRecord(0x01000002, {keyDown(1)});  // another game
    // Listed by its size alone, though its tag says free.
    lib->slot(7).setRecordSize(4104);
    lib->slot(7).setId(0x15000007);
    // Listed by its tag alone, though its size is too small.
    lib->slot(9).setTag(0xE8E80000);
    lib->slot(9).setId(0x15000009);
    // Neither: not a macro.
    lib->slot(11).setRecordSize(4103);
    lib->slot(11).setId(0x1500000B);
    EXPECT_EQ(lib->listPreset(21), (std::vector<size_t>{1, 3, 7, 9}));
    EXPECT_EQ(lib->listPreset(1), (std::vector<size_t>{2}));
    EXPECT_TRUE(lib->listPreset(5).empty());
}

TEST(MacroLibrary, ClearMacroZeroesTheFirstSlotWithTheId) {
    auto lib = emptyLibrary();
    lib->slot(2) = macroRecord(kIdA, {keyDown(1)});
    lib->slot(5) = macroRecord(kIdA, {keyDown(2)});  // a duplicate id: the first wins
    EXPECT_TRUE(lib->clearMacro(kIdA));
    EXPECT_EQ(lib->slot(2), MacroEntry{});
    EXPECT_EQ(lib->findMacroById(kIdA), 5u);
    EXPECT_FALSE(lib->clearMacro(kIdB));
}

TEST(MacroUsage, InUseThroughAnyStoredEntryOrAnActiveMacroButton) {
    ProfileTable table;
    table.setMacroIds(4, {0, 0, 0, 0, 0, 0, kIdA});  // last button of the last entry
    auto active = ProfileSettings::defaults(false);
    active.button(3).setFunctionType(fn::Macro);
    active.button(3).setMacroId(kIdB);
    active.button(5).setFunctionType(fn::KeyCombination);
    active.button(5).setMacroId(kIdC);  // a leftover id without the macro function

    struct Case {
        uint32_t id;
        bool inUse;
    };
    for (const auto& c :
         {Case{kIdA, true}, Case{kIdB, true}, Case{kIdC, false}, Case{0x15999999, false}})
        EXPECT_EQ(isMacroInUse(c.id, table, active), c.inUse) << std::hex << c.id;
}

// The deletion test of a running window: z408ctl may have given another profile the macro
// since the window read the table, so what is on disk counts as much as what is in memory.
TEST(MacroUsage, InUseThroughEveryProfileAsStoredNow) {
    test::TempDir dir;
    RecordingNotices notices;
    ProfileStore profiles(dir.path(), notices);
    profiles.loadTableAndActiveProfile();  // makes Profile1.cfg; profile 1 is active
    profiles.macroIdList()[0] = kIdC;      // the window's own, not applied yet
    // Written behind the window's back: profile 5's table ids and profile 3's file.
    ProfileTable behind = profiles.storedTable();
    behind.setMacroIds(4, {0, kIdA, 0, 0, 0, 0, 0});
    ASSERT_TRUE(writeFileAtomic(profiles.tablePath(), behind.image()));
    auto third = ProfileSettings::defaults(false);
    third.button(6).setFunctionType(fn::Macro);
    third.button(6).setMacroId(kIdB);
    ASSERT_TRUE(writeFileAtomic(profiles.profilePath(2), third.image()));

    struct Case {
        uint32_t id;
        bool inUse;
    };
    for (const auto& c :
         {Case{kIdA, true}, Case{kIdB, true}, Case{kIdC, true}, Case{0x15999999, false}}) {
        EXPECT_EQ(isMacroInUse(c.id, profiles), c.inUse) << std::hex << c.id;
        // The table read at start-up saw none of the changes on disk.
        EXPECT_FALSE(isMacroInUse(c.id, profiles.table(), profiles.active())) << std::hex << c.id;
    }
}

TEST(MacroUsage, ButtonsWhoseMacroIsGoneFromTheLibrary) {
    auto lib = emptyLibrary();
    lib->slot(3) = macroRecord(kIdA, {keyDown(0x41), keyUp(0x41)});
    auto profile = ProfileSettings::defaults(false);
    const MacroIdList ids{kIdA, kIdB, 0, kIdA, 0, kIdC, 0};
    for (int b : {0, 1, 2, 5}) profile.button(b).setFunctionType(fn::Macro);
    // 0: its macro is there; 1: deleted; 2: id 0 finds only a free slot; 3: an id left without
    // the macro function; 5: deleted.
    EXPECT_EQ(buttonsWithoutTheirMacro(profile, ids, *lib), (std::vector<int>{1, 2, 5}));
    EXPECT_FALSE(lib->findSendableMacro(0));
    EXPECT_EQ(lib->findSendableMacro(kIdA), 3u);
}

TEST(MacroIds, PresetAboveTheLow24BitsOfTheTick) {
    ManualClock clock;
    clock.advance(0x7654321);
    EXPECT_EQ(createMacroId(5, clock), 0x05654321u);
    clock.advance(0x1000000);  // 2^24 ms later the same id comes round again
    EXPECT_EQ(createMacroId(5, clock), 0x05654321u);
    EXPECT_EQ(macroPreset(createMacroId(21, clock)), 21);
}

TEST(GamePresets, TwentyOnePresetsInOrderWithTheirVariantTexts) {
    const auto table = gamePresetTable();
    ASSERT_EQ(table.size(), 21u);
    for (size_t i = 0; i < table.size(); ++i) EXPECT_EQ(table[i].preset, i + 1);

    EXPECT_EQ(gamePresetMenuText(1, false), "Battlefield 3 ");
    EXPECT_EQ(gamePresetLabel(1, false), "Battlefield 3");
    EXPECT_EQ(gamePresetLabel(5, true), "军团要塞 2");
    EXPECT_EQ(gamePresetMenuText(5, true), "军团要塞2");
    EXPECT_EQ(gamePresetMenuText(21, false), "Customize");
    EXPECT_EQ(gamePresetLabel(21, false), "Customize");
    // The preset button: titles stay names, the player's own group follows the language.
    EXPECT_EQ(gamePresetCaption(21, false, 2), "Customize");
    EXPECT_EQ(gamePresetCaption(21, true, 1), "玩家自定义");
    EXPECT_EQ(gamePresetCaption(21, false, 5), "Eigene Makros");
    EXPECT_EQ(gamePresetCaption(1, false, 5), "Battlefield 3");
    EXPECT_EQ(gamePresetCaption(5, true, 1), "军团要塞 2");
    // The picker's game list: labels, but Chinese Dota 2 with the menu's trailing space.
    EXPECT_EQ(gamePresetPickerText(13, true, 1), "远古遗迹守卫2（Dota 2） ");
    EXPECT_EQ(gamePresetLabel(13, true), "远古遗迹守卫2（Dota 2）");
    EXPECT_EQ(gamePresetPickerText(13, false, 2), "Dota 2 ");
    EXPECT_EQ(gamePresetPickerText(21, false, 2), "Customize");
    EXPECT_EQ(gamePresetPickerText(21, false, 10), gamePresetCaption(21, false, 10));
    for (uint32_t unknown : {0u, 22u, 255u, 0x115u}) {
        EXPECT_EQ(findGamePreset(unknown), nullptr);
        EXPECT_TRUE(gamePresetLabel(unknown, false).empty());
    }
}

}  // namespace
}  // namespace z408
