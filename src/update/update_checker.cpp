// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "update/update_checker.h"

#include <vector>

#include "common/file_io.h"
#include "common/program_texts.h"
#include "common/text.h"
#include "update/sha256.h"
#include "update/update_description.h"

namespace z408 {
namespace {}  // namespace

namespace {

// Far above any firmware image, as the downloader's own limit.
constexpr size_t kMaxImageBytes = 64u << 20;

bool imageMatches(const std::filesystem::path& file, const std::string& expectedHex) {
    std::vector<uint8_t> bytes;
    return readWholeFile(file, kMaxImageBytes, bytes) && sha256Hex(bytes) == expectedHex;
}

}  // namespace

std::string httpHost(std::string_view url) {
    const auto lower = [](std::string_view s) {
        std::string out(s);
        for (char& c : out)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return out;
    };
    const size_t sep = url.find("://");
    if (sep == std::string_view::npos) return {};
    const std::string scheme = lower(url.substr(0, sep));
    if (scheme != "http" && scheme != "https") return {};
    std::string_view authority = url.substr(sep + 3);
    authority = authority.substr(0, authority.find_first_of("/?#"));
    // An address naming a user is not the server's own; the port may differ (http and https).
    if (authority.find('@') != std::string_view::npos || authority.empty()) return {};
    if (authority.front() == '[')
        authority = authority.substr(0, authority.find(']') + 1);
    else
        authority = authority.substr(0, authority.find(':'));
    return lower(authority);
}

bool sameHttpHost(std::string_view a, std::string_view b) {
    const std::string host = httpHost(a);
    return !host.empty() && host == httpHost(b);
}

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
    notices_.info(notices_.programText(ProgramText::FirmwareLatest));
}

bool UpdateChecker::checkForUpdate() {
    {
        std::lock_guard lock(mutex_);
        if (!idle_) return false;
        idle_ = false;
    }
    // A description from an earlier check that is already newer: ask at once, no download.
    if (readUpdateDescription(descriptionFile_).current > deviceVersion()) {
        const bool ok = notices_.info(notices_.programText(ProgramText::FirmwareNewVersion), true);
        if (ok)
            actions_.startFirmwareBurner();
        else {
            // Declined: the next click asks the server again, so a description the server has
            // since replaced (or one that was wrong) does not answer every later check.
            std::error_code ec;
            std::filesystem::remove(descriptionFile_, ec);
        }
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
        newFirmwareSha256_ = d.imageSha256;
    }
    if (d.current > deviceVersion()) {
        if (notices_.info(notices_.programText(ProgramText::FirmwareNewVersion), true) &&
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
    // The image only from the host that served the description: a description cannot send the
    // program to fetch from any address it names.
    if (!url.empty() && sameHttpHost(url, descriptionUrl_) &&
        downloader_.download(url, firmwareFile_, stop, error)) {
        std::string expected;
        {
            std::lock_guard lock(mutex_);
            expected = newFirmwareSha256_;
        }
        if (expected.empty() || imageMatches(firmwareFile_, expected)) return true;
        // Not the image the description names: never handed to the burner.
        std::error_code ec;
        std::filesystem::remove(firmwareFile_, ec);
    }
    if (!stop.stop_requested())
        notices_.info(notices_.programText(ProgramText::FirmwareDownloadFailed));
    return false;
}

}  // namespace z408
