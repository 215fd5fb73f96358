#pragma once
// The bring-up's view of this computer: the bootloader test through udev, the mouse through the
// device link, and the firmware tool started beside the program.
#include <filesystem>

#include "shell/device_bring_up.h"

namespace z408 {

class CUSBDriver;

class LinuxBringUpPlatform final : public BringUpPlatform {
  public:
    LinuxBringUpPlatform(CUSBDriver& driver, std::filesystem::path programDirectory)
        : driver_(driver), programDirectory_(std::move(programDirectory)) {}

    bool bootloaderPresent() override;
    bool openDevice() override;
    std::string refusedNode() override;
    void startFirmwareTool(bool chinese) override;

  private:
    CUSBDriver& driver_;
    std::filesystem::path programDirectory_;
};

}  // namespace z408
