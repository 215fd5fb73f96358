// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <string>

#include "common/data_folder_lock.h"
#include "common/file_io.h"
#include "temp_dir.h"

namespace z408 {
namespace {

std::vector<uint8_t> bytesOf(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(FileIo, ReadsAtMostTheRequestedPrefix) {
    test::TempDir dir;
    const std::vector<uint8_t> data = {1, 2, 3, 4, 5};
    ASSERT_TRUE(writeFileAtomic(dir / "f", data));
    std::vector<uint8_t> out;
    ASSERT_TRUE(readFilePrefix(dir / "f", 3, out));
    EXPECT_EQ(out, (std::vector<uint8_t>{1, 2, 3}));
    ASSERT_TRUE(readFilePrefix(dir / "f", 100, out));
    EXPECT_EQ(out, data);
}

TEST(FileIo, WholeFileReadRefusesLongerFiles) {
    test::TempDir dir;
    const std::vector<uint8_t> data = {1, 2, 3, 4, 5};
    ASSERT_TRUE(writeFileAtomic(dir / "f", data));
    std::vector<uint8_t> out;
    ASSERT_TRUE(readWholeFile(dir / "f", 5, out));
    EXPECT_EQ(out, data);
    const FileResult tooLong = readWholeFile(dir / "f", 4, out);
    EXPECT_EQ(tooLong.sysErrno, EFBIG);
    EXPECT_TRUE(out.empty());
    // A file whose size says nothing (0 here) is caught by reading past the limit.
    EXPECT_EQ(readWholeFile("/proc/self/status", 16, out).sysErrno, EFBIG);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(readWholeFile(dir / "missing", 4, out).error, FileError::NotFound);
}

TEST(FileIo, ClassifiesFailureCauses) {
    test::TempDir dir;
    std::vector<uint8_t> out;
    EXPECT_EQ(readFilePrefix(dir / "missing", 4, out).error, FileError::NotFound);
    EXPECT_EQ(readFilePrefix(dir / "no" / "folder", 4, out).error, FileError::NotFound);
    EXPECT_EQ(writeFileAtomic(dir / "no" / "folder", out).error, FileError::NotFound);
    EXPECT_EQ(readFilePrefix(dir.path(), 4, out).error, FileError::Other);  // a folder
    if (::geteuid() != 0) {  // root ignores permissions
        std::filesystem::create_directory(dir / "ro");
        std::filesystem::permissions(
            dir / "ro", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_EQ(writeFileAtomic(dir / "ro" / "f", out).error, FileError::AccessDenied);
    }
}

TEST(FileIo, AtomicWriteReplacesWholeAndLeavesNoTemporaryFiles) {
    test::TempDir dir;
    ASSERT_TRUE(writeFileAtomic(dir / "f", std::vector<uint8_t>(1000, 7)));
    ASSERT_TRUE(writeFileAtomic(dir / "f", std::vector<uint8_t>{9}));
    EXPECT_EQ(bytesOf(dir / "f"), std::vector<uint8_t>{9});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    // A failed replacement keeps the old content.
    std::filesystem::create_directory(dir / "d");
    EXPECT_FALSE(writeFileAtomic(dir / "d", std::vector<uint8_t>{1}));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "d"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(FileIo, CopyNeverOverwrites) {
    test::TempDir dir;
    ASSERT_TRUE(writeFileAtomic(dir / "a", std::vector<uint8_t>{1}));
    ASSERT_TRUE(writeFileAtomic(dir / "b", std::vector<uint8_t>{2}));
    EXPECT_FALSE(copyFileNoOverwrite(dir / "a", dir / "b"));
    EXPECT_EQ(bytesOf(dir / "b"), std::vector<uint8_t>{2});
    EXPECT_TRUE(copyFileNoOverwrite(dir / "a", dir / "c"));
    EXPECT_EQ(bytesOf(dir / "c"), std::vector<uint8_t>{1});
}

// A new file follows the umask; a file that exists keeps its mode (a library made private stays
// private) through the replacement.
TEST(FileIo, ReplacedFilesKeepTheirModeAndNewOnesFollowTheUmask) {
    struct Case {
        const char* name;
        mode_t umask;
        int existingMode;  // -1: no file yet
        mode_t expected;
    };
    const Case cases[] = {
        {"new, umask 022", 022, -1, 0644},
        {"new, umask 077", 077, -1, 0600},
        {"new, umask 027", 027, -1, 0640},
        {"made private, umask 022", 022, 0600, 0600},
        {"group readable, umask 077", 077, 0640, 0640},
    };
    test::TempDir dir;
    const std::vector<uint8_t> data = {1, 2, 3};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto file = dir / "Macro.cfg";
        std::filesystem::remove(file);
        if (c.existingMode >= 0) {
            ASSERT_TRUE(writeFileAtomic(file, data));
            ::chmod(file.c_str(), static_cast<mode_t>(c.existingMode));
        }
        const mode_t old = ::umask(c.umask);
        const FileResult r = writeFileAtomic(file, data);
        ::umask(old);
        ASSERT_TRUE(r);
        struct stat st {};
        ASSERT_EQ(::stat(file.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.expected);
    }
}

// A FIFO (or socket) in place of a data file: reading it neither hangs nor reads, writing over
// it is refused and leaves it in place.
TEST(FileIo, SpecialFilesInPlaceOfDataFilesAreRefused) {
    test::TempDir dir;
    const auto fifo = dir / "Sts.cfg";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::vector<uint8_t> out;
    EXPECT_EQ(readFilePrefix(fifo, 24, out).sysErrno, ENOTSUP);
    EXPECT_EQ(readWholeFile(fifo, 24, out).sysErrno, ENOTSUP);
    const std::vector<uint8_t> data = {1, 2, 3};
    EXPECT_EQ(writeFileAtomic(fifo, data).sysErrno, ENOTSUP);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    std::filesystem::create_directory(dir / "Profile1.cfg");
    EXPECT_EQ(writeFileAtomic(dir / "Profile1.cfg", data).sysErrno, EISDIR);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);

    // A pipe named as one is read as any reader of a pipe would.
    int p[2];
    ASSERT_EQ(::pipe(p), 0);
    ASSERT_EQ(::write(p[1], "abc", 3), 3);
    ::close(p[1]);
    ASSERT_TRUE(readFilePrefix("/dev/fd/" + std::to_string(p[0]), 16, out));
    EXPECT_EQ(out, (std::vector<uint8_t>{'a', 'b', 'c'}));
    ::close(p[0]);
}

// Another process holding the lock: a writer waits for it on the clock, and gives up with
// EWOULDBLOCK when it holds on; once it lets go the writer gets the lock. Within one process the
// lock nests.
TEST(DataFolderLock, AWriterWaitsForAnotherProcessThenIsRefused) {
    test::TempDir dir;
    int ready[2], go[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(go), 0);
    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        ManualClock c;
        DataFolderLock l;
        const char byte = l.acquire(dir.path(), c) ? 'y' : 'n';
        (void)!::write(ready[1], &byte, 1);
        char wait;
        (void)!::read(go[0], &wait, 1);
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ASSERT_EQ(byte, 'y');

    ManualClock clock;
    DataFolderLock mine;
    EXPECT_EQ(mine.acquire(dir.path(), clock, 1000).sysErrno, EWOULDBLOCK);
    EXPECT_FALSE(mine.held());
    EXPECT_EQ(clock.nowMs(), 1000u);

    (void)!::write(go[1], "x", 1);
    int status = 0;
    ::waitpid(other, &status, 0);
    EXPECT_TRUE(mine.acquire(dir.path(), clock, 1000));
    EXPECT_EQ(clock.nowMs(), 1000u);  // free: taken without waiting
    DataFolderLock nested;
    EXPECT_TRUE(nested.acquire(dir / ".", clock, 0));
    nested.release();
    EXPECT_TRUE(mine.held());
    for (int fd : {ready[0], ready[1], go[0], go[1]}) ::close(fd);
}

TEST(DataFolderLock, NeverFollowsALinkInPlaceOfTheLockFile) {
    test::TempDir dir, other;
    ManualClock clock;
    std::filesystem::create_symlink(other / "elsewhere", dir / kDataFolderLockFile);
    DataFolderLock lock;
    EXPECT_EQ(lock.acquire(dir.path(), clock).sysErrno, ELOOP);
    EXPECT_FALSE(std::filesystem::exists(other / "elsewhere"));
}

}  // namespace
}  // namespace z408
