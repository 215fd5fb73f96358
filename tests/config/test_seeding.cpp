#include <gtest/gtest.h>

#include <fstream>

#include "common/file_io.h"
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

}  // namespace
}  // namespace z408
