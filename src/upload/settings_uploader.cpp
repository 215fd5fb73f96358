// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "upload/settings_uploader.h"

#include "common/program_texts.h"
#include "common/text.h"
#include "device/macro_image.h"
#include "lighting/lighting_params.h"

namespace z408 {
namespace {

constexpr std::string_view kUploadErrorTexts[kUploadErrorCount] = {
    "write mousekey metix fail.\n", "Write mouse LED color failed.\n",
    "Write mouse effect failed.\n", "Write LED color123 failed.\n",
    "Write mouse touch failed.\n",  "Write mouse DPI failed.\n",
};

constexpr uint32_t kLightingModeSymphony = 5;

}  // namespace

std::string_view uploadErrorText(intptr_t index) {
    return index >= 0 && index < kUploadErrorCount ? kUploadErrorTexts[index] : std::string_view{};
}

std::string macroCutText(const MacroLibrary& library, uint32_t macroId, int64_t languageId) {
    const auto slot = library.findMacroById(macroId);
    if (!slot) return {};
    const MacroEntry& macro = library.slot(*slot);
    return formatText(programText(ProgramText::MacroCutInMouse, languageId),
                      {utf16ToUtf8(macro.name()), std::to_string(macroStepWords(macro))});
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
    const std::optional<UploadError> error = sendProfile();
    uploadsSent_.fetch_add(1, std::memory_order_release);
    if (!error) {
        post(Msg::UploadProgress, 100, 0);
        clock_.sleepMs(kUploadEndPauseMs);
        post(Msg::UploadDone, 0, 0);
    } else {
        // The progress always ends, so nothing waits for a 100 that a failure would never send.
        post(Msg::UploadProgress, 100, kProgressEndedByFailure);
        post(Msg::UploadFailed, 0, static_cast<intptr_t>(*error));
    }
}

std::optional<UploadError> SettingsUploader::sendProfile() {
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
            const std::optional<size_t> slot =
                sources_.library.findSendableMacro(sources_.macroIds[b]);
            if (slot) {
                const MacroEntry& macro = sources_.library.slot(*slot);
                const uint32_t length = driver_.WriteMacro(macroSlot, &macro);
                if (macroImageIsCut(macro))
                    post(Msg::MacroCut, b, static_cast<intptr_t>(macro.id()));
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
    if (!driver_.WriteKeyMap(keyMap.bytes())) return UploadError::KeyMap;
    post(Msg::UploadProgress, 60, 0);

    if (!driver_.WriteLedColour(profile.colour(3))) return UploadError::LedColour;
    const auto effect = ledEffectBytes(profile);
    if (!driver_.WriteLedEffect(effect[0], effect[1], effect[2])) return UploadError::LedEffect;
    if (profile.lightingMode() == kLightingModeSymphony && shownMulticolourOn(profile)) {
        if (!driver_.WriteLedColours(ledColoursPayload(profile))) return UploadError::LedColours;
    }
    post(Msg::UploadProgress, 70, 0);

    // The switch as the lighting page shows it, whatever value a damaged profile stores.
    if (!driver_.WriteProximity(shownProximityOn(profile), profile.lightingMode()))
        return UploadError::Proximity;
    post(Msg::UploadProgress, 75, 0);

    const DpiTableBytes dpi = buildDpiTable(profile);
    if (!driver_.WriteDpiTable(dpi.bytes)) return UploadError::DpiTable;
    // Best effort, like the report rate below: no failure text names these steps, and a mouse
    // that refuses one keeps its previous setting until the next Apply sends it again.
    driver_.WriteDpiLevel(dpi.levelByte);
    post(Msg::UploadProgress, 80, 0);

    // The desktop's settings are not the mouse's: a place that refuses a value does not fail the
    // upload (z408ctl pointer shows what each place holds).
    if (pointer_ != nullptr) {
        ApplyPointerSettings(*pointer_,
                             pointerValuesOf(profile.enhancePrecision(), profile.pointerSpeed(),
                                             profile.wheelLines()));
    }
    post(Msg::UploadProgress, 90, 0);

    driver_.WriteReportRate(profile.reportRateCode());
    return std::nullopt;
}

}  // namespace z408
