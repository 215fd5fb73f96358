// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Shared by the file-loader fuzz targets: a scratch folder on a memory file system (the loaders
// read real files, and their writes sync), the input written as a file there, and a check that
// names the broken promise before aborting so the finding says more than "crash".
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "common/file_io.h"

namespace z408::fuzz {

[[noreturn]] inline void fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "fuzz check failed at %s:%d: %s\n", file, line, what);
    std::abort();
}

// A folder of this process, made once and emptied by the caller as it needs.
inline const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path folder = [] {
        std::error_code ec;
        std::filesystem::path base = "/dev/shm";
        if (!std::filesystem::is_directory(base, ec)) base = std::filesystem::temp_directory_path();
        auto f = base / ("z408-fuzz-" + std::to_string(::getpid()));
        std::filesystem::remove_all(f, ec);
        std::filesystem::create_directories(f);
        // Leave nothing behind on a normal exit; a crash leaves the folder for inspection.
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratchFolder(), ignored);
        });
        return f;
    }();
    return folder;
}

inline void writeInput(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    if (!writeFileAtomic(path, bytes)) fail("cannot write the input file", __FILE__, __LINE__);
}

inline std::string_view asText(std::span<const uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace z408::fuzz

#define FUZZ_CHECK(cond) ((cond) ? void() : ::z408::fuzz::fail(#cond, __FILE__, __LINE__))
