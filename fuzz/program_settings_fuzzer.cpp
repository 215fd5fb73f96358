// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// z408.ini beside the program (the update server and the support site) and the installation
// language's skins/languagetype.ini, both read by the same INI reader. Checks: a value is one
// line with no white space around it; the update address built from the host is empty exactly
// when no host is set and otherwise names the description on it; a value read, written into a
// file of its own and read again is the same value.
#include <cstddef>
#include <cstdint>

#include "formats/ini_file.h"
#include "fuzz_support.h"
#include "i18n/language_choice.h"
#include "update/program_settings.h"
#include "update/update_checker.h"

using namespace z408;

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

void checkValue(const std::filesystem::path& dir, const std::string& value, const char* section,
                const char* key) {
    FUZZ_CHECK(value.find('\n') == std::string::npos);
    if (value.empty()) return;
    FUZZ_CHECK(!isSpace(value.front()) && !isSpace(value.back()));
    const auto file = dir / "again.ini";
    const std::string text = std::string("[") + section + "]\n" + key + "=" + value + "\n";
    fuzz::writeInput(file, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    FUZZ_CHECK(ReadIniString(file, section, key) == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> input(data, size);
    const auto dir = fuzz::scratchFolder() / "ini";
    fuzz::writeInput(dir / kProgramSettingsFile, input);
    fuzz::writeInput(dir / kLanguageTypeIni, input);

    const ProgramSettings s = readProgramSettings(dir);
    checkValue(dir, s.updateHost, "Update", "Host");
    checkValue(dir, s.webSite, "Support", "WebSite");

    const std::string url = updateDescriptionUrl(s.updateHost);
    const bool noHost = s.updateHost.find_first_not_of('/') == std::string::npos;
    FUZZ_CHECK(url.empty() == noHost);
    if (!url.empty()) {
        FUZZ_CHECK(url.find("://") != std::string::npos);
        FUZZ_CHECK(url.ends_with(UpdateChecker::kDescriptionPath));
    }

    // The installation language's number is taken as written (only 1 means Chinese).
    (void)ReadLanguageType(dir);
    return 0;
}
