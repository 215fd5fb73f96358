#include "cli/profile_edit.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "cli/every_setting.h"
#include "common/program_texts.h"
#include "functions/key_tables.h"
#include "functions/keyboard_layout.h"

namespace z408::cli {
namespace {

using test::everySetting;
using test::scenarioMacroLibrary;

struct Fixture {
    ProfileSettings profile = ProfileSettings::defaults(false);
    MacroIdList ids{};
    std::unique_ptr<MacroLibrary> macros = scenarioMacroLibrary();
    EditResult set(const std::vector<std::string>& words) {
        return applySetting(profile, ids, words, EditContext{macros.get(), 2});
    }
};

TEST(ProfileEdit, EverySettingLeavesTheProfileThePagesMake) {
    Fixture cli;
    for (const auto& step : everySetting()) {
        const EditResult r = cli.set(step.words);
        ASSERT_EQ(r.status, EditStatus::Done) << step.words[0] << ": " << r.message;
    }
    ProfileSettings pages = ProfileSettings::defaults(false);
    MacroIdList pageIds{};
    test::makeEverySettingOnThePages(pages, pageIds, *cli.macros);
    EXPECT_TRUE(cli.profile == pages);
    EXPECT_EQ(cli.ids, pageIds);
    // And the steps did change what they name (a step that did nothing would pass the above).
    EXPECT_EQ(cli.profile.button(3).bindingCode(), makeComboCode(modifier::Ctrl, 0x09));
    EXPECT_EQ(cli.ids[4], test::kScenarioMacroId);
    EXPECT_EQ(cli.profile.dpiLevel(0), 500u);
    EXPECT_EQ(cli.profile.dpiLevel(3), 7000u);
    EXPECT_EQ(cli.profile.dpiLevel(4), 0u);
    EXPECT_EQ(cli.profile.lightingMode(), 5u);
    EXPECT_EQ(cli.profile.mode5Param(), 2u);
    EXPECT_EQ(cli.profile.colour(3), colourRef(0x12, 0xAB, 0x34));
    EXPECT_EQ(cli.profile.presetIndex(1), 5u);
    EXPECT_EQ(cli.profile.colourIsCustom(2), 1u);
}

TEST(ProfileEdit, BadInputNamesTheProblemAndChangesNothing) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"sensitivity", "3"},
        {"dpi"},
        {"dpi", "800"},
        {"dpi", "500", "500"},
        {"dpi", "500,750,1000,1250,1500,2000,2500,3000"},
        {"report-rate", "300"},
        {"report-rate", "1000hz"},
        {"pointer-speed", "0"},
        {"pointer-speed", "21"},
        {"pointer-speed", "5", "6"},
        {"height", "31"},
        {"precision", "yes"},
        {"wheel", "lines", "31"},
        {"wheel", "lines", "0"},
        {"wheel", "page"},
        {"level", "11"},
        {"breathing-speed", "0"},
        {"flow-speed", "4"},
        {"lighting", "disco"},
        {"colour", "single", "#12AB3"},
        {"colour", "single", "#12AB3G"},
        {"colour", "single", "12AB34"},
        {"colour", "4", "#FFFFFF"},
        {"colour", "1", "preset", "26"},
        {"proximity"},
        {"button", "thumb", "disable"},
        {"button", "forward", "Teleport"},
        {"button", "forward", "key", "Ctrl + Ctrl + F"},
        {"button", "forward", "key", "Hyper + F"},
        {"button", "forward", "macro", "Nonesuch"},
        {"button", "forward", "macro", "0"},
        {"button", "forward", "program", "/nonexistent/program"},
        {"button", "forward", "folder", "/bin/sh"},
        {"button", "forward", "disable", "now"},
    };
    for (const auto& words : cases) {
        Fixture f;
        const ProfileSettings before = f.profile;
        const EditResult r = f.set(words);
        const std::string shown = words.empty() ? "(nothing)" : words[0];
        EXPECT_EQ(r.status, EditStatus::BadInput) << shown;
        EXPECT_FALSE(r.message.empty()) << shown;
        EXPECT_TRUE(f.profile == before) << shown;
    }
}

TEST(ProfileEdit, TheAssignmentRulesRefuseWithThePagesMessage) {
    Fixture f;
    ASSERT_EQ(f.set({"button", "back", "macro", "Reload"}).status, EditStatus::Done);
    const ProfileSettings before = f.profile;
    const MacroIdList idsBefore = f.ids;
    const auto expectRefused = [&](const std::vector<std::string>& words,
                                   const std::string& message) {
        const EditResult r = f.set(words);
        EXPECT_EQ(r.status, EditStatus::Refused) << words[2];
        EXPECT_EQ(r.message, message);
        EXPECT_FALSE(r.message.empty());
        EXPECT_TRUE(f.profile == before);
        EXPECT_EQ(f.ids, idsBefore);
    };
    PickerChoice disableLeft;
    fillDisableChoice(disableLeft);
    expectRefused({"button", "left", "disable"},
                  checkAssignment(before.functionTypes(), disableLeft, false).refusal);
    PickerChoice sniperOnWheel;
    sniperOnWheel.button = 5;
    sniperOnWheel.value = fn::Snipe;
    expectRefused({"button", "wheel-up", "SNIPE"},
                  checkAssignment(before.functionTypes(), sniperOnWheel, false).refusal);

    // A real file whose path is longer than a button holds: refused, not cut.
    const auto top =
        std::filesystem::temp_directory_path() / ("z408-edit-" + std::to_string(::getpid()));
    const auto dir = top / std::string(200, 'd');
    std::filesystem::create_directories(dir);
    const auto file = dir / std::string(100, 'f');
    std::ofstream(file).put('x');
    expectRefused({"button", "back", "file", file.string()},
                  std::string(programText(ProgramText::PathTooLong, 2)));
    std::filesystem::remove_all(top);
}

TEST(ProfileEdit, KeyCombinationsAreReadAsThePageWritesThem) {
    constexpr uint8_t kUsageF = 0x09, kUsageA = 0x04, kUsageF5 = 0x3E;
    const struct {
        const char* text;
        uint32_t code;
    } cases[] = {
        {"Ctrl + F", makeComboCode(modifier::Ctrl, kUsageF)},
        {"ctrl+f", makeComboCode(modifier::Ctrl, kUsageF)},
        {"Shift + Ctrl + A", makeComboCode(modifier::Shift | modifier::Ctrl, kUsageA)},
        {"Alt + Shift + Win + A",
         makeComboCode(modifier::Alt | modifier::Shift | modifier::Win, kUsageA)},
        {"F5", makeComboCode(0, kUsageF5)},
        {"Ctrl", makeComboCode(0, kUsageLeftCtrl)},  // a lone modifier is the key
        {"Ctrl + Alt", 0},
        {"F + Ctrl", 0},
        {"", 0},
        {"Ctrl + ", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(parseKeyCombination(c.text), c.code) << c.text;
    // What the page shows reads back as the same code, for every key it names.
    for (const auto& pair : keyUsageTable()) {
        const uint32_t code = makeComboCode(modifier::Ctrl | modifier::Alt, pair.usage);
        const std::string text = comboText(code, UsKeyboardLayout::instance());
        if (KeyCapture::boxOfKey(usageToKey(pair.usage)) || text.ends_with("+ ")) continue;
        EXPECT_EQ(comboText(parseKeyCombination(text), UsKeyboardLayout::instance()), text);
    }
}

TEST(ProfileEdit, ChineseInterfaceStoresChineseNamesAsThePageDoes) {
    Fixture f;
    const EditResult r = applySetting(f.profile, f.ids, {"button", "forward", "Play/Pause"},
                                      EditContext{f.macros.get(), 1});
    ASSERT_EQ(r.status, EditStatus::Done);
    EXPECT_EQ(f.profile.button(3).displayName(), u"播放/暂停");
}

}  // namespace
}  // namespace z408::cli
