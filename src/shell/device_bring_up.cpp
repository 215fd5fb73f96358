// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "shell/device_bring_up.h"

#include "common/program_texts.h"

namespace z408 {

std::string_view toString(BringUpOutcome outcome) {
    switch (outcome) {
        case BringUpOutcome::FirmwareTool:
            return "firmware tool";
        case BringUpOutcome::NotFound:
            return "not found";
        case BringUpOutcome::NoAccess:
            return "no access";
        case BringUpOutcome::Found:
            return "found";
    }
    return "?";
}

std::optional<uint32_t> BringUpSearch::step() {
    if (outcome_) return std::nullopt;
    // The pauses lie between the checks and between the attempts: none after the last one.
    if (checks_ < kBootloaderChecks) {
        ++checks_;
        if (platform_.bootloaderPresent()) {
            platform_.startFirmwareTool(chinese_);
            outcome_ = BringUpOutcome::FirmwareTool;
            return std::nullopt;
        }
        // The first attempt follows the last check at once.
        return checks_ < kBootloaderChecks ? kBootloaderCheckPauseMs : 0;
    }
    ++attempts_;
    if (platform_.openDevice()) {
        refusedNode_.clear();
        outcome_ = BringUpOutcome::Found;
        return std::nullopt;
    }
    // Only the last attempt counts: a rule that udev applies while we search lets us in.
    refusedNode_ = platform_.refusedNode();
    if (attempts_ < kOpenAttempts) return kOpenAttemptPauseMs;
    outcome_ = refusedNode_.empty() ? BringUpOutcome::NotFound : BringUpOutcome::NoAccess;
    return std::nullopt;
}

BringUpOutcome bringUpDevice(BringUpPlatform& platform, Clock& clock, bool chinese) {
    BringUpSearch search(platform, chinese);
    while (const auto pause = search.step())
        if (*pause > 0) clock.sleepMs(*pause);
    return *search.outcome();
}

std::string_view mouseFoundText(int64_t languageId) {
    return programText(ProgramText::MouseFound, languageId);
}

std::string_view mouseMissingText(int64_t languageId) {
    return programText(ProgramText::MouseMissing, languageId);
}

}  // namespace z408
