// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Starting programs and opening files and folders (with a stand-in xdg-open that records what it
// was asked), and key names through the X keyboard layout under a private Xvfb.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

#include "child_process.h"
#include "desktop/desktop_launcher.h"
#include "desktop/process_runner.h"
#include "desktop/x11_keyboard_layout.h"
#include "functions/key_tables.h"
#include "temp_dir.h"

namespace z408::desktop {
namespace {

using namespace std::chrono_literals;

std::string waitForFile(const std::filesystem::path& p) {
    for (int i = 0; i < 400 && !std::filesystem::exists(p); ++i) std::this_thread::sleep_for(5ms);
    std::this_thread::sleep_for(20ms);  // let the writer finish its line
    std::string text;
    if (FILE* f = std::fopen(p.c_str(), "rb")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
        std::fclose(f);
    }
    return text;
}

void writeScript(const std::filesystem::path& p, const std::string& body) {
    std::ofstream(p) << "#!/bin/sh\n" << body << "\n";
    std::filesystem::permissions(p, std::filesystem::perms::owner_all);
}

class LauncherTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* path = std::getenv("PATH");
        savedPath_ = path ? path : "";
        std::filesystem::create_directory(dir_ / "bin");
        // Records its arguments, one per line, the way the desktop handler would receive them.
        writeScript(dir_ / "bin/xdg-open", "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" +
                                               (dir_ / "opened.tmp").string() + "\"; mv \"" +
                                               (dir_ / "opened.tmp").string() + "\" \"" +
                                               (dir_ / "opened").string() + "\"");
        setenv("PATH", ((dir_ / "bin").string() + ":" + savedPath_).c_str(), 1);
    }
    void TearDown() override { setenv("PATH", savedPath_.c_str(), 1); }
    std::string opened() { return waitForFile(dir_ / "opened"); }

    test::TempDir dir_;
    std::string savedPath_;
    DesktopLauncher launcher_;
};

TEST_F(LauncherTest, FilesAndFoldersOpenWithTheirQuotesRemoved) {
    const std::string folder = (dir_ / "My Sounds").string();
    std::filesystem::create_directory(folder);
    struct Case {
        bool folder;
        std::string given;
        std::string handed;
    };
    const Case cases[] = {
        {true, "\"" + folder + "\"", folder},
        {true, folder, folder},
        {false, "\"" + folder + "/a b.txt\"", folder + "/a b.txt"},
        {false, "/plain/path.txt", "/plain/path.txt"},
        {false, "-starts-with-dash", "./-starts-with-dash"},
        {false, "\"", "\""},  // a lone quote is not a quoted path
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given);
        std::filesystem::remove(dir_ / "opened");
        ASSERT_TRUE(c.folder ? launcher_.openFolder(c.given) : launcher_.openFile(c.given));
        EXPECT_EQ(opened(), c.handed + "\n");
    }
    EXPECT_FALSE(launcher_.openFile(""));
    EXPECT_FALSE(launcher_.openFolder("\"\""));
}

TEST_F(LauncherTest, ProgramsStartDirectlyAndDocumentsOpenWithTheDesktop) {
    const auto program = dir_ / "my tools/run me.sh";
    std::filesystem::create_directory(dir_ / "my tools");
    writeScript(program, "echo started \"$#\" > \"" + (dir_ / "started").string() + "\"");
    ASSERT_TRUE(launcher_.startProgram(program.string()));
    EXPECT_EQ(waitForFile(dir_ / "started"), "started 0\n");  // no arguments

    const auto document = dir_ / "notes.txt";
    std::ofstream(document) << "x";
    ASSERT_TRUE(launcher_.startProgram(document.string()));
    EXPECT_EQ(opened(), document.string() + "\n");

    EXPECT_FALSE(launcher_.startProgram((dir_ / "missing").string()));
    EXPECT_FALSE(launcher_.startProgram("no-such-program-z408"));
    EXPECT_FALSE(launcher_.startProgram(""));
}

TEST_F(LauncherTest, SoundsThatCannotPlayReportFailure) {
    EXPECT_FALSE(launcher_.playSound(""));
    EXPECT_FALSE(launcher_.playSound((dir_ / "missing.wav").string()));
}

TEST(X11KeyboardLayoutTest, NamesKeysThroughTheActiveLayout) {
    test::XvfbServer xvfb;
    ASSERT_TRUE(xvfb.start());
    X11KeyboardLayout layout;
    ASSERT_TRUE(layout.connected());
    const std::pair<uint32_t, char32_t> us[] = {{0x41, U'a'}, {0x5A, U'z'}, {0x31, U'1'},
                                                {0xBA, U';'}, {0xBF, U'/'}, {0xDE, U'\''},
                                                {0x0D, 0}};
    for (const auto& [key, c] : us) EXPECT_EQ(layout.characterOf(key), c) << key;
    EXPECT_EQ(keyName(0x41, layout), "A");

    if (runAndCapture({"setxkbmap", "de"}) != 0)
        GTEST_SKIP() << "setxkbmap cannot load a German layout";
    // Z and Y swap places; the key right of P gives ü; the same object sees the change.
    EXPECT_EQ(layout.characterOf(0x5A), U'z');
    EXPECT_EQ(layout.characterOf(0x59), U'y');
    EXPECT_EQ(keyName(0xDB, layout), "\xC3\xBC");
    EXPECT_EQ(keyName(0xE2, layout), "<");
}

TEST(X11KeyboardLayoutTest, FallsBackToUsWithoutAnXServer) {
    const char* saved = std::getenv("DISPLAY");
    const std::string keep = saved ? saved : "";
    unsetenv("DISPLAY");
    X11KeyboardLayout layout;
    EXPECT_FALSE(layout.connected());
    EXPECT_EQ(keyName(0x41, layout), "A");
    EXPECT_EQ(keyName(0xBA, layout), ";");
    if (saved) setenv("DISPLAY", keep.c_str(), 1);
}

}  // namespace
}  // namespace z408::desktop
