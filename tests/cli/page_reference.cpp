// For the CLI test script: the settings of every_setting.h as z408ctl's words (one setting a
// line, words separated by tabs), the macro library they use, and the profile the pages make
// from the default profile with them.
//   page_reference words | macros FILE | profile FILE
#include <cstdio>
#include <cstring>

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
    if (argc == 3 && std::strcmp(argv[1], "profile") == 0) {
        ProfileSettings profile = ProfileSettings::defaults(false);
        MacroIdList ids{};
        test::makeEverySettingOnThePages(profile, ids, *test::scenarioMacroLibrary());
        return writeFileAtomic(argv[2], profile.image()) ? 0 : 1;
    }
    std::fprintf(stderr, "usage: page_reference words | macros FILE | profile FILE\n");
    return 2;
}
