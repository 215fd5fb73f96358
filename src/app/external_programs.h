#pragma once
// The two programs the configurator hands over to, both beside it: the firmware burner
// (FWUpdate/TarvoFlash.exe, given "1" for Chinese texts or "0", then the downloaded image's path
// when there is one) and the program updater (tarvo_update/TarvoUpdate.exe, no arguments). Both are
// started detached; whether they ran is not checked, as the user sees them or their absence for
// themselves.
#include <filesystem>

namespace z408 {

std::filesystem::path firmwareBurnerPath(const std::filesystem::path& programDirectory);
std::filesystem::path programUpdaterPath(const std::filesystem::path& programDirectory);

bool startFirmwareBurner(const std::filesystem::path& programDirectory, bool chinese,
                         const std::filesystem::path& image = {});
bool startProgramUpdater(const std::filesystem::path& programDirectory);

}  // namespace z408
