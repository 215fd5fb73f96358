// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A blocking download of an address to a file, as the update check needs it.
#include <filesystem>
#include <stop_token>
#include <string>

namespace z408 {

class UpdateDownloader {
  public:
    virtual ~UpdateDownloader() = default;
    // Replaces `to` with what `url` serves; false (and `to` left as it was) on any failure, with
    // its reason in words in `error`. Gives up early once `stop` is requested.
    virtual bool download(const std::string& url, const std::filesystem::path& to,
                          std::stop_token stop, std::string& error) = 0;
};

}  // namespace z408
