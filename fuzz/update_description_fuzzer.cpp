// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The update description as the server sends it, loaded from the downloaded file. Checks: the file
// and the same bytes in memory give the same description; the version reads back from its own
// decimal text and shows as a version; the image address is whole UTF-8 text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "update/update_description.h"

using namespace z408;

namespace {

bool validUtf8(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const size_t n = c < 0x80         ? 1
                         : (c >> 5) == 6  ? 2
                         : (c >> 4) == 14 ? 3
                         : (c >> 3) == 30 ? 4
                                          : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto file = fuzz::scratchFolder() / "update" / "update.xml";
    fuzz::writeInput(file, std::span<const uint8_t>(data, size));

    const UpdateDescription d = readUpdateDescription(file);
    const UpdateDescription m = parseUpdateDescription(fuzz::asText({data, size}));
    FUZZ_CHECK(d.current == m.current && d.newFile == m.newFile);

    const std::string decimal = std::to_string(static_cast<int32_t>(d.current));
    FUZZ_CHECK(integerValueOfText(decimal) == d.current);
    const std::string shown = firmwareVersionDisplay(std::to_string(d.current));
    FUZZ_CHECK(shown.starts_with("V ") && shown.size() <= 14);
    FUZZ_CHECK(validUtf8(d.newFile));
    return 0;
}
