// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Runs a fuzz target's checks over the inputs in the folders (or files) named on the command line,
// without libFuzzer: the ordinary build's tests replay every seed and every kept finding, so a
// loader change that breaks one fails the test suite, not only a fuzzing run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "common/file_io.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path p = argv[i];
        std::error_code ec;
        if (std::filesystem::is_directory(p, ec)) {
            for (const auto& e : std::filesystem::directory_iterator(p))
                if (e.is_regular_file()) inputs.push_back(e.path());
        } else if (std::filesystem::exists(p, ec)) {
            inputs.push_back(p);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    for (const auto& p : inputs) {
        std::vector<uint8_t> bytes;
        if (!z408::readWholeFile(p, 64u << 20, bytes)) {
            std::fprintf(stderr, "replay: cannot read %s\n", p.c_str());
            return 1;
        }
        std::printf("replay: %s\n", p.c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("replay: %zu inputs passed\n", inputs.size());
    // No input at all means the test looks in the wrong place.
    return inputs.empty() ? 1 : 0;
}
