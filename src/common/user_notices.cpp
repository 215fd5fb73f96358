// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "common/user_notices.h"

namespace z408 {

bool UserNotices::info(std::string text, bool withCancel) {
    return show(Notice{NoticeStyle::InfoBox, std::move(text), "Info", withCancel});
}

void UserNotices::message(std::string text, std::string caption) {
    show(Notice{NoticeStyle::MessageBox, std::move(text), std::move(caption), false});
}

bool RecordingNotices::show(const Notice& notice) {
    shown.push_back(notice);
    return reply;
}

std::string RecordingNotices::text(std::string_view key) const {
    // Without a language file the keys stand for themselves, with the one format argument kept.
    if (key == "str_msg2") return "Failed to open %s";
    return std::string(key);
}

}  // namespace z408
