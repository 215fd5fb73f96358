// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "app/linux_bring_up_platform.h"

#include "app/external_programs.h"
#include "common/user_notices.h"
#include "device/usb_driver.h"
#include "platform/device_presence_monitor.h"

namespace z408 {

bool LinuxBringUpPlatform::bootloaderPresent() {
    return driver_.WaitsInBootloader() || z408::bootloaderPresent();
}

bool LinuxBringUpPlatform::openDevice() {
    return driver_.Open();
}

std::string LinuxBringUpPlatform::refusedNode() {
    return driver_.RefusedNode();
}

void LinuxBringUpPlatform::startFirmwareTool(bool chinese) {
    if (startFirmwareBurner(helperDirectory_, chinese) == HelperStart::NotInstalled)
        notices_.info(notices_.programText(ProgramText::NoFirmwareBurner));
}

}  // namespace z408
