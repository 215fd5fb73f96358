// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// For the CLI test script: the settings of every_setting.h as z408ctl's words (one setting a
// line, words separated by tabs), the macro library they use, and a data folder whose active
// profile the pages made from the default profile with them, as the window saves it at Apply
// (into a seeded data folder when DIR is one).
//   page_reference words | macros FILE | data DIR
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "cli/every_setting.h"
#include "common/file_io.h"

using namespace z408;

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "words") == 0) {
        for (const auto& step : test::everySetting()) {
            for (size_t i = 0; i < step.words.size(); ++i)
                std::printf("%s%s", i ? "\t" : "", step.words[i].c_str());
            std::printf("\n");
        }
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "macros") == 0)
        return writeFileAtomic(argv[2], test::scenarioMacroLibrary()->image()) ? 0 : 1;
    if (argc == 3 && std::strcmp(argv[1], "data") == 0) {
        const std::filesystem::path dir = argv[2];
        const auto library = test::scenarioMacroLibrary();
        ProfileSettings profile = ProfileSettings::defaults(false);
        MacroIdList ids{};
        test::makeEverySettingOnThePages(profile, ids, *library);
        // The table of a seeded data folder when there is one, else as the program makes it anew.
        ProfileTable table;
        std::vector<uint8_t> bytes;
        if (readFilePrefix(dir / "Profile" / "ConfigInfo.cfg", kTableSize, bytes))
            table.assign(bytes);
        table.setActiveFlag(0, 1);
        table.setMacroIds(0, ids);
        std::filesystem::create_directories(dir / "Profile");
        const bool written = writeFileAtomic(dir / "Macro.cfg", library->image()) &&
                             writeFileAtomic(dir / "Profile" / "Profile1.cfg", profile.image()) &&
                             writeFileAtomic(dir / "Profile" / "ConfigInfo.cfg", table.image());
        return written ? 0 : 1;
    }
    std::fprintf(stderr, "usage: page_reference words | macros FILE | data DIR\n");
    return 2;
}
