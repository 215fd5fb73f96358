#include "update/update_checker.h"

#include "common/text.h"
#include "update/update_description.h"

namespace z408 {
namespace {

constexpr const char* kNewVersionChinese = "游戏鼠标固件有更新,是否更新到最新版本?";
constexpr const char* kNewVersionEnglish =
    "A new version of firmware is available for the gaming mouse, whether to update or not?";
constexpr const char* kLatestChinese = "固件已经是最新版本.";
constexpr const char* kLatestEnglish = "Firmware is the latest version.";
constexpr const char* kFirmwareDownloadFailed = "New-version firmware download failed.";

}  // namespace

UpdateChecker::UpdateChecker(const std::filesystem::path& dataDirectory, std::string descriptionUrl,
                             UpdateDownloader& downloader, UserNotices& notices,
                             UpdateActions& actions)
    : descriptionFile_(dataDirectory / "FWUpdate" / "new_version" / "update.xml"),
      firmwareFile_(dataDirectory / "FWUpdate" / "new_version" / "TarvoGameDevice.bin"),
      descriptionUrl_(std::move(descriptionUrl)),
      downloader_(downloader),
      notices_(notices),
      actions_(actions) {}

UpdateChecker::~UpdateChecker() {
    stopThread();
}

void UpdateChecker::startThread() {
    if (!thread_.joinable()) thread_ = std::jthread([this](std::stop_token st) { run(st); });
}

void UpdateChecker::stopThread() {
    if (!thread_.joinable()) return;
    thread_.request_stop();
    thread_.join();
    std::lock_guard lock(mutex_);
    pending_ = false;
    idle_ = true;
}

void UpdateChecker::setDeviceFirmwareVersionText(std::string text) {
    std::lock_guard lock(mutex_);
    deviceVersionText_ = std::move(text);
}

uint32_t UpdateChecker::deviceVersion() const {
    std::lock_guard lock(mutex_);
    return integerValueOfText(deviceVersionText_);
}

bool UpdateChecker::idle() const {
    std::lock_guard lock(mutex_);
    return idle_;
}

std::string UpdateChecker::newFirmwareUrl() const {
    std::lock_guard lock(mutex_);
    return newFirmwareUrl_;
}

void UpdateChecker::showLatest() {
    notices_.info(notices_.chinese() ? kLatestChinese : kLatestEnglish);
}

bool UpdateChecker::checkForUpdate() {
    {
        std::lock_guard lock(mutex_);
        if (!idle_) return false;
        idle_ = false;
    }
    // A description from an earlier check that is already newer: ask at once, no download.
    if (readUpdateDescription(descriptionFile_).current > deviceVersion()) {
        const bool ok =
            notices_.info(notices_.chinese() ? kNewVersionChinese : kNewVersionEnglish, true);
        if (ok) actions_.startFirmwareBurner();
        std::lock_guard lock(mutex_);
        idle_ = true;
        return ok;
    }
    actions_.startTimeoutTimer(kTimeoutMs);
    std::lock_guard lock(mutex_);
    ++requestGen_;
    pending_ = true;
    wake_.notify_all();
    return true;
}

void UpdateChecker::timeoutElapsed() {
    {
        std::lock_guard lock(mutex_);
        // The worker answered first, or has taken the answer and its stop is on the way.
        if (idle_ || answeredGen_ >= requestGen_) return;
        answeredGen_ = requestGen_;
        pending_ = false;  // not picked up yet: it never will be
        idle_ = true;
    }
    // Nothing is known about the firmware: "latest version" would be a guess.
    notices_.info(notices_.programText(ProgramText::UpdateServerSilent));
}

void UpdateChecker::run(std::stop_token stop) {
    for (;;) {
        uint64_t gen = 0;
        {
            std::unique_lock lock(mutex_);
            if (!wake_.wait(lock, stop, [this] { return pending_; })) return;
            pending_ = false;
            gen = requestGen_;
        }
        std::string error;
        const bool downloaded =
            downloader_.download(descriptionUrl_, descriptionFile_, stop, error);
        if (stop.stop_requested()) return;
        {
            std::lock_guard lock(mutex_);
            // Answered by the timer already, or overtaken by a newer check: drop silently. Only
            // the current check's timer is stopped, never a newer one's.
            if (answeredGen_ >= gen || requestGen_ != gen) continue;
            answeredGen_ = gen;
        }
        actions_.stopTimeoutTimer();
        if (downloaded) {
            offerUpdate(stop);
        } else {
            // A description that could not be fetched or written says nothing about the
            // firmware: tell why instead of "latest version".
            // The reason can be long (a path): a plain message box shows it whole.
            notices_.message(
                formatText(notices_.programText(ProgramText::UpdateCheckFailed), {error}));
        }
        std::lock_guard lock(mutex_);
        idle_ = true;
    }
}

void UpdateChecker::offerUpdate(std::stop_token stop) {
    const UpdateDescription d = readUpdateDescription(descriptionFile_);
    {
        std::lock_guard lock(mutex_);
        newFirmwareUrl_ = d.newFile;
    }
    if (d.current > deviceVersion()) {
        if (notices_.info(notices_.chinese() ? kNewVersionChinese : kNewVersionEnglish, true) &&
            downloadFirmware(stop))
            actions_.startFirmwareBurner();
    } else {
        showLatest();
    }
}

bool UpdateChecker::downloadFirmware(std::stop_token stop) {
    std::string url = newFirmwareUrl();
    // Line breaks around the address in the description are layout, not part of it.
    const auto first = url.find_first_not_of(" \t\r\n");
    const auto last = url.find_last_not_of(" \t\r\n");
    url = first == std::string::npos ? std::string() : url.substr(first, last - first + 1);
    std::string error;
    if (!url.empty() && downloader_.download(url, firmwareFile_, stop, error)) return true;
    if (!stop.stop_requested()) notices_.info(kFirmwareDownloadFailed);
    return false;
}

}  // namespace z408
