// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "shell/software_function_dispatcher.h"

#include "common/event_codes.h"
#include "common/text.h"

namespace z408 {

std::optional<int> buttonOfEventCode(uint64_t code) {
    switch (code) {
        case event_code::MiddleDown:
            return 1;
        case event_code::RightDown:
            return 2;
        case event_code::ForwardDown:
            return 3;
        case event_code::BackDown:
            return 4;
        case event_code::WheelUp:
            return 5;
        case event_code::WheelDown:
            return 6;
        default:
            return std::nullopt;  // the left button included: its click stays a click
    }
}

std::optional<SoftwareAction> softwareActionFor(uint64_t eventCode, const ProfileSettings& active) {
    const auto button = buttonOfEventCode(eventCode);
    if (!button) return std::nullopt;
    const auto assignment = active.button(*button);
    if (assignment.functionType() != fn::Software) return std::nullopt;
    const std::u16string path = assignment.path();  // bounded and terminated
    if (path.empty()) return std::nullopt;
    const auto kind = softwareKindFromValue(assignment.softwareKind());
    if (!kind) return std::nullopt;

    SoftwareAction action{*button, *kind, utf16ToUtf8(path)};
    const bool quote = *kind == SoftwareKind::File || *kind == SoftwareKind::Folder;
    if (quote && path.find(u' ') != std::u16string::npos) action.target = '"' + action.target + '"';
    return action;
}

void runSoftwareAction(const SoftwareAction& action, SoftwareLauncher& launcher) {
    switch (action.kind) {
        case SoftwareKind::Sound:
            launcher.playSound(action.target);
            break;
        case SoftwareKind::Program:
            launcher.startProgram(action.target);
            break;
        case SoftwareKind::File:
            launcher.openFile(action.target);
            break;
        case SoftwareKind::Folder:
            launcher.openFolder(action.target);
            break;
    }
}

SoftwareFunctionDispatcher::SoftwareFunctionDispatcher(SoftwareLauncher& launcher,
                                                       MessageSink& statistics)
    : launcher_(launcher), statistics_(statistics) {}

bool SoftwareFunctionDispatcher::handleButtonEvent(uintptr_t wParam, intptr_t lParam,
                                                   const ProfileSettings& active) {
    statistics_.post(Msg::ClickEvent, wParam, lParam);
    if (const auto action = softwareActionFor(wParam, active))
        runSoftwareAction(*action, launcher_);
    return true;
}

}  // namespace z408
