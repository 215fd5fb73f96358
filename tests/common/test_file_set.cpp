// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "common/file_set.h"
#include "temp_dir.h"

namespace z408 {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> bytes(const std::string& s) {
    return {s.begin(), s.end()};
}

std::string contents(const fs::path& p) {
    std::vector<uint8_t> out;
    if (!readFilePrefix(p, 1024, out)) return "<missing>";
    return {out.begin(), out.end()};
}

// Files left in the folder and its Profile folder besides the data files themselves.
std::vector<std::string> leftovers(const fs::path& dir) {
    std::vector<std::string> out;
    for (const fs::path& d : {dir, dir / "Profile"})
        for (const auto& e : fs::directory_iterator(d)) {
            const std::string name = e.path().filename().string();
            if (e.is_regular_file() && !name.ends_with(".cfg")) out.push_back(name);
        }
    return out;
}

// Ages every file so that the start takes them for what a killed writer left.
void age(const fs::path& dir) {
    const timespec old[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
    for (const fs::path& d : {dir, dir / "Profile"})
        for (const auto& e : fs::directory_iterator(d))
            ::utimensat(AT_FDCWD, e.path().c_str(), old, AT_SYMLINK_NOFOLLOW);
}

// A writer killed after each step of a replacement of three files (one of them new), then a
// start: the files are all old or all new, and nothing else is left in the folder.
TEST(FileSet, AKillAtEveryStepLeavesAllOldOrAllNew) {
    const char* names[] = {"Macro.cfg", "Profile/Profile1.cfg", "Profile/ConfigInfo.cfg"};
    // Steps: temporaries written, journal written, each of three renames, journal removed.
    for (int killAt = 1; killAt <= 6; ++killAt) {
        SCOPED_TRACE(killAt);
        test::TempDir dir;
        fs::create_directory(dir / "Profile");
        ASSERT_TRUE(writeFileAtomic(dir / names[0], bytes("old 0")));
        ASSERT_TRUE(writeFileAtomic(dir / names[1], bytes("old 1")));
        // names[2] does not exist yet: "old" for it is no file at all.
        const std::vector<uint8_t> fresh[] = {bytes("new 0"), bytes("new 1"), bytes("new 2")};
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            std::vector<FileReplacement> files;
            for (int i = 0; i < 3; ++i) files.push_back({dir / names[i], fresh[i]});
            size_t failed = 0;
            (void)replaceFilesTogether(dir.path(), files, failed, [killAt](int step) {
                if (step == killAt) ::_exit(9);  // as abrupt as a kill: nothing cleaned up
            });
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(writer, &status, 0), writer);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 9);
        age(dir.path());

        recoverInterruptedReplacement(dir.path());
        const std::string now[] = {contents(dir / names[0]), contents(dir / names[1]),
                                   contents(dir / names[2])};
        const bool allNew = now[0] == "new 0" && now[1] == "new 1" && now[2] == "new 2";
        const bool allOld = now[0] == "old 0" && now[1] == "old 1" && now[2] == "<missing>";
        EXPECT_TRUE(allNew || allOld) << now[0] << ", " << now[1] << ", " << now[2];
        // Once the journal is written the change is made whole; before, it never happened.
        EXPECT_EQ(allNew, killAt >= 2);
        EXPECT_TRUE(leftovers(dir.path()).empty());
    }
}

// A start beside a live writer leaves its young temporaries alone; a journal that is not one of
// ours, or names paths outside the folder, moves nothing.
TEST(FileSet, RecoveryTouchesOnlyWhatAKilledWriterLeft) {
    test::TempDir dir, outside;
    fs::create_directory(dir / "Profile");
    ASSERT_TRUE(writeFileAtomic(dir / "Sts.cfg.AbC123", bytes("young")));
    recoverInterruptedReplacement(dir.path());
    EXPECT_TRUE(fs::exists(dir / "Sts.cfg.AbC123"));

    const struct {
        const char* name;
        std::string journal;
    } cases[] = {
        {"no end line", "z408 journal 1\nMacro.cfg\tMacro.cfg.aaaaaa\n"},
        {"outside the folder", "z408 journal 1\n../x.cfg\tx.cfg.aaaaaa\nend\n"},
        {"absolute path",
         "z408 journal 1\n" + (outside / "x.cfg").string() + "\tx.cfg.aaaaaa\nend\n"},
        {"temporary of another file", "z408 journal 1\nMacro.cfg\tSts.cfg.AbC123\nend\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(writeFileAtomic(dir / "Macro.cfg", bytes("kept")));
        ASSERT_TRUE(writeFileAtomic(dir / "Macro.cfg.aaaaaa", bytes("staged")));
        ASSERT_TRUE(writeFileAtomic(outside / "x.cfg.aaaaaa", bytes("elsewhere")));
        ASSERT_TRUE(writeFileAtomic(dir / kReplacementJournal, bytes(c.journal)));
        recoverInterruptedReplacement(dir.path(), 3600);
        EXPECT_EQ(contents(dir / "Macro.cfg"), "kept");
        EXPECT_FALSE(fs::exists(outside / "x.cfg"));
        EXPECT_FALSE(fs::exists(dir / kReplacementJournal));
        EXPECT_EQ(contents(dir / "Sts.cfg.AbC123"), "young");
    }
}

// A file that cannot be replaced stops the change before any file moves.
TEST(FileSet, AFailureBeforeTheRenamesChangesNothing) {
    test::TempDir dir;
    fs::create_directory(dir / "Profile");
    ASSERT_TRUE(writeFileAtomic(dir / "Profile/Profile1.cfg", bytes("old")));
    fs::create_directory(dir / "Profile/ConfigInfo.cfg");  // a folder where the table belongs
    const std::vector<uint8_t> a = bytes("new"), b = bytes("table");
    const FileReplacement files[] = {{dir / "Profile/Profile1.cfg", a},
                                     {dir / "Profile/ConfigInfo.cfg", b}};
    size_t failed = 9;
    EXPECT_FALSE(replaceFilesTogether(dir.path(), files, failed));
    EXPECT_EQ(failed, 1u);
    EXPECT_EQ(contents(dir / "Profile/Profile1.cfg"), "old");
    EXPECT_TRUE(leftovers(dir.path()).empty());
}

}  // namespace
}  // namespace z408
