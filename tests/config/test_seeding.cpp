// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

#include "common/file_io.h"
#include "common/file_set.h"
#include "config/seeding.h"
#include "temp_dir.h"

namespace z408 {
namespace {

void makeSeeds(const std::filesystem::path& program) {
    std::filesystem::create_directories(program / "Profile");
    uint8_t n = 1;
    for (const char* rel : kSeedFiles)
        ASSERT_TRUE(writeFileAtomic(program / rel, std::vector<uint8_t>{n++}));
}

TEST(Seeding, FirstRunCopiesTheNineFiles) {
    test::TempDir program, home;
    makeSeeds(program.path());
    const auto data = home / "TARVO/Z408";
    EXPECT_TRUE(seedDataDirectory(program.path(), data));
    uint8_t n = 1;
    for (const char* rel : kSeedFiles) {
        std::ifstream in(data / rel, std::ios::binary);
        EXPECT_EQ(in.get(), n++) << rel;
    }
}

TEST(Seeding, ExistingDataDirectoryIsLeftAlone) {
    test::TempDir program, data;
    makeSeeds(program.path());
    EXPECT_FALSE(seedDataDirectory(program.path(), data.path()));
    EXPECT_FALSE(std::filesystem::exists(data / "Sts.cfg"));
    EXPECT_FALSE(std::filesystem::exists(data / "Profile"));
}

TEST(Seeding, MissingSeedsAreSkipped) {
    test::TempDir program, home;
    ASSERT_TRUE(writeFileAtomic(program / "Sts.cfg", std::vector<uint8_t>(24, 0)));
    const auto data = home / "d";
    EXPECT_TRUE(seedDataDirectory(program.path(), data));
    EXPECT_TRUE(std::filesystem::is_directory(data / "Profile"));
    EXPECT_TRUE(std::filesystem::exists(data / "Sts.cfg"));
    EXPECT_FALSE(std::filesystem::exists(data / "Macro.cfg"));
}

// The folder holds recorded keystrokes: made for its user alone whatever the umask.
TEST(Seeding, TheDataFolderIsMadeForItsUserAlone) {
    test::TempDir program, home;
    makeSeeds(program.path());
    const auto data = home / "TARVO/Z408";
    const mode_t old = ::umask(022);
    EXPECT_TRUE(seedDataDirectory(program.path(), data));
    ::umask(old);
    for (const auto& dir : {data.parent_path(), data, data / "Profile"})
        EXPECT_EQ(std::filesystem::status(dir).permissions() & std::filesystem::perms::all,
                  std::filesystem::perms::owner_all)
            << dir;
}

// Every start goes through here: a change of several files that a kill interrupted after its
// journal is completed.
TEST(Seeding, AStartCompletesAnInterruptedChange) {
    test::TempDir program, data;
    std::filesystem::create_directory(data / "Profile");
    ASSERT_TRUE(writeFileAtomic(data / "Profile/Profile1.cfg", std::vector<uint8_t>{1}));
    ASSERT_TRUE(writeFileAtomic(data / "Profile/Profile1.cfg.q1w2e3", std::vector<uint8_t>{2}));
    const std::string journal = "z408 journal 1\nProfile/Profile1.cfg\tProfile1.cfg.q1w2e3\nend\n";
    ASSERT_TRUE(writeFileAtomic(data / kReplacementJournal,
                                std::vector<uint8_t>(journal.begin(), journal.end())));
    EXPECT_FALSE(seedDataDirectory(program.path(), data.path()));
    std::ifstream in(data / "Profile/Profile1.cfg", std::ios::binary);
    EXPECT_EQ(in.get(), 2);
    EXPECT_FALSE(std::filesystem::exists(data / kReplacementJournal));
    EXPECT_FALSE(std::filesystem::exists(data / "Profile/Profile1.cfg.q1w2e3"));
}

}  // namespace
}  // namespace z408
