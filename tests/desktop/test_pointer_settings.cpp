// Pointer settings: the X server's core pointer control under a private Xvfb, GNOME's gsettings
// through its keyfile backend, and KDE's configuration files, each in a temporary folder.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "child_process.h"
#include "desktop/pointer_settings.h"
#include "desktop/pointer_settings_adapter.h"
#include "desktop/process_runner.h"
#include "temp_dir.h"

namespace z408::desktop {
namespace {

std::string readText(const std::filesystem::path& p) {
    std::string text;
    if (FILE* f = std::fopen(p.c_str(), "rb")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
        std::fclose(f);
    }
    return text;
}

// Environment changes undone at the end of a test.
class ScopedEnv {
  public:
    void set(const char* name, const std::string& value) {
        remember(name);
        setenv(name, value.c_str(), 1);
    }
    void unset(const char* name) {
        remember(name);
        unsetenv(name);
    }
    ~ScopedEnv() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second)
                setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                unsetenv(it->first.c_str());
        }
    }

  private:
    void remember(const char* name) {
        const char* v = std::getenv(name);
        saved_.emplace_back(name, v ? std::optional<std::string>(v) : std::nullopt);
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

class PointerSettingsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        xvfb_ = new test::XvfbServer;
        ASSERT_TRUE(xvfb_->start()) << "Xvfb did not start";
    }
    static void TearDownTestSuite() {
        delete xvfb_;
        xvfb_ = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(xvfb_, nullptr);
        env_.set("DISPLAY", xvfb_->display());
        env_.set("XDG_CONFIG_HOME", config_.path().string());
        env_.unset("XDG_CURRENT_DESKTOP");
    }
    static test::XvfbServer* xvfb_;
    test::TempDir config_;
    ScopedEnv env_;
};
test::XvfbServer* PointerSettingsTest::xvfb_ = nullptr;

TEST_F(PointerSettingsTest, CorePointerRoundTripsSpeedAndPrecision) {
    X11CorePointer core;
    ASSERT_TRUE(core.present());
    struct Case {
        int speed, precision, readSpeed;
    };
    const Case cases[] = {{10, 1, 10}, {15, 0, 15}, {1, 1, 1}, {20, 0, 20}, {0, 1, 1}, {25, 0, 20}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.speed);
        ASSERT_TRUE(core.apply(c.speed, c.precision, 3));
        const PointerValues v = core.read();
        EXPECT_EQ(v.speed, c.readSpeed);
        EXPECT_EQ(v.precision, c.precision);
        EXPECT_FALSE(v.wheelLines.has_value());
    }
}

TEST_F(PointerSettingsTest, OnlyThePresentDesktopsAreWritten) {
    DesktopPointerSettings settings;
    ASSERT_TRUE(settings.apply(12, 0, 5));
    const auto status = settings.status();
    ASSERT_EQ(status.size(), 3u);
    EXPECT_TRUE(status[0].applied);
    EXPECT_FALSE(status[1].present);
    EXPECT_FALSE(status[2].present);
    EXPECT_FALSE(std::filesystem::exists(config_ / "kcminputrc"));

    env_.unset("DISPLAY");  // nothing left to write to
    DesktopPointerSettings none;
    EXPECT_FALSE(none.apply(12, 0, 5));
}

TEST_F(PointerSettingsTest, TheUploadsThreeCallsReachTheDesktopTogether) {
    // What an upload does with a profile: precision on, speed 15, one page per notch (KDE).
    env_.set("XDG_CURRENT_DESKTOP", "KDE");
    installDesktopPointerSettings();
    auto settings = openPointerSettings();
    ASSERT_NE(settings, nullptr);
    ApplyPointerSettings(*settings, pointerValuesOf(1, 15, -1));
    const PointerValues core = X11CorePointer().read();
    EXPECT_EQ(core.speed, 15);
    EXPECT_EQ(core.precision, 1);
    EXPECT_EQ(KdePointer().read().wheelLines, -1);

    ApplyPointerSettings(*settings, pointerValuesOf(0, 4, 7));
    EXPECT_EQ(X11CorePointer().read().speed, 4);
    EXPECT_EQ(X11CorePointer().read().precision, 0);
    EXPECT_EQ(KdePointer().read().wheelLines, 7);
    setPointerSettingsFactory(nullptr);
}

TEST_F(PointerSettingsTest, KdeFilesKeepTheirOtherContent) {
    env_.set("XDG_CURRENT_DESKTOP", "KDE");
    {
        std::ofstream(config_ / "kcminputrc")
            << "[Keyboard]\nNumLock=0\n\n[Mouse]\ncursorTheme=breeze\n"
               "XLbInptAccelProfileFlat=false\n";
        std::ofstream(config_ / "kdeglobals") << "[General]\nColorScheme=Dark\n";
    }
    KdePointer kde;
    ASSERT_TRUE(kde.present());
    ASSERT_TRUE(kde.apply(15, 0, -1));
    EXPECT_EQ(readText(config_ / "kcminputrc"),
              "[Keyboard]\nNumLock=0\n\n[Mouse]\ncursorTheme=breeze\nXLbInptAccelProfileFlat=true\n"
              "XLbInptPointerAcceleration=0.5\n");
    EXPECT_EQ(readText(config_ / "kdeglobals"),
              "[General]\nColorScheme=Dark\n\n[KDE]\nWheelScrollLines=1000\n");
    PointerValues v = kde.read();
    EXPECT_EQ(v.speed, 15);
    EXPECT_EQ(v.precision, 0);
    EXPECT_EQ(v.wheelLines, -1);
    ASSERT_TRUE(kde.apply(3, 1, 7));
    v = kde.read();
    EXPECT_EQ(v.speed, 3);
    EXPECT_EQ(v.precision, 1);
    EXPECT_EQ(v.wheelLines, 7);
}

TEST_F(PointerSettingsTest, GnomeSettingsRoundTrip) {
    env_.set("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    env_.set("GSETTINGS_BACKEND", "keyfile");  // stored under XDG_CONFIG_HOME, no session bus
    GnomePointer gnome;
    if (!programInPath("gsettings") ||
        runAndCapture({"gsettings", "list-keys", "org.gnome.desktop.peripherals.mouse"}) != 0)
        GTEST_SKIP() << "the GNOME mouse settings schema is not installed";
    ASSERT_TRUE(gnome.present());
    for (const auto& [speed, precision] : {std::pair{20, 0}, std::pair{4, 1}, std::pair{10, 0}}) {
        ASSERT_TRUE(gnome.apply(speed, precision, 3));
        const PointerValues v = gnome.read();
        EXPECT_EQ(v.speed, speed);
        EXPECT_EQ(v.precision, precision);
        EXPECT_FALSE(v.wheelLines.has_value());
    }
    EXPECT_NE(readText(config_ / "glib-2.0/settings/keyfile").find("accel-profile='flat'"),
              std::string::npos);
}

TEST(IniText, SetsAndReadsValuesInTheirGroup) {
    struct Case {
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"", "[Mouse]\nSpeed=2\n"},
        {"[Other]\nSpeed=9\n", "[Other]\nSpeed=9\n\n[Mouse]\nSpeed=2\n"},
        {"[Mouse]\nA=1\nSpeed = 5\nB=2\n", "[Mouse]\nA=1\nSpeed=2\nB=2\n"},
        {"[Mouse]\nA=1\n\n[Next]\nC=3\n", "[Mouse]\nA=1\nSpeed=2\n\n[Next]\nC=3\n"},
        {"[Mouse]\n[Mouse2]\nSpeed=2\n", "[Mouse]\nSpeed=2\n[Mouse2]\nSpeed=2\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        const std::string after = withIniValue(c.before, "Mouse", "Speed", "2");
        EXPECT_EQ(after, c.after);
        EXPECT_EQ(iniValue(after, "Mouse", "Speed"), "2");
    }
    EXPECT_EQ(iniValue("[Other]\nSpeed=9\n", "Mouse", "Speed"), std::nullopt);
}

}  // namespace
}  // namespace z408::desktop
