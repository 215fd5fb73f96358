// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/desktop_launcher.h"

#include <canberra.h>
#include <sys/stat.h>
#include <unistd.h>

#include "desktop/process_runner.h"

namespace z408::desktop {
namespace {

constexpr uint32_t kSoundId = 1;  // one id for every sound, so cancelling it stops the last one

bool isExecutableFile(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

DesktopLauncher::DesktopLauncher() = default;

DesktopLauncher::~DesktopLauncher() {
    if (sound_ != nullptr) ca_context_destroy(sound_);
}

std::string DesktopLauncher::unquoted(const std::string& path) {
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        return path.substr(1, path.size() - 2);
    return path;
}

bool DesktopLauncher::playSound(const std::string& path) {
    if (path.empty()) return false;
    std::lock_guard lock(soundMutex_);
    if (!soundTried_) {
        soundTried_ = true;
        if (ca_context_create(&sound_) == CA_SUCCESS) {
            ca_context_change_props(sound_, CA_PROP_APPLICATION_NAME, "Z408",
                                    static_cast<char*>(nullptr));
            if (ca_context_open(sound_) != CA_SUCCESS) {
                ca_context_destroy(sound_);
                sound_ = nullptr;
            }
        } else {
            sound_ = nullptr;
        }
    }
    if (sound_ == nullptr) return false;
    ca_context_cancel(sound_, kSoundId);
    return ca_context_play(sound_, kSoundId, CA_PROP_MEDIA_FILENAME, path.c_str(),
                           CA_PROP_CANBERRA_CACHE_CONTROL, "never",
                           static_cast<char*>(nullptr)) == CA_SUCCESS;
}

bool DesktopLauncher::startProgram(const std::string& path) {
    if (path.empty()) return false;
    if (path.find('/') == std::string::npos) {
        if (programInPath(path)) return startDetached({path});
        return false;
    }
    if (isExecutableFile(path)) return startDetached({path});
    if (access(path.c_str(), F_OK) == 0) return openWithDesktop(path);
    return false;
}

bool DesktopLauncher::openFile(const std::string& path) {
    return openWithDesktop(unquoted(path));
}

bool DesktopLauncher::openFolder(const std::string& path) {
    return openWithDesktop(unquoted(path));
}

bool DesktopLauncher::openWithDesktop(const std::string& path) {
    if (path.empty() || !programInPath("xdg-open")) return false;
    // xdg-open takes a leading dash for an option.
    return startDetached({"xdg-open", path.front() == '-' ? "./" + path : path});
}

}  // namespace z408::desktop
