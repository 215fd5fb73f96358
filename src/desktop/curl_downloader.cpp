// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/curl_downloader.h"

#include <curl/curl.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "common/file_io.h"

namespace z408::desktop {
namespace {

struct Transfer {
    std::vector<uint8_t> body;
    size_t maxBytes = 0;
    bool tooLarge = false;
    std::stop_token stop;
};

size_t onData(char* data, size_t size, size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    const size_t n = size * count;
    if (t->body.size() + n > t->maxBytes) {
        t->tooLarge = true;
        return 0;  // makes curl stop with a write error
    }
    t->body.insert(t->body.end(), data, data + n);
    return n;
}

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<Transfer*>(user)->stop.stop_requested() ? 1 : 0;
}

void initialiseCurl() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace

CurlDownloader::CurlDownloader(DownloadLimits limits) : limits_(limits) {
    initialiseCurl();
}

bool CurlDownloader::download(const std::string& url, const std::filesystem::path& to,
                              std::stop_token stop, std::string& error) {
    const bool ok = fetch(url, to, stop, error);
    if (!ok && std::getenv("Z408_DEBUG"))
        std::fprintf(stderr, "download %s: %s\n", url.c_str(), error.c_str());
    return ok;
}

bool CurlDownloader::fetch(const std::string& url, const std::filesystem::path& to,
                           std::stop_token stop, std::string& error) const {
    CURL* curl = curl_easy_init();
    if (curl == nullptr) {
        error = "cannot start a download";
        return false;
    }
    Transfer t;
    t.maxBytes = limits_.maxBytes;
    t.stop = stop;
    char curlError[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, limits_.maxRedirects);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, limits_.connectTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, limits_.totalTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);  // 4xx/5xx are failures, not content
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);  // time-outs without SIGALRM: we run in threads
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, onData);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, curlError);
    const CURLcode rc = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    if (rc != CURLE_OK) {
        if (t.tooLarge)
            error = "the file is larger than " + std::to_string(limits_.maxBytes) + " bytes";
        else if (rc == CURLE_ABORTED_BY_CALLBACK)
            error = "cancelled";
        else
            error = curlError[0] != '\0' ? curlError : curl_easy_strerror(rc);
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(to.parent_path(), ec);
    const FileResult w = writeFileAtomic(to, t.body);
    if (!w) {
        error = "cannot write " + to.string() + ": " + w.describe();
        return false;
    }
    return true;
}

}  // namespace z408::desktop
