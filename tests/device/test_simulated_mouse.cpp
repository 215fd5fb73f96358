// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The simulated mouse: what it keeps between runs, its trace lines and its fault switches.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "common/file_io.h"
#include "device/mouse_transport.h"
#include "device_fixture.h"
#include "temp_dir.h"

namespace z408 {
namespace {

using test::Bytes;

std::string readText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(SimulatedMouse, KeepsItsStateBetweenRuns) {
    test::TempDir dir;
    const auto stateFile = dir / "mouse";
    ManualClock clock;
    {
        SimulatedMouse mouse(clock, stateFile, {}, {});
        CUSBDriver driver(mouse, clock);
        ASSERT_TRUE(driver.Open());  // creates the file with the defaults
        EXPECT_TRUE(std::filesystem::exists(stateFile));
        ASSERT_TRUE(driver.WriteKeyMap(Bytes(64, 0x5A)));
        ASSERT_TRUE(driver.WriteReportRate(4));
        ASSERT_TRUE(driver.WriteLedColour(0x00112233));
    }
    SimulatedMouse again(clock, stateFile, {}, {});
    ASSERT_TRUE(again.open());
    const SimulatedMouseState st = again.state();
    EXPECT_TRUE(
        std::all_of(st.keyMap.begin(), st.keyMap.end(), [](uint8_t b) { return b == 0x5A; }));
    EXPECT_EQ(st.reportRate, 4);
    EXPECT_EQ(st.ledColour, (std::array<uint8_t, 3>{0x22, 0x33, 0x11}));
    EXPECT_EQ(st.firmwareVersion, 12u);
    EXPECT_EQ(st.reportId, 1);
    EXPECT_EQ(st.reportCount, 32);
}

TEST(SimulatedMouse, StateFileSaysFirmwareAndReportLayout) {
    test::TempDir dir;
    SimulatedMouseState st;
    st.firmwareVersion = 107;
    st.reportId = 3;
    st.reportCount = 7;
    const std::string text = st.toText();
    ASSERT_TRUE(writeFileAtomic(
        dir / "mouse", std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())));
    ManualClock clock;
    SimulatedMouse mouse(clock, dir / "mouse", {}, {});
    CUSBDriver driver(mouse, clock);
    ASSERT_TRUE(driver.Open());
    EXPECT_EQ(driver.ReportId(), 3);
    EXPECT_EQ(driver.ReportCount(), 7);
    uint32_t version = 0;
    ASSERT_TRUE(driver.ReadFirmwareVersion(&version));
    EXPECT_EQ(version, 107u);
}

TEST(SimulatedMouse, DamagedStateFileIsRefusedAndLeftAlone) {
    const char* damaged[] = {
        "firmware_version 12\nkey_map 01 02\n",  // too few bytes
        "firmware_version 99999\n",              // beyond what the reply can carry
        "report_id 1\nsomething else\n",         // unknown setting
        "key_map zz 00\n",
        "macro_9 00\n",
    };
    for (const char* text : damaged) {
        test::TempDir dir;
        const std::string s = text;
        ASSERT_TRUE(writeFileAtomic(
            dir / "mouse", std::span(reinterpret_cast<const uint8_t*>(s.data()), s.size())));
        ManualClock clock;
        SimulatedMouse mouse(clock, dir / "mouse", {}, {});
        EXPECT_FALSE(mouse.open()) << text;
        EXPECT_NE(mouse.lastError().find("damaged"), std::string::npos) << mouse.lastError();
        EXPECT_EQ(readText(dir / "mouse"), s);
    }
}

TEST(SimulatedMouse, TraceLines) {
    test::TempDir dir;
    ManualClock clock;
    clock.advance(5000);  // times count from opening
    SimulatedMouse mouse(clock, dir / "mouse", dir / "trace", {});
    CUSBDriver driver(mouse, clock);
    ASSERT_TRUE(driver.Open());
    clock.advance(7);
    ASSERT_TRUE(driver.WriteDpiTable(Bytes(16, 0xAB)));
    uint32_t v = 0;
    ASSERT_TRUE(driver.ReadFirmwareVersion(&v));
    driver.Close();
    std::string zeros(3 * 28, ' ');
    for (size_t i = 0; i < 28; ++i) zeros.replace(3 * i, 3, " 00");
    std::string abs;
    for (int i = 0; i < 16; ++i) abs += " ab";
    const std::string expected = "7 F 01 11 01 07 10" + zeros + "\n" + "57 O 01" + abs +
                                 zeros.substr(0, 3 * 16) + "\n" + "107 F 01 80" + zeros +
                                 zeros.substr(0, 3 * 3) + "\n" + "157 G 01 80 01 02" + zeros +
                                 " 00\n";
    EXPECT_EQ(readText(dir / "trace"), expected);
}

TEST(SimulatedMouse, FaultSwitches) {
    struct Case {
        const char* spec;
        bool ok;
        SimulatedMouseFaults faults;
    };
    const Case cases[] = {
        {"F3", true, {.failFeature = 3}},
        {"O2", true, {.failOutput = 2}},
        {"unplug", true, {.unplugged = true}},
        {"denied", true, {.denied = true}},
        {"bootloader", true, {.bootloader = true}},
        {"F3,O12", true, {.failFeature = 3, .failOutput = 12}},
        {"", true, {}},
        {"F0", false, {}},
        {"F", false, {}},
        {"X1", false, {}},
        {"F-1", false, {}},
        {"unplugged", false, {}},
    };
    for (const Case& c : cases) {
        SimulatedMouseFaults f;
        std::string error;
        EXPECT_EQ(SimulatedMouseFaults::parse(c.spec, f, error), c.ok) << c.spec;
        if (c.ok) {
            EXPECT_EQ(f.failFeature, c.faults.failFeature) << c.spec;
            EXPECT_EQ(f.failOutput, c.faults.failOutput) << c.spec;
            EXPECT_EQ(f.unplugged, c.faults.unplugged) << c.spec;
            EXPECT_EQ(f.denied, c.faults.denied) << c.spec;
            EXPECT_EQ(f.bootloader, c.faults.bootloader) << c.spec;
        } else {
            EXPECT_FALSE(error.empty()) << c.spec;
        }
    }
}

TEST(SimulatedMouse, ChosenThroughTheEnvironment) {
    test::TempDir dir;
    ::unsetenv(kSimulatedMouseEnv);
    EXPECT_EQ(openMouseTransport(), nullptr);  // no hardware backend in this library

    ::setenv(kSimulatedMouseEnv, (dir / "mouse").c_str(), 1);
    ::setenv(kSimulatedMouseFailEnv, "unplug", 1);
    auto t = openMouseTransport();
    ASSERT_NE(t, nullptr);
    EXPECT_FALSE(t->open());
    EXPECT_EQ(t->lastError(), "the simulated mouse is unplugged");
    EXPECT_EQ(t->refusedNode(), "");  // absent: nothing to name

    // Present but closed to us: the node is named, and a later open forgets it again.
    ::setenv(kSimulatedMouseFailEnv, "denied", 1);
    t = openMouseTransport();
    EXPECT_FALSE(t->open());
    EXPECT_EQ(t->refusedNode(), (dir / "mouse").string());
    EXPECT_NE(t->lastError().find("permission denied"), std::string::npos);
    EXPECT_FALSE(t->waitsInBootloader());
    static_cast<SimulatedMouse&>(*t).setFaults({.bootloader = true});
    EXPECT_FALSE(t->open());
    EXPECT_TRUE(t->waitsInBootloader());
    EXPECT_EQ(t->refusedNode(), "");
    static_cast<SimulatedMouse&>(*t).setFaults({});
    EXPECT_TRUE(t->open());
    EXPECT_EQ(t->refusedNode(), "");
    t->close();

    ::setenv(kSimulatedMouseFailEnv, "Q7", 1);
    t = openMouseTransport();
    EXPECT_FALSE(t->open());
    EXPECT_NE(t->lastError().find(kSimulatedMouseFailEnv), std::string::npos);

    ::setenv(kSimulatedMouseFailEnv, "F2", 1);
    ManualClock clock;
    t = openMouseTransport(clock);
    CUSBDriver driver(*t, clock);
    ASSERT_TRUE(driver.Open());
    EXPECT_TRUE(driver.WriteReportRate(1));
    EXPECT_FALSE(driver.WriteReportRate(1));
    EXPECT_TRUE(driver.WriteReportRate(1));
    ::unsetenv(kSimulatedMouseEnv);
    ::unsetenv(kSimulatedMouseFailEnv);
}

// Output reports the mouse did not ask for, or more than it asked for, change nothing.
TEST(SimulatedMouse, StrayOutputIsIgnored) {
    test::SimulatedDevice d;
    ASSERT_TRUE(d.driver.Open());
    ASSERT_TRUE(d.driver.WriteOutputReports(Bytes(64, 0xEE)));
    EXPECT_EQ(d.mouse.state(), SimulatedMouseState{});
    // A macro command for a slot the mouse does not have.
    const uint8_t cmd[] = {0x13, 0x01, 0x09, 0x00, 0x02};
    ASSERT_TRUE(d.driver.SetFeatureCommand(cmd));
    ASSERT_TRUE(d.driver.WriteOutputReports(Bytes(512, 0xEE)));
    EXPECT_EQ(d.mouse.state(), SimulatedMouseState{});
}

}  // namespace
}  // namespace z408
