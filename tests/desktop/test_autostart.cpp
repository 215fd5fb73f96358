// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "desktop/autostart.h"
#include "temp_dir.h"

namespace z408::desktop {
namespace {

std::string readText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string execLine(const std::string& entry) {
    const size_t at = entry.find("\nExec=");
    if (at == std::string::npos) return {};
    const size_t end = entry.find('\n', at + 1);
    return entry.substr(at + 6, end - at - 6);
}

// The Exec line after the file's string escapes and the quoting rules of desktop entries: a path
// with spaces, quotes or percent signs comes back whole.
TEST(Autostart, ExecLineQuotesThePathAsDesktopEntriesRequire) {
    struct Case {
        const char* path;
        const char* exec;
    };
    const Case cases[] = {
        {"/usr/lib/z408/z408", "/usr/lib/z408/z408 --hidden"},
        {"/opt/my tools/z408", "\"/opt/my tools/z408\" --hidden"},
        {"/home/a\"b/z408", "\"/home/a\\\\\"b/z408\" --hidden"},
        {"/home/$x/z408", "\"/home/\\\\$x/z408\" --hidden"},
        {"/home/a\\b/z408", "\"/home/a\\\\\\\\b/z408\" --hidden"},
        {"/srv/100%/z408", "\"/srv/100%%/z408\" --hidden"},
    };
    for (const Case& c : cases) {
        const std::string entry = autostartEntryText(c.path);
        EXPECT_EQ(execLine(entry), c.exec) << c.path;
        EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u);
        EXPECT_NE(entry.find("\nType=Application\n"), std::string::npos);
    }
    // A line break cannot be written into an Exec line: no entry rather than a broken one.
    EXPECT_EQ(autostartEntryText("/tmp/a\nb/z408"), "");
}

TEST(Autostart, SwitchWritesAndRemovesTheEntryInTheUsersAutostartFolder) {
    test::TempDir dir;
    ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    const std::filesystem::path entry = dir / "config/autostart/z408.desktop";
    EXPECT_EQ(autostartEntryPath(), entry);
    EXPECT_FALSE(autostartEnabled());

    std::string error;
    ASSERT_TRUE(enableAutostart("/usr/lib/z408/z408", error)) << error;  // makes the folders
    EXPECT_TRUE(autostartEnabled());
    EXPECT_EQ(readText(entry), autostartEntryText("/usr/lib/z408/z408"));
    // Switching on twice leaves one entry, the same.
    ASSERT_TRUE(enableAutostart("/usr/lib/z408/z408", error));
    EXPECT_EQ(readText(entry), autostartEntryText("/usr/lib/z408/z408"));

    // A desktop's own switch hides the entry instead of removing it.
    std::ofstream(entry, std::ios::app) << "Hidden=true\n";
    EXPECT_FALSE(autostartEnabled());

    ASSERT_TRUE(disableAutostart(error)) << error;
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_FALSE(autostartEnabled());
    EXPECT_TRUE(disableAutostart(error));  // already off: still success

    // Without XDG_CONFIG_HOME the folder is under the home folder.
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", dir.path().c_str(), 1);
    EXPECT_EQ(autostartEntryPath(), dir / ".config/autostart/z408.desktop");
}

TEST(Autostart, FailuresSayWhyAndLeaveNothingBehind) {
    test::TempDir dir;
    // A file where the folder should be.
    std::ofstream(dir / "autostart") << "x";
    std::string error;
    EXPECT_FALSE(enableAutostart("/usr/bin/z408", error, dir / "autostart/z408.desktop"));
    EXPECT_NE(error.find(dir.path().string()), std::string::npos) << error;
    EXPECT_EQ(readText(dir / "autostart"), "x");

    error.clear();
    EXPECT_FALSE(enableAutostart("/a\nb", error, dir / "z408.desktop"));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "z408.desktop"));
}

}  // namespace
}  // namespace z408::desktop
