// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The upload worker: order, bytes and pauses of a whole upload, the key map it builds, macros,
// intercepted buttons, pointer settings, progress and outcome, and its thread's life.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "common/binary.h"
#include "common/message_queue.h"
#include "device/device_fixture.h"
#include "device/macro_image.h"
#include "lighting/lighting_page_model.h"
#include "upload/settings_uploader.h"

namespace z408 {
namespace {

using test::Bytes;
using test::RecordingPointerSettings;
using test::trimmed;

using test::Down;
using test::Up;
using test::Wait;

bool isOutcome(const PostedMessage& m) {
    return m.msg == Msg::UploadDone || m.msg == Msg::UploadFailed;
}

// Reads messages up to and including the outcome.
std::vector<PostedMessage> messagesUntilOutcome(MessageQueue& queue) {
    std::vector<PostedMessage> out;
    for (;;) {
        const auto m = queue.waitFor(std::chrono::seconds(20));
        if (!m) {
            ADD_FAILURE() << "no outcome";
            return out;
        }
        out.push_back(*m);
        if (isOutcome(*m)) return out;
    }
}

std::vector<uintptr_t> progressValues(const std::vector<PostedMessage>& ms) {
    std::vector<uintptr_t> out;
    for (const auto& m : ms)
        if (m.msg == Msg::UploadProgress) out.push_back(m.wParam);
    return out;
}

class UploaderTest : public ::testing::Test {
  protected:
    UploaderTest() : profile(ProfileSettings::defaults(false)) {}
    void SetUp() override { ASSERT_TRUE(dev.driver.Open()); }

    std::vector<PostedMessage> upload(PointerSettings* p) {
        SettingsUploader uploader(dev.driver, dev.clock, queue, intercepts, p,
                                  {profile, macroIds, *library});
        EXPECT_TRUE(uploader.requestUpload());
        auto ms = messagesUntilOutcome(queue);
        uploader.uploadHandled();
        return ms;
    }
    std::vector<PostedMessage> upload() { return upload(&pointer); }

    uint32_t keyMapSlot(size_t slot) const { return le::get32(dev.mouse.state().keyMap, 4 * slot); }
    std::vector<SimulatedReport> features() const {
        std::vector<SimulatedReport> out;
        for (auto& r : dev.mouse.reports())
            if (r.kind == 'F') out.push_back(r);
        return out;
    }
    void addMacro(size_t slot, uint32_t id, std::initializer_list<uint32_t> events) {
        MacroEntry& m = library->slot(slot);
        m.setRecordSize(kMacroEntrySize);
        m.setTag(kMacroTagUsed);
        m.setId(id);
        m.setLoopCount(1);
        m.setEventCount(static_cast<uint32_t>(events.size()));
        size_t i = 0;
        for (const uint32_t e : events) m.setEvent(i++, e);
    }

    test::SimulatedDevice dev;
    MessageQueue queue;
    InterceptList intercepts;
    RecordingPointerSettings pointer;
    ProfileSettings profile;
    MacroIdList macroIds{};
    std::unique_ptr<MacroLibrary> library = std::make_unique<MacroLibrary>();
};

TEST_F(UploaderTest, DefaultProfileOnTheWire) {
    const auto messages = upload();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), (PostedMessage{Msg::UploadDone, 0, 0}));
    EXPECT_EQ(progressValues(messages),
              (std::vector<uintptr_t>{0, 7, 14, 21, 28, 35, 42, 60, 70, 75, 80, 90, 100}));

    Bytes keyMap1(33, 0), keyMap2(33, 0);
    keyMap1[0] = keyMap2[0] = 1;
    const uint8_t first[] = {0x01, 0x00, 0xF0, 0x00, 0x01, 0x00, 0xF1, 0x00,
                             0x01, 0x00, 0xF2, 0x00, 0x07, 0x00, 0x03, 0x00,
                             0x01, 0x00, 0xF3, 0x00, 0x01, 0x00, 0xF4, 0x00};
    std::copy(std::begin(first), std::end(first), keyMap1.begin() + 1);
    const uint8_t wheel[] = {0x04, 0x00, 0x01, 0x00, 0x04, 0x00, 0x02, 0x00};
    std::copy(std::begin(wheel), std::end(wheel), keyMap2.begin() + 1 + 24);

    struct Expected {
        uint64_t ms;
        char kind;
        Bytes bytes;
    };
    const Expected expected[] = {
        {400, 'F', {1, 0x12, 0x01, 0x00, 0x40}},  // 50 ms start, 7 × 50 ms buttons
        {550, 'O', trimmed(keyMap1)},
        {650, 'O', trimmed(keyMap2)},
        {700, 'F', {1, 0x0C, 0x01, 0x00, 0xFF}},
        {700, 'F', {1, 0x0D, 0x01, 0x05, 0x04}},  // mode 5, speed 4, one colour
        {700, 'F', {1, 0x03, 0xA0}},
        {700, 'F', {1, 0x11, 0x01, 0x07, 0x10}},
        {750, 'O', {1, 3, 5, 6, 8, 10, 14, 0x28, 2, 3, 5, 6, 8, 10, 14, 0x28, 2}},
        {800, 'F', {1, 0x0B, 0x01, 0x03}},
        {800, 'F', {1, 0x01, 0x01}},
    };
    const auto reports = dev.mouse.reports();
    ASSERT_EQ(reports.size(), std::size(expected));
    for (size_t i = 0; i < reports.size(); ++i) {
        EXPECT_EQ(reports[i].ms, expected[i].ms) << i;
        EXPECT_EQ(reports[i].kind, expected[i].kind) << i;
        EXPECT_EQ(trimmed(reports[i].bytes), expected[i].bytes) << i;
    }
    EXPECT_EQ(dev.clock.nowMs(), 1100u);  // 300 ms between progress 100 and the outcome

    const uint32_t slots[16] = {
        0x00F00001, 0x00F10001, 0x00F20001, 0x00030007, 0x00F30001, 0x00F40001, 0,         0, 0,
        0,          0,          0,          0,          0,          0x00010004, 0x00020004};
    for (size_t s = 0; s < 16; ++s) EXPECT_EQ(keyMapSlot(s), slots[s]) << "slot " << s;

    using Call = RecordingPointerSettings::Call;
    EXPECT_EQ(pointer.calls, (std::vector<Call>{{'M', {0, 0, 0}, 0}, {'S', {}, 10}, {'W', {}, 3}}));
    EXPECT_EQ(intercepts.snapshot(), (std::array<uint32_t, InterceptList::kCapacity>{}));
}

TEST_F(UploaderTest, ButtonFunctionsBecomeTheirCodes) {
    const std::pair<FunctionType, uint32_t> buttons[kButtonCount] = {
        {3, 0},                            // no code: slot stays 0
        {fn::KeyCombination, 0x00090100},  // the stored code as it stands
        {fn::Fire, 0x0218F00A},
        {fn::Snipe, 0x08040007},
        {fn::CloseWindow, 0x003D0400},
        {fn::Music, 0x01830003},
        {fn::Disable, 0x00000007},
    };
    for (int i = 0; i < kButtonCount; ++i) profile.button(i).setFunctionType(buttons[i].first);
    profile.button(1).setBindingCode(0x00090100);
    ASSERT_EQ(upload().back().msg, Msg::UploadDone);
    for (int i = 0; i < kButtonCount; ++i)
        EXPECT_EQ(keyMapSlot(kButtonSlots[static_cast<size_t>(i)]), buttons[i].second)
            << "button " << i;
    EXPECT_EQ(keyMapSlot(kFixedSlot), 0x00030007u);
    // A button without a code takes no pause: 50 + 6 × 50 ms before the key map.
    EXPECT_EQ(features().front().ms, 350u);
    // Wire order of one code: 0x0218F00A goes out as 0A F0 18 02.
    const auto out = dev.mouse.reports()[1].bytes;
    EXPECT_EQ(Bytes(out.begin() + 5, out.begin() + 9), (Bytes{0x0A, 0xF0, 0x18, 0x02}));
}

TEST_F(UploaderTest, MacrosGoIntoSlotsInButtonOrder) {
    addMacro(10, 0x05000200, {Down(0x42), Up(0x42)});                         // button 5's
    addMacro(20, 0x05000100, {Down(0x41), Wait(100), Up(0x41), Down(0x43)});  // button 3's
    library->slot(30).setId(0x05000300);  // recordSize 0: not a macro to send
    for (const int b : {1, 3, 5, 6}) profile.button(b).setFunctionType(fn::Macro);
    macroIds = {0, 0x05000999, 0, 0x05000100, 0, 0x05000200, 0x05000300};
    ASSERT_EQ(upload().back().msg, Msg::UploadDone);

    const auto st = dev.mouse.state();
    MacroImage first{}, second{};
    const uint32_t firstLength = encodeMacroImage(library->slot(20), first);
    const uint32_t secondLength = encodeMacroImage(library->slot(10), second);
    EXPECT_EQ(firstLength, 4u);
    EXPECT_EQ(st.macros[1], first);
    EXPECT_EQ(st.macros[2], second);
    EXPECT_EQ(st.macros[3], MacroImage{});
    EXPECT_EQ(keyMapSlot(kButtonSlots[1]), 0u);  // deleted macro: no function, no slot used
    EXPECT_EQ(keyMapSlot(kButtonSlots[3]), macroBindingCode(1, firstLength));
    EXPECT_EQ(keyMapSlot(kButtonSlots[3]), 0x04010009u);
    EXPECT_EQ(keyMapSlot(kButtonSlots[5]), macroBindingCode(2, secondLength));
    EXPECT_EQ(keyMapSlot(kButtonSlots[6]), 0u);

    const auto f = features();
    ASSERT_GE(f.size(), 3u);
    EXPECT_EQ(trimmed(f[0].bytes), (Bytes{1, 0x13, 0x01, 0x01, 0x00, 0x02}));
    EXPECT_EQ(trimmed(f[1].bytes), (Bytes{1, 0x13, 0x01, 0x02, 0x00, 0x02}));
    EXPECT_EQ(trimmed(f[2].bytes), (Bytes{1, 0x12, 0x01, 0x00, 0x40}));
    // Buttons 0, 2, 4 with codes (3 × 50), two macros of 1700 ms plus 50 ms each, and their
    // buttons' 50 ms, after the 50 ms start.
    EXPECT_EQ(f[2].ms, 50u + 3 * 50 + 2 * (1700 + 50 + 50));
}

TEST_F(UploaderTest, SoftwareFunctionsAreInterceptedExceptTheLeftButton) {
    for (const int b : {0, 2, 6}) profile.button(b).setFunctionType(fn::Software);
    intercepts.update(0x207, false);  // the middle button was taken over before
    intercepts.update(0x201, false);  // and the left one, by an older version of this program
    ASSERT_EQ(upload().back().msg, Msg::UploadDone);
    EXPECT_EQ(keyMapSlot(kButtonSlots[0]), 0x00F00001u);
    EXPECT_EQ(keyMapSlot(kButtonSlots[2]), 0x00F10001u);
    EXPECT_EQ(keyMapSlot(kButtonSlots[6]), 0x00020004u);
    EXPECT_TRUE(intercepts.contains(0x204));
    EXPECT_TRUE(intercepts.contains(0x20A00));
    // Swallowing the left button would take every left click from the computer for nothing.
    EXPECT_FALSE(intercepts.contains(0x201));
    EXPECT_FALSE(intercepts.contains(0x207));
}

// A damaged profile (values from a file no slider can set) reaches the mouse as the lighting
// page shows it: the level at its nearest end, a switch that shows on is sent on, and one that
// shows off sends no multicolour data.
TEST_F(UploaderTest, DamagedLightingValuesAreSentAsShown) {
    struct Case {
        uint32_t mode, param, multicolour, proximity;
        Bytes effect, proximityReport;
        bool multicolourData;
    } cases[] = {
        {1, 300, 0, 2, {1, 0x0D, 0x01, 0x01, 0x0A, 0x01}, {1, 0x03, 0xA0}, false},
        {2, 0, 0, 0, {1, 0x0D, 0x01, 0x02, 0x01, 0x01}, {1, 0x03, 0xB0}, false},
        {5, 7, 2, 1, {1, 0x0D, 0x01, 0x05, 0x06}, {1, 0x03, 0xA0}, false},  // e3 0: trimmed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " value " << c.param);
        const size_t earlier = features().size();
        profile.setLightingMode(c.mode);
        profile.setMode1Param(c.param);
        profile.setMode2Param(c.param);
        profile.setMode5Param(c.param);
        profile.setMulticolourOption(c.multicolour);
        profile.setProximitySensing(c.proximity);
        ASSERT_EQ(upload().back().msg, Msg::UploadDone);
        std::vector<Bytes> effects, proximity;
        bool coloursSeen = false;
        const auto sent = features();
        for (size_t i = earlier; i < sent.size(); ++i) {
            const Bytes b = trimmed(sent[i].bytes);
            if (b.size() < 2) continue;
            if (b[1] == 0x0D) effects.push_back(b);
            if (b[1] == 0x03) proximity.push_back(b);
            if (b[1] == 0x09) coloursSeen = true;
        }
        EXPECT_EQ(effects, std::vector<Bytes>{c.effect});
        EXPECT_EQ(proximity, std::vector<Bytes>{c.proximityReport});
        EXPECT_EQ(coloursSeen, c.multicolourData);
    }
}

TEST_F(UploaderTest, LightingCommands) {
    profile.setLightingMode(5);
    profile.setMulticolourOption(1);
    profile.setColour(0, 0x00332211);
    profile.setColour(1, 0x00665544);
    profile.setColour(2, 0x00998877);
    profile.setColour(3, 0x007E05FA);
    ASSERT_EQ(upload().back().msg, Msg::UploadDone);
    const auto r = dev.mouse.reports();
    ASSERT_GE(r.size(), 7u);
    EXPECT_EQ(trimmed(r[3].bytes), (Bytes{1, 0x0C, 0x01, 0x05, 0xFA, 0x7E}));
    EXPECT_EQ(trimmed(r[4].bytes), (Bytes{1, 0x0D, 0x01, 0x05, 0x04, 0x01}));
    EXPECT_EQ(trimmed(r[5].bytes), (Bytes{1, 0x09, 0x01, 0x00, 0x20}));
    EXPECT_EQ(trimmed(r[6].bytes),
              (Bytes{1, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99}));
    EXPECT_EQ(r[6].ms - r[5].ms, 50u);
    EXPECT_EQ(trimmed(r[7].bytes), (Bytes{1, 0x03, 0xA0}));

    struct Case {
        uint32_t mode;
        std::array<uint8_t, 3> effect;
    };
    ProfileSettings p = ProfileSettings::defaults(false);
    p.setMode1Param(7);
    p.setMode2Param(4);
    p.setMode5Param(2);
    p.setMulticolourOption(1);
    for (const Case& c :
         {Case{1, {1, 7, 1}}, Case{2, {2, 4, 1}}, Case{3, {3, 2, 3}}, Case{4, {4, 10, 2}},
          Case{5, {5, 2, 1}}, Case{6, {0, 0, 0}}, Case{0, {0, 0, 0}}, Case{9, {0, 0, 0}}}) {
        p.setLightingMode(c.mode);
        EXPECT_EQ(ledEffectBytes(p), c.effect) << "mode " << c.mode;
    }
}

// A damaged profile's level, speeds and multicolour switch reach the mouse as the lighting page
// shows them, never as the raw stored bytes.
TEST(UploadTables, LedEffectSendsWhatThePageShows) {
    struct Case {
        const char* what;
        uint32_t mode, param, multicolour;
        std::array<uint8_t, 3> effect;
    } cases[] = {
        {"level 300 (byte 0x2c) shows and sends 10", 1, 300, 0, {1, 10, 1}},
        {"level 0 shows and sends 1", 1, 0, 0, {1, 1, 1}},
        {"speed 0 shows and sends 1", 2, 0, 0, {2, 1, 1}},
        {"speed 9 shows and sends 5", 2, 9, 0, {2, 5, 1}},
        {"mode 5 speed 5 shows step 2: speed 4", 5, 5, 1, {5, 4, 1}},
        {"mode 5 speed 0 shows step 1: speed 2", 5, 0, 0, {5, 2, 0}},
        {"mode 5 speed 256 shows step 3: speed 6", 5, 256, 0, {5, 6, 0}},
        {"multicolour 2 shows off and is sent off", 5, 6, 2, {5, 6, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ProfileSettings p = ProfileSettings::defaults(false);
        p.setLightingMode(c.mode);
        p.setMode1Param(c.param);
        p.setMode2Param(c.param);
        p.setMode5Param(c.param);
        p.setMulticolourOption(c.multicolour);
        EXPECT_EQ(ledEffectBytes(p), c.effect);
        LightingPageModel page;
        page.refresh(p);
        const LightingPageView& v = page.view();
        const int shown = c.mode == 1   ? v.mode1Position
                          : c.mode == 2 ? v.mode2Position
                                        : 2 * v.mode5Position;
        EXPECT_EQ(ledEffectBytes(p)[1], shown);
        if (c.mode == 5) {
            EXPECT_EQ(ledEffectBytes(p)[2], v.multicolourOn ? 1 : 0);
        }
    }
}

TEST(UploadTables, DpiTable) {
    struct Case {
        std::array<uint32_t, 7> dpi;
        std::array<uint8_t, 7> codes;
        uint8_t level;
    };
    const Case cases[] = {
        {{750, 1250, 1500, 2000, 2500, 3500, 4000}, {3, 5, 6, 8, 10, 14, 0x28}, 3},
        {{500, 800, 0, 0, 0, 0, 0}, {2, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}, 1},
        {{250, 0, 0, 0, 0, 0, 7000}, {1, 0x80, 0x80, 0x80, 0x80, 0x80, 0x2E}, 2},
        {{5000, 6000, 2250, 2750, 3000, 3250, 1750}, {0x2A, 0x2C, 9, 11, 12, 13, 7}, 3},
        {{0, 0, 0, 0, 0, 0, 0}, {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}, 0},
    };
    for (const Case& c : cases) {
        ProfileSettings p;
        for (int i = 0; i < 7; ++i) p.setDpiLevel(i, c.dpi[static_cast<size_t>(i)]);
        const DpiTableBytes t = buildDpiTable(p);
        std::array<uint8_t, 16> expected{};
        std::copy(c.codes.begin(), c.codes.end(), expected.begin());
        std::copy(c.codes.begin(), c.codes.end(), expected.begin() + 8);
        expected[7] = expected[15] = 2;
        EXPECT_EQ(t.bytes, expected) << c.dpi[0];
        EXPECT_EQ(t.levelByte, c.level) << c.dpi[0];
    }
    EXPECT_EQ(uploadErrorText(0), "write mousekey metix fail.\n");
    EXPECT_EQ(uploadErrorText(5), "Write mouse DPI failed.\n");
    EXPECT_EQ(uploadErrorText(6), "");
    EXPECT_EQ(uploadErrorText(-1), "");
}

// Each failing step ends the upload with its index; nothing after it is sent, the progress ends.
TEST_F(UploaderTest, EachFailingStepReportsItsIndex) {
    struct Case {
        const char* what;
        SimulatedMouseFaults fault;
        bool threeColours;
        int index;
        size_t reportsSent;  // reports the mouse received
    };
    const Case cases[] = {
        {"key map feature", {.failFeature = 1}, false, 0, 0},
        {"key map first output", {.failOutput = 1}, false, 0, 1},
        {"key map second output", {.failOutput = 2}, false, 0, 2},
        {"single colour", {.failFeature = 2}, false, 1, 3},
        {"effect", {.failFeature = 3}, false, 2, 4},
        {"three colours feature", {.failFeature = 4}, true, 3, 5},
        {"three colours output", {.failOutput = 3}, true, 3, 6},
        {"proximity", {.failFeature = 4}, false, 4, 5},
        {"DPI table feature", {.failFeature = 5}, false, 5, 6},
        {"DPI table output", {.failOutput = 3}, false, 5, 7},
        {"DPI table output never taken", {.stallOutput = 3}, false, 5, 7},
    };
    for (const Case& c : cases) {
        test::SimulatedDevice d;
        d.mouse.setFaults(c.fault);
        ASSERT_TRUE(d.driver.Open());
        ProfileSettings p = ProfileSettings::defaults(false);
        if (c.threeColours) p.setMulticolourOption(1);
        RecordingPointerSettings pointerSeen;
        MessageQueue q;
        {
            SettingsUploader u(d.driver, d.clock, q, intercepts, &pointerSeen,
                               {p, macroIds, *library});
            ASSERT_TRUE(u.requestUpload());
            const auto ms = messagesUntilOutcome(q);
            ASSERT_GE(ms.size(), 2u) << c.what;
            EXPECT_EQ(ms.back(), (PostedMessage{Msg::UploadFailed, 0, c.index})) << c.what;
            EXPECT_EQ(ms[ms.size() - 2],
                      (PostedMessage{Msg::UploadProgress, 100, kProgressEndedByFailure}))
                << c.what;
            EXPECT_FALSE(u.requestUpload()) << c.what << ": not before the outcome is handled";
            u.uploadHandled();
        }
        EXPECT_EQ(d.mouse.reports().size(), c.reportsSent) << c.what;
        EXPECT_TRUE(pointerSeen.calls.empty()) << c.what;
        EXPECT_TRUE(q.drain().empty()) << c.what;
    }
}

TEST_F(UploaderTest, OneRequestAtATimeAndTheWorkerServesMany) {
    SettingsUploader uploader(dev.driver, dev.clock, queue, intercepts, nullptr,
                              {profile, macroIds, *library});
    EXPECT_TRUE(uploader.uploadReady());
    ASSERT_TRUE(uploader.requestUpload());
    EXPECT_FALSE(uploader.requestUpload());  // the Apply button does nothing meanwhile
    EXPECT_EQ(messagesUntilOutcome(queue).back().msg, Msg::UploadDone);
    EXPECT_FALSE(uploader.requestUpload());
    uploader.uploadHandled();
    const auto firstRun = dev.mouse.reports();
    profile.setReportRateCode(8);
    ASSERT_TRUE(uploader.requestUpload());
    EXPECT_EQ(messagesUntilOutcome(queue).back().msg, Msg::UploadDone);
    const auto all = dev.mouse.reports();
    ASSERT_EQ(all.size(), 2 * firstRun.size());
    EXPECT_EQ(trimmed(all.back().bytes), (Bytes{1, 0x01, 0x08}));
    EXPECT_EQ(dev.mouse.state().reportRate, 8);
}

// A clock that stops the worker at its n-th pause until the test lets it go on.
class GateClock final : public Clock {
  public:
    explicit GateClock(int stopAt) : stopAt_(stopAt) {}
    uint64_t nowMs() override { return inner_.nowMs(); }
    void sleepMs(uint32_t ms) override {
        std::unique_lock lock(mutex_);
        if (++calls_ == stopAt_) {
            stopped_ = true;
            cv_.notify_all();
            cv_.wait(lock, [this] { return released_; });
        }
        inner_.sleepMs(ms);
    }
    void waitUntilStopped() {
        std::unique_lock lock(mutex_);
        cv_.wait(lock, [this] { return stopped_; });
    }
    void release() {
        std::lock_guard lock(mutex_);
        released_ = true;
        cv_.notify_all();
    }

  private:
    ManualClock inner_;
    std::mutex mutex_;
    std::condition_variable cv_;
    int stopAt_;
    int calls_ = 0;
    bool stopped_ = false;
    bool released_ = false;
};

// The mouse is unplugged (the interface thread closes the driver) while the worker writes.
TEST_F(UploaderTest, RemovalDuringAnUploadFailsItCleanly) {
    GateClock clock(9);  // start, seven buttons, then the pause after the key map's feature report
    SimulatedMouse mouse(clock);
    CUSBDriver driver(mouse, clock);
    ASSERT_TRUE(driver.Open());
    SettingsUploader uploader(driver, clock, queue, intercepts, &pointer,
                              {profile, macroIds, *library});
    ASSERT_TRUE(uploader.requestUpload());
    clock.waitUntilStopped();
    driver.Close();
    clock.release();
    EXPECT_EQ(messagesUntilOutcome(queue).back(),
              (PostedMessage{Msg::UploadFailed, 0, static_cast<intptr_t>(UploadError::KeyMap)}));
    EXPECT_EQ(mouse.reports().size(), 1u);
}

TEST(UploaderLife, EndsWhileIdleAndFinishesARunningUpload) {
    GateClock clock(1);  // held in its first pause: the upload is then known to be running
    SimulatedMouse mouse(clock);
    CUSBDriver driver(mouse, clock);
    ASSERT_TRUE(driver.Open());
    MessageQueue q;
    InterceptList il;
    const ProfileSettings p = ProfileSettings::defaults(false);
    const MacroIdList ids{};
    auto lib = std::make_unique<MacroLibrary>();
    // Idle: it ends at once, having sent and posted nothing.
    { SettingsUploader idle(driver, clock, q, il, nullptr, {p, ids, *lib}); }
    EXPECT_TRUE(q.drain().empty());
    EXPECT_TRUE(mouse.reports().empty());

    // Running: the end waits for the upload, which runs to its outcome.
    auto running = std::make_unique<SettingsUploader>(driver, clock, q, il, nullptr,
                                                      UploadSources{p, ids, *lib});
    ASSERT_TRUE(running->requestUpload());
    clock.waitUntilStopped();  // the worker is inside the upload, in its opening pause
    std::atomic<bool> ending{false};
    std::thread ender([&] {
        ending = true;
        running.reset();
    });
    while (!ending) std::this_thread::yield();
    clock.release();
    ender.join();
    // Once the end has returned, the whole upload is with the mouse and its outcome is posted.
    const auto ms = q.drain();
    ASSERT_FALSE(ms.empty());
    EXPECT_EQ(ms.back().msg, Msg::UploadDone);
    EXPECT_EQ(mouse.reports().size(), 10u);
    EXPECT_EQ(mouse.state().dpiLevel, 3);
}

// The one test on real time: a whole default upload against the simulated mouse.
TEST(RealTime, DefaultProfileUploadTakesAtLeastItsPauses) {
    SimulatedMouse mouse(SystemClock::instance());
    CUSBDriver driver(mouse, SystemClock::instance());
    ASSERT_TRUE(driver.Open());
    MessageQueue q;
    InterceptList il;
    const ProfileSettings p = ProfileSettings::defaults(false);
    const MacroIdList ids{};
    auto lib = std::make_unique<MacroLibrary>();
    SettingsUploader u(driver, SystemClock::instance(), q, il, nullptr, {p, ids, *lib});
    const uint64_t t0 = SystemClock::instance().nowMs();
    ASSERT_TRUE(u.requestUpload());
    EXPECT_EQ(messagesUntilOutcome(q).back().msg, Msg::UploadDone);
    EXPECT_GE(SystemClock::instance().nowMs() - t0, 1100u);
    EXPECT_EQ(mouse.state().dpiLevel, 3);
    EXPECT_EQ(mouse.reports().size(), 10u);
}

}  // namespace
}  // namespace z408
