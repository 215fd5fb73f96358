// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Downloads through libcurl: connect and total time-outs, redirects followed, a size limit, and
// the file replaced atomically only when the whole body arrived with a success status.
#include <cstddef>
#include <filesystem>
#include <stop_token>
#include <string>

#include "update/update_downloader.h"

namespace z408::desktop {

struct DownloadLimits {
    long connectTimeoutMs = 5000;
    long totalTimeoutMs = 120000;
    size_t maxBytes = 64u * 1024 * 1024;  // far above any firmware image
    long maxRedirects = 5;
};

class CurlDownloader final : public UpdateDownloader {
  public:
    explicit CurlDownloader(DownloadLimits limits = {});
    bool download(const std::string& url, const std::filesystem::path& to, std::stop_token stop,
                  std::string& error) override;
    bool fetch(const std::string& url, const std::filesystem::path& to, std::stop_token stop,
               std::string& error) const;

  private:
    DownloadLimits limits_;
};

}  // namespace z408::desktop
