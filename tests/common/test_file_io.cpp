#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

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

}  // namespace
}  // namespace z408
