// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The archive `z408ctl restore` reads. The input's first byte chooses whether the rest is taken
// as it is or with its checksum made right, so that the fuzzer reaches past the checksum. Checks:
// a refused archive says why; an accepted one names only data files, each once and within the
// size limit, and is exactly what the program writes for those files; restored into a data folder
// and backed up again, the files are the same.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "config/backup_archive.h"
#include "config/seeding.h"
#include "fuzz_support.h"

using namespace z408;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    std::vector<uint8_t> archive(data + 1, data + size);
    if ((data[0] & 1) && archive.size() >= 4) {
        const uint32_t crc = crc32(std::span(archive).first(archive.size() - 4));
        for (size_t i = 0; i < 4; ++i)
            archive[archive.size() - 4 + i] = static_cast<uint8_t>(crc >> (8 * i));
    }

    std::string error;
    const auto files = decodeBackup(archive, error);
    if (!files) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    FUZZ_CHECK(!files->empty() && files->size() <= std::size(kSeedFiles));
    for (size_t i = 0; i < files->size(); ++i) {
        const BackupFile& f = (*files)[i];
        FUZZ_CHECK(std::find(std::begin(kSeedFiles), std::end(kSeedFiles), f.name) !=
                   std::end(kSeedFiles));
        FUZZ_CHECK(f.bytes.size() <= kBackupMaxFileBytes);
        for (size_t k = 0; k < i; ++k) FUZZ_CHECK((*files)[k].name != f.name);
    }
    FUZZ_CHECK(encodeBackup(*files) == archive);

    // Restored into an empty data folder and collected again: the same files.
    const auto dir = fuzz::scratchFolder() / "restore";
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    std::string failed;
    FUZZ_CHECK(static_cast<bool>(restoreBackupFiles(dir, *files, failed)));
    std::vector<BackupFile> collected;
    std::vector<std::string> missing;
    FUZZ_CHECK(static_cast<bool>(collectBackupFiles(dir, collected, missing, failed)));
    FUZZ_CHECK(collected.size() == files->size());
    for (const BackupFile& f : *files)
        FUZZ_CHECK(std::find(collected.begin(), collected.end(), f) != collected.end());
    return 0;
}
