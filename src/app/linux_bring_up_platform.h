// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The bring-up's view of this computer: the bootloader test through udev, the mouse through the
// device link, and the firmware tool started from the helper folder (or, where it is not
// installed, a notice saying so).
#include <filesystem>

#include "shell/device_bring_up.h"

namespace z408 {

class CUSBDriver;
class UserNotices;

class LinuxBringUpPlatform final : public BringUpPlatform {
  public:
    LinuxBringUpPlatform(CUSBDriver& driver, std::filesystem::path helperDirectory,
                         UserNotices& notices)
        : driver_(driver), helperDirectory_(std::move(helperDirectory)), notices_(notices) {}

    bool bootloaderPresent() override;
    bool openDevice() override;
    std::string refusedNode() override;
    void startFirmwareTool(bool chinese) override;

  private:
    CUSBDriver& driver_;
    std::filesystem::path helperDirectory_;
    UserNotices& notices_;
};

}  // namespace z408
