// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Pointer settings: the X server's core pointer control under a private Xvfb, GNOME's gsettings
// through its keyfile backend, and KDE's configuration files, each in a temporary folder.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <set>

#include "child_process.h"
#include "desktop/desktop_pointer_settings.h"
#include "desktop/pointer_settings_adapter.h"
#include "desktop/process_runner.h"
#include "temp_dir.h"

// Last: Xlib's macros (None, Status) clash with ordinary names.
#include <X11/Xlib.h>

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

// What the X server holds for the core pointer, read through the server itself.
struct CoreControl {
    int numerator, denominator, threshold;
    friend bool operator==(const CoreControl&, const CoreControl&) = default;
    friend std::ostream& operator<<(std::ostream& o, const CoreControl& c) {
        return o << c.numerator << "/" << c.denominator << " above " << c.threshold;
    }
};
CoreControl serverPointerControl() {
    CoreControl c{};
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) return c;
    XGetPointerControl(d, &c.numerator, &c.denominator, &c.threshold);
    XCloseDisplay(d);
    return c;
}

TEST_F(PointerSettingsTest, CorePointerIsFlatWithoutPrecisionAndScaledWithIt) {
    X11CorePointer core;
    ASSERT_TRUE(core.present());
    struct Case {
        int speed, precision;
        CoreControl server;
        bool speedSet;
    };
    // Precision off is acceleration 1/1: flat under every profile of the server, whatever the
    // speed (a threshold of 0 with any other factor is the server's polynomial acceleration).
    const Case cases[] = {{10, 1, {20, 10, 4}, true}, {15, 0, {1, 1, 0}, false},
                          {1, 1, {2, 10, 4}, true},   {20, 0, {1, 1, 0}, false},
                          {0, 1, {2, 10, 4}, true},   {25, 1, {40, 10, 4}, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.speed << " " << c.precision);
        const auto set = core.apply(c.speed, c.precision, 3);
        ASSERT_TRUE(set.has_value());
        EXPECT_EQ(*set, (PointerFields{c.speedSet, true, false}));
        EXPECT_EQ(serverPointerControl(), c.server);
        EXPECT_EQ(core.read().precision, c.precision);
    }
}

TEST_F(PointerSettingsTest, OnlyThePresentDesktopsAreWrittenAndTheGapsAreNamed) {
    DesktopPointerSettings settings;
    ASSERT_TRUE(settings.apply(12, 0, 5));
    const auto status = settings.status();
    ASSERT_EQ(status.size(), 7u);
    EXPECT_TRUE(status[0].present);  // the core pointer, the only place on a bare X server
    for (size_t i = 1; i < status.size(); ++i) EXPECT_FALSE(status[i].present) << status[i].name;
    EXPECT_FALSE(std::filesystem::exists(config_ / "kcminputrc"));
    // Flat leaves the core pointer without a speed, and nothing here keeps wheel lines.
    EXPECT_EQ(settings.appliedFields(), (PointerFields{false, true, false}));
    EXPECT_EQ(settings.supportedFields(), (PointerFields{true, true, false}));

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
    EXPECT_EQ(serverPointerControl(), (CoreControl{30, 10, 4}));
    EXPECT_NE(readText(config_ / "kdeglobals").find("WheelScrollLines=1000\n"), std::string::npos);
    EXPECT_NE(readText(config_ / "kcminputrc").find("XLbInptAccelProfileFlat=false\n"),
              std::string::npos);

    ApplyPointerSettings(*settings, pointerValuesOf(0, 4, 7));
    EXPECT_EQ(serverPointerControl(), (CoreControl{1, 1, 0}));
    EXPECT_NE(readText(config_ / "kdeglobals").find("WheelScrollLines=7\n"), std::string::npos);
    EXPECT_NE(readText(config_ / "kcminputrc").find("XLbInptAccelProfileFlat=true\n"),
              std::string::npos);
    setPointerSettingsFactory(nullptr);
}

// The real device properties, on the one pointer Xvfb has (a server-accelerated one: Xvfb has no
// libinput devices).
TEST_F(PointerSettingsTest, DevicePropertiesRoundTripThroughTheServer) {
    const auto devices = openX11PointerDevices();
    ASSERT_NE(devices, nullptr);
    const auto pointers = devices->pointers();
    ASSERT_EQ(pointers.size(), 1u);  // XTest's virtual pointer is left out
    EXPECT_EQ(pointers[0].name, "Xvfb mouse");
    const int id = pointers[0].id;
    const std::string deceleration = "Device Accel Constant Deceleration";  // FLOAT
    ASSERT_TRUE(devices->setFloats(id, deceleration, {2.5f}));
    EXPECT_EQ(devices->floats(id, deceleration), (std::vector<float>{2.5f}));
    ASSERT_TRUE(devices->setFloats(id, deceleration, {1.0f}));
    EXPECT_EQ(devices->integers(id, deceleration), std::nullopt);  // not integers
    // 32-bit and 8-bit integers, each written back in its own format.
    const auto profile = devices->integers(id, "Device Accel Profile");
    ASSERT_TRUE(profile.has_value());
    ASSERT_TRUE(devices->setIntegers(id, "Device Accel Profile", {-1}));
    EXPECT_EQ(devices->integers(id, "Device Accel Profile"), (std::vector<int32_t>{-1}));
    ASSERT_TRUE(devices->setIntegers(id, "Device Accel Profile", *profile));
    EXPECT_EQ(devices->integers(id, "Device Enabled"), (std::vector<int32_t>{1}));
    ASSERT_TRUE(devices->setIntegers(id, "Device Enabled", {1}));
    EXPECT_EQ(devices->floats(id, "libinput Accel Speed"), std::nullopt);
    EXPECT_FALSE(devices->setFloats(id, "libinput Accel Speed", {0.5f}));
    EXPECT_FALSE(LibinputPointer().present());
}

// The X server's pointer devices as a driver shows them: properties by device and name.
class FakePointerDevices final : public PointerDevices {
  public:
    struct Props {
        std::map<std::string, std::vector<int32_t>> integers;
        std::map<std::string, std::vector<float>> floats;
    };
    std::vector<Device> pointers() override { return devices; }
    std::optional<std::vector<int32_t>> integers(int device, const std::string& name) override {
        auto& m = props[device].integers;
        if (!m.count(name)) return std::nullopt;
        return m[name];
    }
    std::optional<std::vector<float>> floats(int device, const std::string& name) override {
        auto& m = props[device].floats;
        if (!m.count(name)) return std::nullopt;
        return m[name];
    }
    bool setIntegers(int device, const std::string& name,
                     const std::vector<int32_t>& values) override {
        auto& m = props[device].integers;
        if (refused.count(device) || !m.count(name) || m[name].size() != values.size())
            return false;  // the driver takes no other length
        m[name] = values;
        return true;
    }
    bool setFloats(int device, const std::string& name, const std::vector<float>& values) override {
        auto& m = props[device].floats;
        if (refused.count(device) || !m.count(name)) return false;
        m[name] = values;
        return true;
    }
    std::vector<Device> devices;
    std::map<int, Props> props;
    std::set<int> refused;  // devices whose writes the server refuses
};

constexpr const char* kSpeed = "libinput Accel Speed";
constexpr const char* kProfiles = "libinput Accel Profile Enabled";

// A libinput mouse with three profiles, an older libinput trackball without profiles, and a mouse
// of another driver.
std::shared_ptr<FakePointerDevices> threePointers() {
    auto d = std::make_shared<FakePointerDevices>();
    d->devices = {{8, "Logitech USB Optical Mouse"}, {9, "Old Trackball"}, {10, "evdev mouse"}};
    d->props[8].floats[kSpeed] = {0.0f};
    d->props[8].integers[kProfiles] = {1, 0, 0};
    d->props[9].floats[kSpeed] = {0.0f};
    d->props[10].floats["Device Accel Constant Deceleration"] = {1.0f};
    return d;
}

TEST(LibinputPointer, FlatProfileAndSpeedOnEveryLibinputPointer) {
    auto devices = threePointers();
    LibinputPointer libinput(devices);
    ASSERT_TRUE(libinput.present());
    struct Case {
        int speed, precision;
        float libinputSpeed;
        std::vector<int32_t> profiles;
    };
    const Case cases[] = {
        {15, 0, 0.5f, {0, 1, 0}}, {4, 1, -0.6f, {1, 0, 0}}, {25, 0, 1.0f, {0, 1, 0}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.speed);
        const auto set = libinput.apply(c.speed, c.precision, 3);
        ASSERT_TRUE(set.has_value());
        EXPECT_EQ(*set, (PointerFields{true, true, false}));
        EXPECT_FLOAT_EQ(devices->props[8].floats[kSpeed].at(0), c.libinputSpeed);
        EXPECT_FLOAT_EQ(devices->props[9].floats[kSpeed].at(0), c.libinputSpeed);
        EXPECT_EQ(devices->props[8].integers[kProfiles], c.profiles);
        EXPECT_EQ(devices->props[10].floats.size(), 1u);  // not a libinput device: untouched
        EXPECT_EQ(libinput.read().precision, c.precision);
        EXPECT_EQ(libinput.read().speed, std::min(c.speed, 20));
    }
    // Without profiles anywhere, acceleration cannot be switched: said, not claimed.
    devices->props[8].integers.clear();
    EXPECT_EQ(libinput.apply(10, 0, 3), (PointerFields{true, false, false}));
    // A write the server refuses is a failure.
    devices->refused.insert(9);
    EXPECT_FALSE(libinput.apply(10, 0, 3).has_value());

    EXPECT_FALSE(LibinputPointer(std::make_shared<FakePointerDevices>()).present());
}

// The desktops' settings tools, answering from what they were told.
class FakeCommands final : public CommandRunner {
  public:
    int run(const std::vector<std::string>& argv, std::string* output) override {
        std::string line;
        for (const auto& a : argv) line += (line.empty() ? "" : " ") + a;
        calls.push_back(line);
        if (argv.size() == 5 && argv[0] == "gsettings" && argv[1] == "set") {
            values[argv[2] + " " + argv[3]] = argv[4];
        } else if (argv.size() == 4 && argv[0] == "gsettings" && argv[1] == "get") {
            const auto it = values.find(argv[2] + " " + argv[3]);
            if (it == values.end()) return 1;
            if (output) *output = it->second + "\n";
        }
        return 0;
    }
    bool available(const std::string& program) override { return programs.count(program) != 0; }
    std::set<std::string> programs = {"gsettings", "xfconf-query"};
    std::vector<std::string> calls;
    std::map<std::string, std::string> values;
};

TEST_F(PointerSettingsTest, GsettingsDesktopsGetTheirOwnKeys) {
    struct Case {
        const GsettingsDesktop* desktop;
        const char* current;  // XDG_CURRENT_DESKTOP
        const char* speedSet;
    };
    const Case cases[] = {
        {&kGnome, "ubuntu:GNOME", "gsettings set org.gnome.desktop.peripherals.mouse speed 0.5"},
        {&kCinnamon, "X-Cinnamon",
         "gsettings set org.cinnamon.desktop.peripherals.mouse speed 0.5"},
        {&kMate, "MATE", "gsettings set org.mate.peripherals-mouse motion-acceleration 7.75"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.current);
        FakeCommands commands;
        GsettingsPointer backend(*c.desktop, commands);
        EXPECT_FALSE(backend.present());
        env_.set("XDG_CURRENT_DESKTOP", c.current);
        ASSERT_TRUE(backend.present());
        commands.calls.clear();
        ASSERT_EQ(backend.apply(15, 0, 3), (PointerFields{true, true, false}));
        EXPECT_EQ(commands.calls, (std::vector<std::string>{
                                      c.speedSet, std::string("gsettings set ") +
                                                      c.desktop->schema + " accel-profile flat"}));
        PointerReading v = backend.read();
        EXPECT_EQ(v.speed, 15);
        EXPECT_EQ(v.precision, 0);
        ASSERT_TRUE(backend.apply(1, 1, 3).has_value());
        v = backend.read();
        EXPECT_EQ(v.speed, 1);
        EXPECT_EQ(v.precision, 1);
        EXPECT_FALSE(v.wheelLines.has_value());
        env_.unset("XDG_CURRENT_DESKTOP");
    }
}

TEST_F(PointerSettingsTest, XfceKeepsEachDevicesSettingsInItsDriversTerms) {
    env_.set("XDG_CURRENT_DESKTOP", "XFCE");
    FakeCommands commands;
    auto devices = threePointers();
    XfcePointer xfce(commands, devices);
    ASSERT_TRUE(xfce.present());
    ASSERT_EQ(xfce.apply(15, 0, 3), (PointerFields{true, true, false}));
    const std::string set = "xfconf-query --channel=pointers --create --property=";
    EXPECT_EQ(commands.calls,
              (std::vector<std::string>{
                  set + "/Logitech_USB_Optical_Mouse/Properties/libinput_Accel_Profile_Enabled "
                        "--type=int --type=int --type=int --set=0 --set=1 --set=0",
                  set + "/Logitech_USB_Optical_Mouse/Properties/libinput_Accel_Speed "
                        "--type=double --set=0.5",
                  set + "/Old_Trackball/Properties/libinput_Accel_Speed --type=double --set=0.5",
                  set + "/evdev_mouse/Acceleration --type=double --set=1",
                  set + "/evdev_mouse/Threshold --type=int --set=0"}));
    // Only a driver without libinput's properties: flat leaves no speed to set.
    devices->devices = {{10, "evdev mouse"}};
    commands.calls.clear();
    ASSERT_EQ(xfce.apply(15, 0, 3), (PointerFields{false, true, false}));
    ASSERT_EQ(xfce.apply(15, 1, 3), (PointerFields{true, true, false}));
    EXPECT_EQ(commands.calls.back(), set + "/evdev_mouse/Threshold --type=int --set=4");
    EXPECT_EQ(xfconfDeviceName("SynPS/2 Synaptics TouchPad"), "SynPS_2_Synaptics_TouchPad");
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
    ASSERT_EQ(kde.apply(15, 0, -1), (PointerFields{true, true, true}));
    EXPECT_EQ(readText(config_ / "kcminputrc"),
              "[Keyboard]\nNumLock=0\n\n[Mouse]\ncursorTheme=breeze\nXLbInptAccelProfileFlat=true\n"
              "XLbInptPointerAcceleration=0.5\n");
    EXPECT_EQ(readText(config_ / "kdeglobals"),
              "[General]\nColorScheme=Dark\n\n[KDE]\nWheelScrollLines=1000\n");
    PointerReading v = kde.read();
    EXPECT_EQ(v.speed, 15);
    EXPECT_EQ(v.precision, 0);
    EXPECT_EQ(v.wheelLines, -1);
    ASSERT_TRUE(kde.apply(3, 1, 7).has_value());
    v = kde.read();
    EXPECT_EQ(v.speed, 3);
    EXPECT_EQ(v.precision, 1);
    EXPECT_EQ(v.wheelLines, 7);
}

TEST_F(PointerSettingsTest, GnomeSettingsRoundTrip) {
    env_.set("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    env_.set("GSETTINGS_BACKEND", "keyfile");  // stored under XDG_CONFIG_HOME, no session bus
    GsettingsPointer gnome(kGnome);
    if (!programInPath("gsettings") ||
        runAndCapture({"gsettings", "list-keys", "org.gnome.desktop.peripherals.mouse"}) != 0)
        GTEST_SKIP() << "the GNOME mouse settings schema is not installed";
    ASSERT_TRUE(gnome.present());
    for (const auto& [speed, precision] : {std::pair{20, 0}, std::pair{4, 1}, std::pair{10, 0}}) {
        ASSERT_TRUE(gnome.apply(speed, precision, 3).has_value());
        const PointerReading v = gnome.read();
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
