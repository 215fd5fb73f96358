// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <fstream>

#include "common/directories.h"
#include "temp_dir.h"

namespace z408 {
namespace {

namespace fs = std::filesystem;

void touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "[Update]\n";
}

// A build tree (data beside the executable) and an installation (bin/ beside share/z408) must
// both find their data, helpers and settings; an executable with neither falls back to its
// own folder rather than to a folder that is not there.
TEST(Directories, DataAndHelpersInEitherLayout) {
    test::TempDir root;
    const fs::path build = root / "build/bin";
    fs::create_directories(build / "Language");
    const fs::path prefix = root / "prefix";
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share/z408/Language");
    const fs::path bare = root / "bare/bin";
    fs::create_directories(bare);

    struct Case {
        fs::path exe, data, helpers;
    } cases[] = {
        {build, build, build},
        {prefix / "bin", prefix / "share/z408", prefix / "libexec/z408"},
        {bare, bare, root / "bare/libexec/z408"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exe.string());
        EXPECT_EQ(layout::programDirectory(c.exe), c.data);
        EXPECT_EQ(layout::helperDirectory(c.exe), c.helpers);
    }
}

// The person's own settings win; without them a /usr installation reads /etc and any other
// place reads the file shipped with its data.
TEST(Directories, SettingsFileChoice) {
    test::TempDir root;
    const fs::path build = root / "build/bin";
    fs::create_directories(build / "Language");
    const fs::path prefix = root / "local";
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share/z408/Language");
    const fs::path emptyConfig = root / "config-empty/z408";
    const fs::path ownConfig = root / "config-own/z408";
    touch(ownConfig / "z408.ini");
    const fs::path etc = root / "etc";

    struct Case {
        fs::path exe, config, expected;
    } cases[] = {
        {build, emptyConfig, build / "z408.ini"},
        {prefix / "bin", emptyConfig, prefix / "share/z408/z408.ini"},
        {"/usr/bin", emptyConfig, etc / "z408/z408.ini"},
        {"/usr/bin", ownConfig, ownConfig / "z408.ini"},
        {build, ownConfig, ownConfig / "z408.ini"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exe.string() + " " + c.config.string());
        EXPECT_EQ(layout::programSettingsFile(c.exe, c.config, etc), c.expected);
    }
}

TEST(Directories, ConfigDirectoryFollowsXdg) {
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string restore = saved ? saved : "";
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_CONFIG_HOME", "/x/config", 1);
    EXPECT_EQ(configDirectory(), fs::path("/x/config/z408"));
    ::setenv("XDG_CONFIG_HOME", "relative",
             1);  // ignored: XDG's base-directory rules take only absolute paths
    ::setenv("HOME", "/x/home", 1);
    EXPECT_EQ(configDirectory(), fs::path("/x/home/.config/z408"));
    ::setenv("HOME", home.c_str(), 1);
    if (saved) {
        ::setenv("XDG_CONFIG_HOME", restore.c_str(), 1);
    } else {
        ::unsetenv("XDG_CONFIG_HOME");
    }
}

}  // namespace
}  // namespace z408
