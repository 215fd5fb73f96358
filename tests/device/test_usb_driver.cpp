// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The command set on the wire: report framing, command bytes, pauses and results.
#include <gtest/gtest.h>

#include <functional>

#include "device/macro_image.h"
#include "device_fixture.h"
#include "macros/macro_entry.h"

namespace z408 {
namespace {

using test::Bytes;
using test::SimulatedDevice;
using test::trimmed;

class UsbDriverTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dev.driver.Open()); }
    std::vector<SimulatedReport> sent() const { return dev.mouse.reports(); }
    SimulatedDevice dev;
};

TEST_F(UsbDriverTest, SingleFeatureCommandsCarryTheirBytes) {
    struct Case {
        const char* what;
        std::function<bool(CUSBDriver&)> call;
        Bytes bytes;  // the report without trailing zeros
    };
    const Case cases[] = {
        {"default red",
         [](CUSBDriver& d) { return d.WriteLedColour(0x000000FF); },
         {1, 0x0C, 0x01, 0x00, 0xFF}},
        {"colour green-red-blue",
         [](CUSBDriver& d) { return d.WriteLedColour(0x007E05FA); },
         {1, 0x0C, 0x01, 0x05, 0xFA, 0x7E}},
        {"rate 1", [](CUSBDriver& d) { return d.WriteReportRate(1); }, {1, 0x01, 0x01}},
        {"rate 8", [](CUSBDriver& d) { return d.WriteReportRate(8); }, {1, 0x01, 0x08}},
        {"rate 3 becomes 2", [](CUSBDriver& d) { return d.WriteReportRate(3); }, {1, 0x01, 0x02}},
        {"rate 0 becomes 2", [](CUSBDriver& d) { return d.WriteReportRate(0); }, {1, 0x01, 0x02}},
        {"rate 0x101 becomes 2",
         [](CUSBDriver& d) { return d.WriteReportRate(0x101); },
         {1, 0x01, 0x02}},
        {"proximity on, mode 5",
         [](CUSBDriver& d) { return d.WriteProximity(true, 5); },
         {1, 0x03, 0xA0}},
        {"proximity on, mode 6",
         [](CUSBDriver& d) { return d.WriteProximity(true, 6); },
         {1, 0x03, 0xB0}},
        {"proximity off",
         [](CUSBDriver& d) { return d.WriteProximity(false, 1); },
         {1, 0x03, 0xB0}},
        {"dpi level", [](CUSBDriver& d) { return d.WriteDpiLevel(3); }, {1, 0x0B, 0x01, 0x03}},
        {"effect",
         [](CUSBDriver& d) { return d.WriteLedEffect(5, 4, 1); },
         {1, 0x0D, 0x01, 5, 4, 1}},
    };
    for (const Case& c : cases) {
        const size_t before = sent().size();
        const uint64_t t0 = dev.clock.nowMs();
        EXPECT_TRUE(c.call(dev.driver)) << c.what;
        const auto reports = sent();
        ASSERT_EQ(reports.size(), before + 1) << c.what;
        EXPECT_EQ(reports.back().kind, 'F') << c.what;
        EXPECT_EQ(reports.back().bytes.size(), 33u) << c.what;
        EXPECT_EQ(trimmed(reports.back().bytes), c.bytes) << c.what;
        EXPECT_EQ(dev.clock.nowMs(), t0) << c.what << ": single commands take no pause";
    }
}

// Bulk commands: feature report, pause, output reports paced 50 ms before and after each.
TEST_F(UsbDriverTest, BulkCommandsArePacedAndFramed) {
    Bytes keyMap(64);
    for (size_t i = 0; i < keyMap.size(); ++i) keyMap[i] = static_cast<uint8_t>(i + 1);
    ASSERT_TRUE(dev.driver.WriteKeyMap(keyMap));
    auto r = sent();
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(trimmed(r[0].bytes), (Bytes{1, 0x12, 0x01, 0x00, 0x40}));
    EXPECT_EQ(r[0].ms, 0u);
    EXPECT_EQ(r[1].ms, 150u);  // 100 ms, then 50 ms before the report
    EXPECT_EQ(r[2].ms, 250u);  // 50 after the first, 50 before the second
    EXPECT_EQ(dev.clock.nowMs(), 300u);
    ASSERT_EQ(r[1].bytes.size(), 33u);
    EXPECT_EQ(r[1].bytes[0], 1);
    EXPECT_EQ(Bytes(r[1].bytes.begin() + 1, r[1].bytes.end()),
              Bytes(keyMap.begin(), keyMap.begin() + 32));
    EXPECT_EQ(Bytes(r[2].bytes.begin() + 1, r[2].bytes.end()),
              Bytes(keyMap.begin() + 32, keyMap.end()));
    const auto state = dev.mouse.state();
    EXPECT_TRUE(std::equal(keyMap.begin(), keyMap.end(), state.keyMap.begin()));

    const Bytes dpi = {3, 5, 6, 8, 10, 14, 0x28, 2, 3, 5, 6, 8, 10, 14, 0x28, 2};
    ASSERT_TRUE(dev.driver.WriteDpiTable(dpi));
    r = sent();
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(trimmed(r[3].bytes), (Bytes{1, 0x11, 0x01, 0x07, 0x10}));
    EXPECT_EQ(r[4].ms - r[3].ms, 50u);
    Bytes expected(33, 0);
    expected[0] = 1;
    std::copy(dpi.begin(), dpi.end(), expected.begin() + 1);
    EXPECT_EQ(r[4].bytes, expected);  // bytes 17..32 zero
    EXPECT_EQ(dev.clock.nowMs(), 300u + 100u);

    Bytes colours(32, 0);
    colours[0] = 0xFF;
    ASSERT_TRUE(dev.driver.WriteLedColours(colours));
    r = sent();
    EXPECT_EQ(trimmed(r[5].bytes), (Bytes{1, 0x09, 0x01, 0x00, 0x20}));
    EXPECT_EQ(r[6].ms - r[5].ms, 50u);
    EXPECT_EQ(trimmed(r[6].bytes), (Bytes{1, 0xFF}));
}

TEST_F(UsbDriverTest, WrongPayloadLengthsSendNothing) {
    EXPECT_FALSE(dev.driver.WriteKeyMap(Bytes(63)));
    EXPECT_FALSE(dev.driver.WriteDpiTable(Bytes(32)));
    EXPECT_FALSE(dev.driver.WriteLedColours(Bytes(16)));
    EXPECT_FALSE(dev.driver.WriteOutputReports(Bytes(48)));
    EXPECT_TRUE(dev.driver.WriteOutputReports(Bytes{}));
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(dev.clock.nowMs(), 0u);
}

TEST_F(UsbDriverTest, FailuresStopTheCommand) {
    // A failed feature report sends no output reports.
    dev.mouse.setFaults({.failFeature = 1});
    EXPECT_FALSE(dev.driver.WriteKeyMap(Bytes(64)));
    EXPECT_TRUE(sent().empty());
    // A failed output report fails the command and ends the run.
    ASSERT_TRUE(dev.driver.Open());
    dev.mouse.setFaults({.failOutput = 1});
    EXPECT_FALSE(dev.driver.WriteKeyMap(Bytes(64)));
    const auto r = sent();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].kind, 'F');
    // A closed device fails at once.
    dev.driver.Close();
    const uint64_t t0 = dev.clock.nowMs();
    EXPECT_FALSE(dev.driver.WriteReportRate(1));
    EXPECT_FALSE(dev.driver.WriteKeyMap(Bytes(64)));
    EXPECT_EQ(dev.clock.nowMs(), t0);
}

TEST_F(UsbDriverTest, AReportTheMouseNeverTakesCostsTheTimeOutAndFailsTheCommand) {
    const auto before = dev.mouse.state().dpiTable;
    dev.mouse.setFaults({.stallOutput = 1});
    Bytes table(16);
    table[0] = 0x42;
    EXPECT_FALSE(dev.driver.WriteDpiTable(table));
    EXPECT_EQ(dev.clock.nowMs(), 50u + 1500u);  // the command's pause, then the whole wait
    EXPECT_EQ(dev.mouse.state().dpiTable, before);
    const auto r = sent();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].kind, 'F');
}

TEST_F(UsbDriverTest, FirmwareVersion) {
    SimulatedMouseState st;
    st.firmwareVersion = 15;
    SimulatedDevice d15(st);
    ASSERT_TRUE(d15.driver.Open());
    uint32_t version = 0;
    ASSERT_TRUE(d15.driver.ReadFirmwareVersion(&version));
    EXPECT_EQ(version, 15u);
    const auto r = d15.mouse.reports();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(trimmed(r[0].bytes), (Bytes{1, 0x80}));
    EXPECT_EQ(r[1].kind, 'G');
    EXPECT_EQ(r[1].ms, 50u);
    EXPECT_EQ(trimmed(r[1].bytes), (Bytes{1, 0x80, 0x01, 0x05}));

    EXPECT_FALSE(d15.driver.ReadFirmwareVersion(nullptr));
    d15.mouse.setFaults({.failFeature = 2});  // counted since opening: the next one is the 2nd
    version = 99;
    EXPECT_FALSE(d15.driver.ReadFirmwareVersion(&version));
    EXPECT_EQ(version, 99u);
}

// A reply that is not the firmware answer leaves the version alone.
class WrongReplyTransport final : public HidTransport {
  public:
    bool open() override {
        std::lock_guard lock(mutex_);
        reportId_ = 2;
        reportCount_ = 7;
        location_ = "test";
        return open_ = true;
    }
    void close() override {
        std::lock_guard lock(mutex_);
        open_ = false;
    }
    bool sendFeature(std::span<const uint8_t> r) override {
        features.emplace_back(r.begin(), r.end());
        return true;
    }
    bool readFeature(std::span<uint8_t> r) override {
        readLength = r.size();
        r[1] = 0x81;
        r[2] = 1;
        r[3] = 5;
        return true;
    }
    bool writeOutput(std::span<const uint8_t, kOutputReportSize>, uint32_t) override {
        return true;
    }
    std::vector<Bytes> features;
    size_t readLength = 0;
};

TEST(UsbDriver, ReplyWithoutTheFirmwareMarkerFails) {
    WrongReplyTransport t;
    ManualClock clock;
    CUSBDriver d(t, clock);
    ASSERT_TRUE(d.Open());
    uint32_t version = 7;
    EXPECT_FALSE(d.ReadFirmwareVersion(&version));
    EXPECT_EQ(version, 7u);
    EXPECT_EQ(t.readLength, 8u);  // report count 7 gives 8-byte feature reports
    ASSERT_EQ(t.features.size(), 1u);
    EXPECT_EQ(t.features[0], (Bytes{2, 0x80, 0, 0, 0, 0, 0, 0}));
}

TEST(UsbDriver, ReportLengthFollowsTheReportCount) {
    SimulatedMouseState st;
    st.reportCount = 3;
    st.reportId = 5;
    SimulatedDevice d(st);
    ASSERT_TRUE(d.driver.Open());
    ASSERT_TRUE(d.driver.WriteLedColour(0x007E05FA));
    const auto r = d.mouse.reports();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].bytes, (Bytes{5, 0x0C, 0x01, 0x05}));  // bytes past the length are not sent
    // Output reports stay 33 bytes under the same id.
    ASSERT_TRUE(d.driver.WriteOutputReports(Bytes(32, 0xAA)));
    const auto o = d.mouse.reports().back();
    EXPECT_EQ(o.bytes.size(), 33u);
    EXPECT_EQ(o.bytes[0], 5);
}

TEST(UsbDriver, DevicesWhoseReportsDoNotFitAreRefused) {
    // 1: the command byte alone, never its value; the upload would report success for nothing.
    for (const uint16_t count : {uint16_t{0}, uint16_t{1}, uint16_t{255}, uint16_t{300}}) {
        SimulatedMouseState st;
        st.reportCount = count;
        SimulatedDevice d(st);
        EXPECT_FALSE(d.driver.Open()) << count;
        EXPECT_FALSE(d.driver.IsOpen()) << count;
    }
    SimulatedMouseState st;
    st.reportCount = 254;
    SimulatedDevice d(st);
    ASSERT_TRUE(d.driver.Open());
    ASSERT_TRUE(d.driver.WriteReportRate(4));
    EXPECT_EQ(d.mouse.reports().back().bytes.size(), 255u);
}

TEST_F(UsbDriverTest, WriteMacroSendsItsImageIntoTheSlot) {
    MacroEntry m;
    m.setRecordSize(kMacroEntrySize);
    m.setLoopCount(1);
    m.setEventCount(3);
    m.setEvent(0, makeMacroEvent(MacroEventKind::KeyDown, 0x41));
    m.setEvent(1, makeMacroEvent(MacroEventKind::Delay, 100));
    m.setEvent(2, makeMacroEvent(MacroEventKind::KeyUp, 0x41));
    EXPECT_EQ(dev.driver.WriteMacro(4, &m), 3u);
    const auto r = sent();
    ASSERT_EQ(r.size(), 17u);
    EXPECT_EQ(trimmed(r[0].bytes), (Bytes{1, 0x13, 0x01, 0x04, 0x00, 0x02}));
    EXPECT_EQ(r[1].ms, 150u);
    EXPECT_EQ(r[16].ms, 150u + 15 * 100u);
    EXPECT_EQ(dev.clock.nowMs(), 100u + 16 * 100u);
    EXPECT_EQ(trimmed(r[1].bytes), (Bytes{1, 0x00, 0x01, 0x0B, 0x04, 0x81, 0x04}));
    MacroImage image{};
    encodeMacroImage(m, image);
    EXPECT_EQ(dev.mouse.state().macros[4], image);

    // Slot 8 and above: the length, nothing sent. No macro: 0. Failed feature: the length, no data.
    EXPECT_EQ(dev.driver.WriteMacro(8, &m), 3u);
    EXPECT_EQ(dev.driver.WriteMacro(1, nullptr), 0u);
    EXPECT_EQ(sent().size(), 17u);
    dev.mouse.setFaults({.failFeature = 2});
    EXPECT_EQ(dev.driver.WriteMacro(2, &m), 3u);
    EXPECT_EQ(sent().size(), 17u);
}

}  // namespace
}  // namespace z408
