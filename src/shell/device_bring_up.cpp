#include "shell/device_bring_up.h"

namespace z408 {

std::string_view toString(BringUpOutcome outcome) {
    switch (outcome) {
        case BringUpOutcome::FirmwareTool:
            return "firmware tool";
        case BringUpOutcome::NotFound:
            return "not found";
        case BringUpOutcome::Found:
            return "found";
    }
    return "?";
}

BringUpOutcome bringUpDevice(BringUpPlatform& platform, Clock& clock, bool chinese) {
    // The pauses lie between the checks and between the attempts: none after the last one.
    for (int check = 0; check < kBootloaderChecks; ++check) {
        if (check > 0) clock.sleepMs(kBootloaderCheckPauseMs);
        if (platform.bootloaderPresent()) {
            platform.startFirmwareTool(chinese);
            return BringUpOutcome::FirmwareTool;
        }
    }
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (attempt > 0) clock.sleepMs(kOpenAttemptPauseMs);
        if (platform.openDevice()) return BringUpOutcome::Found;
    }
    return BringUpOutcome::NotFound;
}

std::string_view mouseFoundText(bool chinese) {
    return chinese ? "发现Z408游戏鼠标." : "The Z408 gaming mouse is found.";
}

std::string_view mouseMissingText(bool chinese) {
    return chinese ? "没有找到Z408游戏鼠标." : "The Z408 gaming mouse cannot be found.";
}

}  // namespace z408
