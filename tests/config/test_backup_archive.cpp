// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The configuration archive: what it reads back, what it refuses, and restoring all or nothing.
#include <gtest/gtest.h>

#include <fstream>

#include "config/backup_archive.h"
#include "config/profile_settings.h"
#include "config/profile_table.h"
#include "temp_dir.h"

namespace z408 {
namespace {

std::vector<uint8_t> bytesOf(std::string_view s) {
    return {s.begin(), s.end()};
}

void writeFile(const std::filesystem::path& p, std::string_view s) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << s;
}
std::string readFile(const std::filesystem::path& p) {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(readFilePrefix(p, 4u << 20, bytes)) << p;
    return {bytes.begin(), bytes.end()};
}

// An archive made by hand, with a correct checksum unless told otherwise: a foreign or careless
// writer can produce any of these.
std::vector<uint8_t> archive(uint32_t version, uint32_t count,
                             const std::vector<std::pair<std::string, std::string>>& files,
                             std::string_view extra = {}) {
    std::vector<uint8_t> out(kBackupMagic.begin(), kBackupMagic.end());
    const auto u32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    u32(version);
    u32(count);
    for (const auto& [name, data] : files) {
        out.push_back(static_cast<uint8_t>(name.size()));
        out.push_back(0);
        out.insert(out.end(), name.begin(), name.end());
        u32(static_cast<uint32_t>(data.size()));
        out.insert(out.end(), data.begin(), data.end());
    }
    out.insert(out.end(), extra.begin(), extra.end());
    u32(crc32(out));
    return out;
}

TEST(BackupArchive, ChecksumIsZlibsCrc32) {
    EXPECT_EQ(crc32(bytesOf("123456789")), 0xCBF43926u);
}

TEST(BackupArchive, FilesComeBackAsTheyWent) {
    const std::vector<BackupFile> files = {
        {"Macro.cfg", std::vector<uint8_t>(5000, 0xE8)},
        {"Profile/Profile3.cfg", bytesOf(std::string("\x80\x02\x80\x80\0\0", 6))},
        {"Sts.cfg", {}},
    };
    const auto encoded = encodeBackup(files);
    EXPECT_EQ(encoded, archive(1, 3,
                               {{"Macro.cfg", std::string(5000, '\xE8')},
                                {"Profile/Profile3.cfg", std::string("\x80\x02\x80\x80\0\0", 6)},
                                {"Sts.cfg", ""}}));
    std::string error;
    const auto decoded = decodeBackup(encoded, error);
    ASSERT_TRUE(decoded) << error;
    EXPECT_EQ(*decoded, files);
}

TEST(BackupArchive, DamagedForeignAndUnexpectedArchivesAreRefused) {
    auto flipped = archive(1, 1, {{"Sts.cfg", "counters"}});
    flipped[20] ^= 0x01;
    auto good = archive(1, 1, {{"Sts.cfg", "counters"}});
    const std::vector<uint8_t> cut(good.begin(), good.end() - 6);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* says;
    };
    const Case cases[] = {
        {"another program's file", bytesOf("PK\x03\x04 a zip archive"), "not a Z408 backup"},
        {"empty", {}, "not a Z408 backup"},
        {"a later format", archive(2, 1, {{"Sts.cfg", "x"}}), "format 2"},
        {"a flipped bit", flipped, "checksum"},
        {"cut short", cut, "checksum"},
        {"a path out of the data folder", archive(1, 1, {{"../../.bashrc", "x"}}),
         "unexpected file"},
        {"an absolute path", archive(1, 1, {{"/etc/passwd", "x"}}), "unexpected file"},
        {"a file twice", archive(1, 2, {{"Sts.cfg", "a"}, {"Sts.cfg", "b"}}), "twice"},
        {"more files claimed than held", archive(1, 2, {{"Sts.cfg", "a"}}), "no name"},
        {"no files", archive(1, 0, {}), "claims 0 files"},
        {"a huge count", archive(1, 0xFFFFFFFF, {}), "claims"},
        {"bytes after the last file", archive(1, 1, {{"Sts.cfg", "a"}}, "junk"), "bytes follow"},
        {"stray bytes behind a good checksum", archive(1, 1, {{"Sts.cfg", ""}}, "\xff\xff"),
         "bytes follow"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(decodeBackup(c.bytes, error)) << c.what;
        EXPECT_NE(error.find(c.says), std::string::npos) << c.what << ": " << error;
    }
    // A length field larger than what follows.
    auto lying = archive(1, 1, {{"Sts.cfg", "abcd"}});
    lying[8 + 4 + 4 + 2 + 7] = 0x40;  // the low byte of the length: 64 instead of 4
    const std::vector<uint8_t> body(lying.begin(), lying.end() - 4);
    lying.resize(lying.size() - 4);
    const uint32_t crc = crc32(body);
    for (int i = 0; i < 4; ++i) lying.push_back(static_cast<uint8_t>(crc >> (8 * i)));
    std::string error;
    EXPECT_FALSE(decodeBackup(lying, error));
    EXPECT_NE(error.find("cut short"), std::string::npos) << error;
}

TEST(BackupArchive, CollectedFilesRestoreByteForByteIntoAnotherFolder) {
    test::TempDir from, to;
    writeFile(from / "Macro.cfg", std::string(2052000, '\x10'));
    writeFile(from / "Profile/ConfigInfo.cfg", "table");
    writeFile(from / "Profile/Profile2.cfg", std::string("\x80\x02\x80\x80", 4));
    writeFile(to / "Profile/ConfigInfo.cfg", "older table");
    std::vector<BackupFile> files;
    std::vector<std::string> missing;
    std::string failed;
    ASSERT_TRUE(collectBackupFiles(from.path(), files, missing, failed));
    EXPECT_EQ(files.size(), 3u);
    EXPECT_EQ(missing.size(), 6u);
    std::string error;
    const auto back = decodeBackup(encodeBackup(files), error);
    ASSERT_TRUE(back) << error;
    ASSERT_TRUE(restoreBackupFiles(to.path(), *back, failed));
    for (const char* name : {"Macro.cfg", "Profile/ConfigInfo.cfg", "Profile/Profile2.cfg"})
        EXPECT_EQ(readFile(to / name), readFile(from / name)) << name;
    // Nothing is left beside the files.
    size_t entries = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator(to.path()))
        entries += !e.is_directory();
    EXPECT_EQ(entries, 3u);
}

TEST(BackupArchive, ARestoreThatCannotWriteEveryFileChangesNone) {
    test::TempDir dir;
    writeFile(dir / "Macro.cfg", "old macros");
    writeFile(dir / "Profile", "a file where the Profile folder belongs");
    const std::vector<BackupFile> files = {{"Macro.cfg", bytesOf("new macros")},
                                           {"Profile/Profile1.cfg", bytesOf("new profile")}};
    std::string failed;
    const FileResult r = restoreBackupFiles(dir.path(), files, failed);
    EXPECT_FALSE(r);
    EXPECT_EQ(failed, "Profile/Profile1.cfg");
    EXPECT_EQ(readFile(dir / "Macro.cfg"), "old macros");
    size_t entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        entries += !e.is_directory();
    EXPECT_EQ(entries, 2u);  // no temporary left behind
}

// An archive whose checksum is right may still hold files the loaders would refuse or misread:
// refused before anything is replaced.
TEST(BackupArchive, ContentsAreCheckedAsTheLoadersReadThem) {
    ProfileSettings valid = ProfileSettings::defaults(false);
    const std::vector<uint8_t> profile(valid.image().begin(), valid.image().end());
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* problem;  // nullptr: accepted
    } cases[] = {
        {"Profile/Profile2.cfg", profile, nullptr},
        {"Sts.cfg", std::vector<uint8_t>(24, 1), nullptr},
        {"Language.cfg", {2, 0, 0, 0}, nullptr},
        {"Macro.cfg", std::vector<uint8_t>(100, 0), nullptr},
        {"Profile/Profile1.cfg", std::vector<uint8_t>(kProfileSize, 0), "is not a profile"},
        {"Profile/Profile3.cfg", {0x80, 0x02}, "is not a profile"},
        {"Sts.cfg", std::vector<uint8_t>(16u << 20, 0), "more than the 24 of its record"},
        {"Macro.cfg", std::vector<uint8_t>(101, 0), "more than the 100"},
        {"Profile/ConfigInfo.cfg", std::vector<uint8_t>(kTableSize + 1, 0), "more than"},
        {"Language.cfg", {}, "is empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto problem = backupContentProblem({{c.name, c.bytes}}, 100);
        if (!c.problem) {
            EXPECT_FALSE(problem) << *problem;
            continue;
        }
        ASSERT_TRUE(problem);
        EXPECT_NE(problem->find(c.name), std::string::npos) << *problem;
        EXPECT_NE(problem->find(c.problem), std::string::npos) << *problem;
    }
}

}  // namespace
}  // namespace z408
