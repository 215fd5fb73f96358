#include "device/settings_uploader.h"

#include <algorithm>

namespace z408 {
namespace {

constexpr std::string_view kUploadErrorTexts[kUploadErrorCount] = {
    "write mousekey metix fail.\n", "Write mouse LED color failed.\n",
    "Write mouse effect failed.\n", "Write LED color123 failed.\n",
    "Write mouse touch failed.\n",  "Write mouse DPI failed.\n",
};

struct DpiRow {
    uint32_t dpi;
    uint8_t code;
};
// clang-format off
constexpr DpiRow kDpiCodes[] = {
    {250, 1},   {500, 2},   {750, 3},    {1000, 4},   {1250, 5},   {1500, 6},
    {1750, 7},  {2000, 8},  {2250, 9},   {2500, 10},  {2750, 11},  {3000, 12},
    {3250, 13}, {3500, 14}, {4000, 0x28}, {5000, 0x2A}, {6000, 0x2C}, {7000, 0x2E},
};
// clang-format on

constexpr uint32_t kLightingModeSymphony = 5;

}  // namespace

std::string_view uploadErrorText(intptr_t index) {
    return index >= 0 && index < kUploadErrorCount ? kUploadErrorTexts[index] : std::string_view{};
}

uint8_t dpiCode(uint32_t dpi) {
    for (const DpiRow& row : kDpiCodes)
        if (row.dpi == dpi) return row.code;
    return kEmptyDpiLevel;
}

DpiTableBytes buildDpiTable(const ProfileSettings& profile) {
    DpiTableBytes t;
    int levels = 0;
    for (int i = 0; i < kDpiLevelCount; ++i) {
        const uint8_t code = dpiCode(profile.dpiLevel(i));
        if (code != kEmptyDpiLevel) ++levels;
        t.bytes[static_cast<size_t>(i)] = code;
        t.bytes[static_cast<size_t>(8 + i)] = code;
    }
    t.bytes[7] = 0x02;
    t.bytes[15] = 0x02;
    t.levelByte = static_cast<uint8_t>(std::min(levels, 3));
    return t;
}

std::array<uint8_t, 3> ledEffectBytes(const ProfileSettings& p) {
    const auto b = [](uint32_t v) { return static_cast<uint8_t>(v); };
    switch (p.lightingMode()) {
        case 1:
            return {1, b(p.mode1Param()), 1};
        case 2:
            return {2, b(p.mode2Param()), 1};
        case 3:
            return {3, 2, 3};
        case 4:
            return {4, 10, 2};
        case 5:
            return {5, b(p.mode5Param()), b(p.multicolourOption())};
        default:
            return {0, 0, 0};
    }
}

std::array<uint8_t, 32> ledColoursPayload(const ProfileSettings& p) {
    std::array<uint8_t, 32> out{};
    for (int i = 0; i < 3; ++i) {
        const uint32_t c = p.colour(i);  // 0x00BBGGRR
        const auto at = static_cast<size_t>(3 * i);
        out[at] = static_cast<uint8_t>(c);
        out[at + 1] = static_cast<uint8_t>(c >> 8);
        out[at + 2] = static_cast<uint8_t>(c >> 16);
    }
    return out;
}

SettingsUploader::SettingsUploader(CUSBDriver& driver, Clock& clock, MessageSink& sink,
                                   InterceptList& intercepts, PointerSettings* pointer,
                                   UploadSources sources)
    : driver_(driver),
      clock_(clock),
      sink_(sink),
      intercepts_(intercepts),
      pointer_(pointer),
      sources_(sources),
      thread_([this](std::stop_token stop) { threadProc(stop); }) {}

SettingsUploader::~SettingsUploader() {
    thread_.request_stop();
    request_.set();
    if (thread_.joinable()) thread_.join();
}

bool SettingsUploader::requestUpload() {
    bool ready = true;
    if (!uploadReady_.compare_exchange_strong(ready, false)) return false;
    request_.set();
    return true;
}

void SettingsUploader::threadProc(std::stop_token stop) {
    while (!stop.stop_requested()) {
        if (!request_.wait(stop) || stop.stop_requested()) return;
        request_.reset();
        uploadReady_.store(false);
        clock_.sleepMs(kUploadStartPauseMs);
        runUpload();
    }
}

void SettingsUploader::runUpload() {
    const int error = sendProfile();
    uploadsSent_.fetch_add(1, std::memory_order_release);
    if (error < 0) {
        post(Msg::UploadProgress, 100, 0);
        clock_.sleepMs(kUploadEndPauseMs);
        post(Msg::UploadDone, 0, 0);
    } else {
        // The progress always ends, so nothing waits for a 100 that a failure would never send.
        post(Msg::UploadProgress, 100, kProgressEndedByFailure);
        post(Msg::UploadFailed, 0, error);
    }
}

int SettingsUploader::sendProfile() {
    const ProfileSettings& profile = sources_.profile;
    KeyMap keyMap;
    uint32_t macroSlot = 1;
    uintptr_t progress = 0;

    for (int i = 0; i < kButtonCount; ++i) {
        const auto b = static_cast<size_t>(i);
        intercepts_.update(kButtonEventCodes[b], true);
        post(Msg::UploadProgress, progress, 0);

        const auto button = profile.button(i);
        const FunctionType type = button.functionType();
        std::optional<uint32_t> code;
        if (type == fn::KeyCombination) {
            code = button.bindingCode();
        } else if (type == fn::Macro) {
            const std::optional<size_t> slot = sources_.library.findMacroById(sources_.macroIds[b]);
            if (slot && sources_.library.slot(*slot).recordSize() != 0) {
                const uint32_t length =
                    driver_.WriteMacro(macroSlot, &sources_.library.slot(*slot));
                clock_.sleepMs(kAfterMacroPauseMs);
                code = macroBindingCode(macroSlot, length);
                ++macroSlot;
            }
        } else if (type == fn::Software) {
            code = softwareDefaultCode(i);
            if (interceptsSoftwareFunction(i)) intercepts_.update(kButtonEventCodes[b], false);
        } else {
            code = fixedBindingCode(type);
        }
        if (code) {
            keyMap.setSlot(kButtonSlots[b], *code);
            clock_.sleepMs(kAfterButtonPauseMs);
        }
        progress += 7;
    }

    keyMap.setSlot(kFixedSlot, kFixedSlotCode);
    if (!driver_.WriteKeyMap(keyMap.bytes())) return static_cast<int>(UploadError::KeyMap);
    post(Msg::UploadProgress, 60, 0);

    if (!driver_.WriteLedColour(profile.colour(3))) return static_cast<int>(UploadError::LedColour);
    const auto effect = ledEffectBytes(profile);
    if (!driver_.WriteLedEffect(effect[0], effect[1], effect[2]))
        return static_cast<int>(UploadError::LedEffect);
    if (profile.lightingMode() == kLightingModeSymphony && profile.multicolourOption() == 1) {
        if (!driver_.WriteLedColours(ledColoursPayload(profile)))
            return static_cast<int>(UploadError::LedColours);
    }
    post(Msg::UploadProgress, 70, 0);

    if (!driver_.WriteProximity(profile.proximitySensing() == 1, profile.lightingMode()))
        return static_cast<int>(UploadError::Proximity);
    post(Msg::UploadProgress, 75, 0);

    const DpiTableBytes dpi = buildDpiTable(profile);
    if (!driver_.WriteDpiTable(dpi.bytes)) return static_cast<int>(UploadError::DpiTable);
    driver_.WriteDpiLevel(dpi.levelByte);
    post(Msg::UploadProgress, 80, 0);

    if (pointer_ != nullptr) {
        ApplyPointerSettings(*pointer_,
                             pointerValuesOf(profile.enhancePrecision(), profile.pointerSpeed(),
                                             profile.wheelLines()));
    }
    post(Msg::UploadProgress, 90, 0);

    driver_.WriteReportRate(profile.reportRateCode());
    return -1;
}

}  // namespace z408
