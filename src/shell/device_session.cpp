// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "shell/device_session.h"

#include "shell/device_bring_up.h"

namespace z408 {

void DeviceSession::arrived(std::string_view path) {
    if (actions_.ending() || !actions_.isMousePath(path)) return;
    // One mouse announces itself through several interfaces: one reopening is enough, and an
    // open link (a second mouse) keeps the hooks and the link it has.
    if (!actions_.hasLink() || retrying_ || actions_.linkOpen()) return;
    tryOpen();
}

void DeviceSession::retryElapsed() {
    if (retrying_) tryOpen();
}

void DeviceSession::tryOpen() {
    if (!actions_.hasLink()) return;
    if (!actions_.openLink()) {
        // Retried from the event loop so the window stays usable while the mouse settles.
        if (!retrying_) {
            retrying_ = true;
            actions_.startRetryTimer();
        }
        return;
    }
    stopRetrying();
    actions_.linkOpened();
    actions_.showNotice(mouseFoundText(actions_.languageId()));
}

void DeviceSession::removed(std::string_view path) {
    if (actions_.ending() || removing_ || !actions_.isMousePath(path)) return;
    removing_ = true;
    // The notice comes alone: whatever was open belongs to a program that is ending.
    actions_.closeOpenDialogs();
    stopRetrying();
    if (actions_.hasLink()) actions_.closeLink();
    actions_.removeHooks();
    actions_.showNotice(mouseMissingText(actions_.languageId()));
    actions_.requestExit();
}

void DeviceSession::stop() {
    stopRetrying();
}

void DeviceSession::stopRetrying() {
    if (!retrying_) return;
    retrying_ = false;
    actions_.stopRetryTimer();
}

}  // namespace z408
