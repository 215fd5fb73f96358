// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <optional>
#include <random>

#include "common/binary.h"
#include "common/file_io.h"
#include "macro_fixtures.h"
#include "macros/macro_editing.h"
#include "macros/macro_store.h"
#include "temp_dir.h"

namespace z408 {
namespace {

using test::keyDown;
using test::keyUp;
using test::macroRecord;

std::vector<uint8_t> readAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class MacroStoreTest : public ::testing::Test {
  protected:
    MacroStoreTest() : library(test::emptyLibrary()), store(*library, dir.path(), notices, clock) {}

    void writeMacroFile(const std::vector<uint8_t>& bytes) {
        ASSERT_TRUE(writeFileAtomic(store.path(), bytes));
    }
    // A file image whose slots hold the given macros, slot by slot.
    static std::vector<uint8_t> fileWith(
        std::initializer_list<std::pair<size_t, MacroEntry>> slots) {
        std::vector<uint8_t> bytes(kMacroLibrarySize, 0);
        for (const auto& [index, m] : slots)
            std::copy(m.image().begin(), m.image().end(),
                      bytes.begin() + static_cast<std::ptrdiff_t>(index * kMacroEntrySize));
        return bytes;
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& n : notices.shown) out.push_back(n.text);
        return out;
    }

    test::TempDir dir;
    RecordingNotices notices;
    ManualClock clock;
    std::unique_ptr<MacroLibrary> library;
    MacroStore store;
};

TEST_F(MacroStoreTest, AShortFileLoadsAndLeavesTheRemainingSlotsFree) {
    auto bytes = fileWith({{0, macroRecord(0x15000001, {keyDown(0x41)})},
                           {1, macroRecord(0x15000002, {keyDown(0x42)}, u"Second")}});
    // Cut in the middle of slot 1's events: its tail (name included) reads as zero.
    bytes.resize(kMacroEntrySize + 100);
    writeMacroFile(bytes);
    library->slot(7) = macroRecord(0x15000007, {keyDown(1)});  // replaced by the load

    ASSERT_TRUE(store.loadMacroLibrary());
    EXPECT_EQ(library->slot(0).id(), 0x15000001u);
    EXPECT_EQ(library->slot(1).event(0), keyDown(0x42));
    EXPECT_EQ(library->slot(1).name(), u"");
    for (size_t i = 2; i < kMacroSlotCount; ++i) ASSERT_TRUE(library->slot(i).isFree()) << i;
    EXPECT_TRUE(notices.shown.empty());
}

TEST_F(MacroStoreTest, ALongFileLoadsItsFirst2052000Bytes) {
    auto bytes = fileWith({{499, macroRecord(0x15000001, {keyDown(0x41)})}});
    bytes.resize(kMacroLibrarySize + 4096, 0xEE);
    writeMacroFile(bytes);
    ASSERT_TRUE(store.loadMacroLibrary());
    EXPECT_EQ(library->findMacroById(0x15000001), 499u);
    bytes.resize(kMacroLibrarySize);
    EXPECT_EQ(library->image(), bytes);
}

// Apply reads Macro.cfg again when it no longer mirrors the library in memory.
TEST_F(MacroStoreTest, DiffersOnDiskOnlyWhenAReadableFileHoldsSomethingElse) {
    const MacroEntry small = macroRecord(0x15000001, {keyDown(0x41), keyUp(0x41)}, u"Small");
    struct Case {
        const char* what;
        std::optional<std::vector<uint8_t>> file;  // nothing: no file
        bool differs;
        size_t length = kMacroLibrarySize;
    };
    const Case cases[] = {
        {"the same bytes", fileWith({{2, small}}), false},
        {"a short file with the same slots", fileWith({{2, small}}), false, 4 * kMacroEntrySize},
        {"the macro deleted behind the program's back", fileWith({}), true},
        {"another macro added", fileWith({{2, small}, {3, macroRecord(0x15000002, {})}}), true},
        {"no file: nothing to read again", std::nullopt, false},
    };
    library->slot(2) = small;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(store.path());
        if (c.file) {
            auto bytes = *c.file;
            bytes.resize(c.length);
            writeMacroFile(bytes);
        }
        EXPECT_EQ(store.differsOnDisk(), c.differs);
    }
    EXPECT_TRUE(notices.shown.empty());
}

TEST_F(MacroStoreTest, AMissingFileIsReportedAndTheTableKeepsItsContents) {
    library->slot(3) = macroRecord(0x15000003, {keyDown(1)});
    const auto before = library->image();
    EXPECT_FALSE(store.loadMacroLibrary());
    EXPECT_EQ(library->image(), before);
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].style, NoticeStyle::InfoBox);
    EXPECT_EQ(notices.shown[0].text, "Failed to open " + store.path().string());
}

TEST_F(MacroStoreTest, AnUnreadableFileIsReportedNotTakenForAnEmptyLibrary) {
    std::filesystem::create_directory(store.path());  // a folder where the file should be
    library->slot(0) = macroRecord(0x15000001, {keyDown(1)});
    EXPECT_FALSE(store.loadMacroLibrary());
    EXPECT_EQ(library->slot(0).id(), 0x15000001u);
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_NE(notices.shown[0].text.find("Could not read " + store.path().string()),
              std::string::npos);
    // The information box shows three lines: a path and its reason need the message box.
    EXPECT_EQ(notices.shown[0].style, NoticeStyle::MessageBox);
    // In the chosen language.
    notices.shown.clear();
    notices.language = 5;
    EXPECT_FALSE(store.loadMacroLibrary());
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(
        notices.shown[0].text.rfind(store.path().string() + " konnte nicht gelesen werden: ", 0),
        0u)
        << notices.shown[0].text;
}

TEST_F(MacroStoreTest, LoadAndSaveKeepEveryByteOfAnyFile) {
    // Files stay byte-compatible: whatever a slot holds is written back unchanged.
    std::vector<uint8_t> bytes(kMacroLibrarySize);
    std::mt19937 rng(408);
    for (auto& b : bytes) b = static_cast<uint8_t>(rng());
    writeMacroFile(bytes);
    ASSERT_TRUE(store.loadMacroLibrary());
    ASSERT_TRUE(store.saveMacroLibrary());
    EXPECT_EQ(readAll(store.path()), bytes);
}

TEST_F(MacroStoreTest, SavingAnExistingFileWaitsAroundTheWrite) {
    writeMacroFile(std::vector<uint8_t>(kMacroLibrarySize, 0));
    library->slot(9) = macroRecord(0x15000009, {keyDown(0x41), keyUp(0x41)});
    const uint64_t start = clock.nowMs();
    ASSERT_TRUE(store.saveMacroLibrary());
    EXPECT_EQ(clock.nowMs() - start, 2 * kMacroSaveSettleMs);
    EXPECT_EQ(readAll(store.path()), library->image());
    EXPECT_TRUE(notices.shown.empty());
}

TEST_F(MacroStoreTest, SavingAMissingFileReportsItThenCreatesItWithoutWaiting) {
    ASSERT_TRUE(store.saveMacroLibrary());
    EXPECT_EQ(clock.nowMs(), 0u);
    EXPECT_EQ(readAll(store.path()).size(), kMacroLibrarySize);
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].style, NoticeStyle::MessageBox);
    EXPECT_EQ(notices.shown[0].caption, "Info");
    EXPECT_EQ(notices.shown[0].text, "Failed to open " + store.path().string());
}

TEST_F(MacroStoreTest, ACreationThatFailsIsNeverSilent) {
    MacroStore lost(*library, dir / "no-such-folder", notices, clock);
    EXPECT_FALSE(lost.saveMacroLibrary());
    ASSERT_EQ(notices.shown.size(), 2u);
    EXPECT_EQ(notices.shown[0].text, "Failed to open " + lost.path().string());
    EXPECT_NE(notices.shown[1].text.find("Could not save " + lost.path().string()),
              std::string::npos);
    if (::geteuid() != 0) {  // root ignores permissions
        notices.shown.clear();
        std::filesystem::create_directory(dir / "ro");
        std::filesystem::permissions(
            dir / "ro", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        MacroStore denied(*library, dir / "ro", notices, clock);
        EXPECT_FALSE(denied.saveMacroLibrary());
        EXPECT_EQ(texts(), (std::vector<std::string>{"Failed to open " + denied.path().string(),
                                                     "str_msg4"}));
    }
}

TEST_F(MacroStoreTest, StoreReplacesInPlaceAndSaves) {
    writeMacroFile(fileWith({{0, macroRecord(0x15000001, {keyDown(0x41)})},
                             {1, macroRecord(0x15000002, {keyDown(0x42)})}}));
    ASSERT_TRUE(store.loadMacroLibrary());
    const auto edited = macroRecord(0x15000001, {keyDown(0x43), keyUp(0x43)}, u"Edited", 4);
    ASSERT_TRUE(store.storeMacro(edited));
    EXPECT_EQ(library->findMacroById(0x15000001), 0u);
    const auto file = readAll(store.path());
    EXPECT_EQ(file, library->image());
    EXPECT_EQ(le::get32(file, macro_offset::Events), keyDown(0x43));
}

TEST_F(MacroStoreTest, AFullLibraryLeavesTheFileUnchangedAndSaysNothing) {
    std::vector<uint8_t> bytes(kMacroLibrarySize);
    for (size_t i = 0; i < kMacroSlotCount; ++i) {
        const auto m = macroRecord(0x01000000 | static_cast<uint32_t>(i), {keyDown(0x41)});
        std::copy(m.image().begin(), m.image().end(),
                  bytes.begin() + static_cast<std::ptrdiff_t>(i * kMacroEntrySize));
    }
    writeMacroFile(bytes);
    ASSERT_TRUE(store.loadMacroLibrary());
    const auto modified = std::filesystem::last_write_time(store.path());
    EXPECT_FALSE(store.storeMacro(macroRecord(0x15000001, {keyDown(0x41)})));
    EXPECT_EQ(readAll(store.path()), bytes);
    EXPECT_EQ(std::filesystem::last_write_time(store.path()), modified);
    EXPECT_EQ(clock.nowMs(), 0u);  // no save was even started
    EXPECT_TRUE(notices.shown.empty());
}

TEST_F(MacroStoreTest, DeleteZeroesTheSlotAndSavesEvenWhenThereWasNone) {
    writeMacroFile(fileWith({{5, macroRecord(0x15000005, {keyDown(0x41)})}}));
    ASSERT_TRUE(store.loadMacroLibrary());
    store.deleteMacro(0x15000005);
    EXPECT_FALSE(library->findMacroById(0x15000005));
    EXPECT_EQ(readAll(store.path()), std::vector<uint8_t>(kMacroLibrarySize, 0));
    // A macro that never had events has no slot; the file is rewritten all the same.
    store.deleteMacro(0x15000006);
    EXPECT_EQ(clock.nowMs(), 4 * kMacroSaveSettleMs);
}

TEST_F(MacroStoreTest, AHostileSlotIsReadBoundedAndStoredBackSafely) {
    MacroEntry hostile = macroRecord(0x15000001, {keyDown(0x41)});
    hostile.setRecordSize(4);           // lies downwards: refused by storing, still listed by tag
    hostile.setEventCount(0xFFFFFFFF);  // far beyond the slot
    std::vector<uint8_t> bytes = fileWith({{499, hostile}});
    // An unterminated name that runs to the end of the file.
    for (size_t u = 0; u < kMacroNameUnits; ++u)
        le::put16(bytes, 499 * kMacroEntrySize + macro_offset::Name + 2 * u, u'Z');
    writeMacroFile(bytes);
    ASSERT_TRUE(store.loadMacroLibrary());

    const MacroEntry& slot = library->slot(499);
    EXPECT_TRUE(slot.isListed());
    EXPECT_EQ(slot.eventCount(), kMaxMacroEvents);
    EXPECT_EQ(slot.event(kMaxMacroEvents), 0u);
    EXPECT_EQ(slot.name(), std::u16string(kMacroNameUnits - 1, u'Z'));
    EXPECT_FALSE(store.storeMacro(slot));  // its size is below the smallest record

    MacroEntry renamed = slot;
    renamed.setRecordSize(4104);
    renamed.setName(u"Fixed");
    ASSERT_TRUE(store.storeMacro(renamed));
    EXPECT_EQ(library->slot(499).rawEventCount(), kMaxMacroEvents);
    EXPECT_EQ(library->slot(499).name(), u"Fixed");
}

// tests/data/macros/damaged_slots.cfg, four slots of a damaged library: 0 "No tag" (a record
// size, tag 0), 1 "Loop zero" (loop count 0), 2 "Loop max" (4294967295), 3 "F13 only" (a key
// the mouse has no usage for).
TEST_F(MacroStoreTest, ADamagedLibraryIsShownAsPlayedAndNoListedMacroIsOverwritten) {
    std::vector<uint8_t> fixture;
    ASSERT_TRUE(readFilePrefix(std::filesystem::path(Z408_TEST_DATA) / "macros/damaged_slots.cfg",
                               kMacroLibrarySize, fixture));
    writeMacroFile(fixture);
    ASSERT_TRUE(store.loadMacroLibrary());
    EXPECT_EQ(library->listPreset(21), (std::vector<size_t>{0, 1, 2, 3}));

    const std::pair<size_t, const char*> loops[] = {{0, "1"}, {1, "1"}, {2, "65533"}, {3, "1"}};
    for (const auto& [slot, shown] : loops)
        EXPECT_EQ(loopTextOfMacro(library->slot(slot)), shown) << slot;
    EXPECT_EQ(rowsOfMacro(library->slot(3)).rows[0].text, "0x7C");

    ASSERT_TRUE(store.storeMacro(macroRecord(0x15000009, {keyDown(0x44), keyUp(0x44)}, u"New")));
    EXPECT_EQ(library->findMacroById(0x15000009), 4u);
    const std::vector<uint8_t> saved = readAll(store.path());
    EXPECT_TRUE(std::equal(fixture.begin(), fixture.end(), saved.begin()));
}

}  // namespace
}  // namespace z408
