// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <fstream>

#include "common/file_io.h"
#include "common/file_set.h"
#include "common/text.h"
#include "config/profile_store.h"
#include "temp_dir.h"

namespace z408 {
namespace {

std::vector<uint8_t> readAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ProfileStoreTest : public ::testing::Test {
  protected:
    ProfileStoreTest() : store(dir.path(), notices) {
        std::filesystem::create_directories(dir / "Profile");
    }

    void writeTable(std::initializer_list<std::pair<int, uint32_t>> activeFlags,
                    bool magic = true) {
        ProfileTable t;
        for (int e = 0; e < kProfileCount; ++e) {
            if (magic) t.setEntryMagic(e, kEntryMagic);
            t.setMacroIds(e, {static_cast<uint32_t>(e + 1) << 24, 0, 0, 0, 0, 0, 0x77});
        }
        for (auto [e, flag] : activeFlags) t.setActiveFlag(e, flag);
        ASSERT_TRUE(writeFileAtomic(store.tablePath(), t.image()));
    }
    // A valid profile whose pointer speed tells which one it is.
    void writeProfile(int entry, uint32_t marker) {
        auto p = ProfileSettings::defaults(false);
        p.setPointerSpeed(marker);
        ASSERT_TRUE(writeFileAtomic(store.profilePath(entry), p.image()));
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& n : notices.shown) out.push_back(n.text);
        return out;
    }

    test::TempDir dir;
    RecordingNotices notices;
    ProfileStore store;
};

TEST_F(ProfileStoreTest, StartUpTakesTheFirstActiveEntry) {
    writeTable({{1, 1}, {3, 1}});
    for (int e = 0; e < 5; ++e) writeProfile(e, 11 + static_cast<uint32_t>(e));
    store.loadTableAndActiveProfile();
    EXPECT_EQ(store.activeEntry(), 1);
    EXPECT_EQ(store.active().pointerSpeed(), 12u);
    EXPECT_EQ(store.macroIdList()[0], 2u << 24);
    EXPECT_EQ(store.macroIdList()[6], 0x77u);
    EXPECT_TRUE(notices.shown.empty());
    // Paths are rewritten from this machine's data directory.
    EXPECT_EQ(utf16ToUtf8(store.table().path(4)), store.profilePath(4).string());
    // Selecting any profile clears every other flag.
    ASSERT_TRUE(store.selectProfile(4));
    for (int e = 0; e < 5; ++e) EXPECT_EQ(store.table().shownSelected(e), e == 4) << e;
    EXPECT_EQ(store.active().pointerSpeed(), 15u);
    EXPECT_EQ(store.macroIdList()[0], 5u << 24);
}

TEST_F(ProfileStoreTest, MissingTableMakesProfileOneActiveButShowsNoButton) {
    writeProfile(0, 7);
    store.loadTableAndActiveProfile();
    EXPECT_EQ(texts(), std::vector<std::string>{"Failed to open file, check whether there is a " +
                                                store.tablePath().string() + " path?"});
    EXPECT_EQ(store.activeEntry(), 0);
    EXPECT_EQ(store.active().pointerSpeed(), 7u);
    for (int e = 0; e < 5; ++e) EXPECT_FALSE(store.table().shownSelected(e));
    EXPECT_EQ(store.table().activeFlag(0), 1u);
    // After a successful upload the stored table still has no magic.
    ASSERT_TRUE(store.saveAfterUpload());
    ProfileTable stored;
    stored.assign(readAll(store.tablePath()));
    EXPECT_EQ(stored.entryMagic(0), 0u);
    EXPECT_EQ(stored.activeFlag(0), 1u);
    // Selecting still works.
    writeProfile(2, 9);
    EXPECT_TRUE(store.selectProfile(2));
    EXPECT_EQ(store.active().pointerSpeed(), 9u);
}

TEST_F(ProfileStoreTest, InvalidActiveProfileIsReplacedByDefaultsAndTheWalkGoesOn) {
    writeTable({{2, 1}});
    ASSERT_TRUE(writeFileAtomic(store.profilePath(2), std::vector<uint8_t>(kProfileSize, 0)));
    writeProfile(0, 4);
    store.loadTableAndActiveProfile();
    EXPECT_EQ(texts(),
              std::vector<std::string>{store.profilePath(2).string() + " is an invaild Profile!"});
    EXPECT_EQ(notices.shown[0].style, NoticeStyle::MessageBox);
    EXPECT_EQ(notices.shown[0].caption, "Info");
    const auto defaults = ProfileSettings::defaults(false).image();
    EXPECT_EQ(readAll(store.profilePath(2)),
              std::vector<uint8_t>(defaults.begin(), defaults.end()));
    EXPECT_EQ(store.table().activeFlag(2), 0u);
    EXPECT_EQ(store.activeEntry(), 0);
    EXPECT_EQ(store.active().pointerSpeed(), 4u);
    EXPECT_TRUE(store.table().shownSelected(0));
}

TEST_F(ProfileStoreTest, MissingActiveProfileIsReportedAndRecreated) {
    writeTable({{3, 1}});
    store.loadTableAndActiveProfile();
    ASSERT_GE(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].text, "Failed to open file, check whether there is a " +
                                         store.profilePath(3).string() + " path?");
    EXPECT_TRUE(std::filesystem::exists(store.profilePath(3)));
    EXPECT_EQ(store.activeEntry(), 0);  // profile 1 file missing too: defaults written silently
    EXPECT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(store.active(), ProfileSettings::defaults(false));
    EXPECT_TRUE(std::filesystem::exists(store.profilePath(0)));
}

TEST_F(ProfileStoreTest, ShortFileWithMagicLoadsWithZeroTail) {
    writeTable({{0, 1}});
    auto p = ProfileSettings::defaults(false);
    std::vector<uint8_t> head(p.image().begin(), p.image().begin() + 100);
    ASSERT_TRUE(writeFileAtomic(store.profilePath(0), head));
    store.loadTableAndActiveProfile();
    EXPECT_TRUE(notices.shown.empty());
    EXPECT_EQ(store.active().button(0).functionType(), 1u);
    EXPECT_EQ(store.active().dpiLevel(0), 0u);
}

TEST_F(ProfileStoreTest, SelectingAMissingProfileKeepsTheCurrentOne) {
    writeTable({{0, 1}});
    writeProfile(0, 3);
    store.loadTableAndActiveProfile();
    store.active().setPointerSpeed(17);  // unsaved edit
    EXPECT_FALSE(store.selectProfile(1));
    EXPECT_EQ(texts(), std::vector<std::string>{"Failed to open file, check whether there is a " +
                                                store.profilePath(1).string() + " path?"});
    EXPECT_TRUE(std::filesystem::exists(store.profilePath(1)));
    EXPECT_EQ(store.activeEntry(), 0);
    EXPECT_EQ(store.active().pointerSpeed(), 17u);
    EXPECT_TRUE(store.table().shownSelected(0));
    EXPECT_FALSE(store.table().shownSelected(1));
    // The default file now exists, so a second try succeeds.
    EXPECT_TRUE(store.selectProfile(1));
    EXPECT_EQ(store.active(), ProfileSettings::defaults(false));
}

TEST_F(ProfileStoreTest, SaveAfterUploadWritesProfileTableAndMacroIds) {
    writeTable({{0, 1}});
    writeProfile(0, 3);
    writeProfile(1, 5);
    store.loadTableAndActiveProfile();
    ASSERT_TRUE(store.selectProfile(1));
    store.macroIdList()[4] = 0x15000042;
    store.active().setPointerSpeed(20);
    ASSERT_TRUE(store.saveAfterUpload());
    EXPECT_EQ(readAll(store.profilePath(1)),
              std::vector<uint8_t>(store.active().image().begin(), store.active().image().end()));
    ProfileTable stored;
    const auto bytes = readAll(store.tablePath());
    ASSERT_EQ(bytes.size(), kTableSize);
    stored.assign(bytes);
    EXPECT_EQ(stored.activeFlag(0), 0u);
    EXPECT_EQ(stored.activeFlag(1), 1u);
    EXPECT_EQ(stored.macroIds(1)[4], 0x15000042u);
}

// z408ctl writes other entries while the window runs: the window must neither write back the
// table it read at start-up nor switch to an entry with the ids it had then.
TEST_F(ProfileStoreTest, OtherEntriesAreTakenAsStoredWhenSavingAndSwitching) {
    writeTable({{0, 1}});
    for (int e = 0; e < 5; ++e) writeProfile(e, 1 + static_cast<uint32_t>(e));
    store.loadTableAndActiveProfile();
    store.macroIdList()[2] = 0x15000001;  // the window's own unsaved id on profile 1
    ProfileTable behind;
    behind.assign(readAll(store.tablePath()));
    behind.setMacroIds(4, {0, 0x15000005, 0, 0, 0, 0, 0});  // z408ctl: profile 5, middle
    behind.setEntryMagic(3, 0);
    ASSERT_TRUE(writeFileAtomic(store.tablePath(), behind.image()));
    EXPECT_EQ(store.storedTable().macroIds(4)[1], 0x15000005u);

    ASSERT_TRUE(store.saveAfterUpload());
    ProfileTable saved;
    saved.assign(readAll(store.tablePath()));
    struct Case {
        int entry;
        uint32_t magic;
        MacroIdList ids;
        uint32_t active;
    };
    const uint32_t e1 = 1u << 24, e2 = 2u << 24, e3 = 3u << 24;
    for (const Case& c : {Case{0, kEntryMagic, {e1, 0, 0x15000001, 0, 0, 0, 0x77}, 1},
                          Case{1, kEntryMagic, {e2, 0, 0, 0, 0, 0, 0x77}, 0},
                          Case{2, kEntryMagic, {e3, 0, 0, 0, 0, 0, 0x77}, 0},
                          Case{3, 0, {4u << 24, 0, 0, 0, 0, 0, 0x77}, 0},
                          Case{4, kEntryMagic, {0, 0x15000005, 0, 0, 0, 0, 0}, 0}}) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(saved.entryMagic(c.entry), c.magic);
        EXPECT_EQ(saved.macroIds(c.entry), c.ids);
        EXPECT_EQ(saved.activeFlag(c.entry), c.active);
        EXPECT_EQ(saved.path(c.entry), utf8ToUtf16(store.profilePath(c.entry).string()));
    }

    behind.setMacroIds(2, {0, 0, 0, 0x15000003, 0, 0, 0});
    ASSERT_TRUE(writeFileAtomic(store.tablePath(), behind.image()));
    ASSERT_TRUE(store.selectProfile(2));
    EXPECT_EQ(store.macroIdList(), (MacroIdList{0, 0, 0, 0x15000003, 0, 0, 0}));
    EXPECT_EQ(store.storedProfile(2)->pointerSpeed(), 3u);
    std::filesystem::remove(store.profilePath(1));
    EXPECT_FALSE(store.storedProfile(1));
}

// A dialog opened for one profile ends after z408ctl switched to another: it does nothing and
// the person learns why.
TEST_F(ProfileStoreTest, StillActiveTellsWhenTheProfileWasSwitched) {
    writeTable({{0, 1}});
    writeProfile(0, 1);
    writeProfile(1, 2);
    store.loadTableAndActiveProfile();
    EXPECT_TRUE(store.stillActive(0));
    EXPECT_TRUE(notices.shown.empty());
    ASSERT_TRUE(store.selectProfile(1));
    EXPECT_FALSE(store.stillActive(0));
    EXPECT_EQ(texts(), (std::vector<std::string>{
                           "The profile was switched while the dialog was open: the new one was "
                           "left unchanged."}));
}

TEST_F(ProfileStoreTest, SaveFailureIsReported) {
    store.loadTableAndActiveProfile();
    notices.shown.clear();
    std::filesystem::remove_all(dir / "Profile");
    EXPECT_FALSE(store.saveAfterUpload());
    // The profile and the table are written together: the first failure stops both.
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].text, "Failed to open " + store.profilePath(0).string());
}

TEST_F(ProfileStoreTest, ImportAcceptsOnlyProfilesAndExportRoundTrips) {
    store.loadTableAndActiveProfile();
    notices.shown.clear();
    const auto before = store.active();

    const auto bad = dir / "bad.cfg";
    ASSERT_TRUE(writeFileAtomic(bad, std::vector<uint8_t>(kProfileSize, 0)));
    const std::filesystem::path inputs[] = {bad, dir / "missing.cfg", dir / "Profile"};
    for (const auto& input : inputs) {
        EXPECT_FALSE(store.importProfile(input)) << input;
        EXPECT_EQ(store.active(), before);
    }
    EXPECT_EQ(notices.shown.back().text, (dir / "Profile").string() + " is an invaild Profile!");

    store.active().setLightingMode(2);
    ASSERT_TRUE(store.exportProfile(dir / "out.cfg"));
    store.active().setLightingMode(6);
    ASSERT_TRUE(store.importProfile(dir / "out.cfg"));
    EXPECT_EQ(store.active().lightingMode(), 2u);
}

}  // namespace
}  // namespace z408

namespace z408 {
namespace {

TEST_F(ProfileStoreTest, UnsavedEditsAreWhatTheActiveEntryHoldsBeyondItsFiles) {
    writeTable({{1, 1}});
    for (int e = 0; e < 5; ++e) writeProfile(e, 11 + static_cast<uint32_t>(e));
    store.loadTableAndActiveProfile();
    EXPECT_FALSE(store.unsavedEdits(1));
    store.active().setPointerSpeed(3);
    EXPECT_TRUE(store.unsavedEdits(1));
    EXPECT_FALSE(store.unsavedEdits(0));  // only the active profile is edited in memory
    ASSERT_TRUE(store.saveAfterUpload());
    EXPECT_FALSE(store.unsavedEdits(1));
    store.macroIdList()[2] = 0x99;  // a macro given to a button
    EXPECT_TRUE(store.unsavedEdits(1));
    ASSERT_TRUE(store.saveAfterUpload());
    // The file changed under the program (z408ctl wrote it): memory no longer matches.
    writeProfile(1, 5);
    EXPECT_TRUE(store.unsavedEdits(1));
}

// Two writers of one folder (the window's Apply and z408ctl on another profile): each keeps
// what the other stored for its own entry, and the profile with its table change together.
TEST_F(ProfileStoreTest, WritersKeepEachOthersEntries) {
    writeTable({{0, 1}});
    for (int e = 0; e < 5; ++e) writeProfile(e, 3);
    store.loadTableAndActiveProfile();
    ProfileStore other(dir.path(), notices);
    other.loadTableAndActiveProfile();
    MacroIdList ids{};
    ids[2] = 0x15000077;
    std::filesystem::path failedFile;
    ASSERT_TRUE(other.writeEntry(3, ProfileSettings::defaults(false), ids, failedFile));
    store.macroIdList()[1] = 0x15000042;
    ASSERT_TRUE(store.saveAfterUpload());
    ProfileTable stored;
    stored.assign(readAll(store.tablePath()));
    EXPECT_EQ(stored.macroIds(3)[2], 0x15000077u);
    EXPECT_EQ(stored.macroIds(0)[1], 0x15000042u);
    EXPECT_FALSE(std::filesystem::exists(dir / kReplacementJournal));
}

}  // namespace
}  // namespace z408
