// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "i18n/language_choice.h"

#include <array>
#include <vector>

#include "common/file_io.h"
#include "common/file_messages.h"
#include "formats/ini_file.h"

namespace z408 {

int32_t ReadLanguageChoice(const std::filesystem::path& dataDirectory, UserNotices& notices) {
    const auto path = dataDirectory / kLanguageChoiceFile;
    std::vector<uint8_t> bytes;
    const FileResult r = readFilePrefix(path, 4, bytes);
    if (!r) {
        if (r.error == FileError::NotFound) reportMissingFile(notices, path);
        return 1;
    }
    uint32_t value = 1;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const unsigned shift = 8u * static_cast<unsigned>(i);
        value = (value & ~(0xFFu << shift)) | (static_cast<uint32_t>(bytes[i]) << shift);
    }
    return static_cast<int32_t>(value);
}

bool SaveLanguageChoice(const std::filesystem::path& dataDirectory, int32_t id,
                        UserNotices& notices) {
    const auto path = dataDirectory / kLanguageChoiceFile;
    const auto v = static_cast<uint32_t>(id);
    const std::array<uint8_t, 4> bytes{static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                                       static_cast<uint8_t>(v >> 16),
                                       static_cast<uint8_t>(v >> 24)};
    return reportSaveFailure(notices, path, writeFileAtomic(path, bytes));
}

int32_t ReadLanguageType(const std::filesystem::path& programDirectory) {
    return ReadIniInteger(programDirectory / kLanguageTypeIni, "languagetype", "value", 0);
}

}  // namespace z408
