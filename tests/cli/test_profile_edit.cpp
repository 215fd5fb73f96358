// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

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
        {"colour", "single", "12AB3"},
        {"colour", "single", "scarlet"},
        {"colour", "single"},  // what an unquoted #RRGGBB leaves after the shell
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
                  checkAssignment(before.functionTypes(), disableLeft, 2).refusal);
    PickerChoice sniperOnWheel;
    sniperOnWheel.button = 5;
    sniperOnWheel.value = fn::Snipe;
    expectRefused({"button", "wheel-up", "SNIPE"},
                  checkAssignment(before.functionTypes(), sniperOnWheel, 2).refusal);

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
        {"Super + L", makeComboCode(modifier::Win, 0x0F)},
        {"meta+l", makeComboCode(modifier::Win, 0x0F)},
        {"Win + Super + L", 0},  // the same modifier twice
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

TEST(ProfileEdit, ColoursAreTakenAsHexWithOrWithoutHashAndBySwatchName) {
    const struct {
        std::vector<std::string> words;
        int slot;
        uint32_t colour;
        uint32_t custom;
        uint32_t preset;  // checked for presets only
    } cases[] = {
        {{"colour", "1", "#FF8000"}, 0, colourRef(0xFF, 0x80, 0x00), 1, 0},
        {{"colour", "2", "ff8000"}, 1, colourRef(0xFF, 0x80, 0x00), 1, 0},
        {{"colour", "single", "red"}, 3, kPresetColourTable[1], 0, 1},
        {{"colour", "3", "Cobalt"}, 2, kPresetColourTable[25], 0, 25},
        {{"colour", "1", "preset", "rose"}, 0, kPresetColourTable[0], 0, 0},
        {{"colour", "1", "preset", "7"}, 0, kPresetColourTable[7], 0, 7},
    };
    for (const auto& c : cases) {
        Fixture f;
        const EditResult r = f.set(c.words);
        ASSERT_EQ(r.status, EditStatus::Done) << c.words[2] << ": " << r.message;
        EXPECT_EQ(f.profile.colour(c.slot), c.colour) << c.words[2];
        EXPECT_EQ(f.profile.colourIsCustom(c.slot), c.custom) << c.words[2];
        if (!c.custom) {
            EXPECT_EQ(f.profile.presetIndex(c.slot), c.preset) << c.words[2];
        }
    }
    // The swatches' names are distinct and each reads back as its swatch.
    for (int i = 0; i < kPresetColourCount; ++i) {
        Fixture f;
        ASSERT_EQ(f.set({"colour", "1", std::string(presetColourName(i))}).status,
                  EditStatus::Done);
        EXPECT_EQ(f.profile.presetIndex(0), static_cast<uint32_t>(i));
    }
    // The shell ate an unquoted '#': the message says so.
    Fixture f;
    EXPECT_NE(f.set({"colour", "1"}).message.find("quote it"), std::string::npos);
}

TEST(ProfileEdit, MistypedWordsGetTheNearestValidOnes) {
    const struct {
        const char* word;
        std::vector<std::string> candidates;
        std::vector<std::string> expected;
    } cases[] = {
        {"repor-rate", {"report-rate", "pointer-speed", "height"}, {"report-rate"}},
        {"hieght", {"height", "level"}, {"height"}},
        {"brea", {"breathing", "breathing-speed", "off"}, {"breathing", "breathing-speed"}},
        {"xyz", {"button", "dpi"}, {}},
        {"of", {"off", "on"}, {"off", "on"}},
    };
    for (const auto& c : cases) EXPECT_EQ(nearestWords(c.word, c.candidates), c.expected) << c.word;
    // The messages name them.
    Fixture f;
    EXPECT_NE(f.set({"repor-rate", "250"}).message.find("did you mean report-rate?"),
              std::string::npos);
    EXPECT_NE(f.set({"lighting", "stedy"}).message.find("did you mean steady?"), std::string::npos);
    EXPECT_NE(f.set({"button", "fowrard", "disable"}).message.find("did you mean forward?"),
              std::string::npos);
}

// Profiles made through profile set, each step a list of words.
std::vector<std::vector<std::vector<std::string>>> variedProfiles() {
    std::vector<std::vector<std::string>> every;
    for (const auto& step : test::everySetting()) every.push_back(step.words);
    return {
        {},
        every,
        {{"button", "right", "key", "Super + L"},
         {"button", "middle", "Play/Pause"},
         {"button", "wheel-up", "disable"},
         {"button", "back", "file", "/bin/sh"},
         {"dpi", "7000"},
         {"report-rate", "125"},
         {"wheel", "screen"},
         {"lighting", "apm-breathing"},
         {"colour", "1", "lime"},
         {"colour", "1", "123456"},  // mixed after a swatch: the swatch is kept beside it
         {"colour", "single", "crimson"},
         {"multicolour", "on"},
         {"flow-speed", "3"},
         {"proximity", "off"}},
        {{"lighting", "off"},
         {"level", "10"},
         {"breathing-speed", "1"},
         {"height", "30"},
         {"pointer-speed", "1"},
         {"button", "forward", "sound", "/bin/sh"}},
    };
}

TEST(ProfileEdit, WhatShowPrintsMakesTheSameProfileOnAFreshOne) {
    for (const auto& steps : variedProfiles()) {
        Fixture made;
        for (const auto& words : steps)
            ASSERT_EQ(made.set(words).status, EditStatus::Done) << shellWords(words);
        const EditContext context{made.macros.get(), 2};
        const auto shown = showSettings(made.profile, made.ids, context);
        Fixture fresh;
        for (const ShownSetting& line : shown) {
            EXPECT_TRUE(line.note.empty()) << line.note;
            if (line.words.empty()) continue;
            const EditResult r = fresh.set(line.words);
            EXPECT_EQ(r.status, EditStatus::Done) << shellWords(line.words) << ": " << r.message;
        }
        EXPECT_TRUE(fresh.profile == made.profile) << steps.size() << " steps";
        EXPECT_EQ(fresh.ids, made.ids);
    }
}

TEST(ProfileEdit, WhatNoSettingMakesIsANoteAndTheRestStillReadsBack) {
    Fixture f;
    f.profile.setReportRateCode(9);
    f.profile.setMode5Param(5);
    f.profile.setWheelLines(99);
    f.profile.setPresetIndex(1, 40);
    const auto shown = showSettings(f.profile, f.ids, EditContext{f.macros.get(), 2});
    std::vector<std::string> noted;
    for (const ShownSetting& line : shown) {
        if (line.words.empty()) {
            noted.push_back(line.setting);
            EXPECT_FALSE(line.note.empty());
            continue;
        }
        Fixture fresh;
        EXPECT_EQ(fresh.set(line.words).status, EditStatus::Done) << shellWords(line.words);
    }
    EXPECT_EQ(noted, (std::vector<std::string>{"report-rate", "wheel", "flow-speed"}));
}

TEST(ProfileEdit, ShellWordsQuoteWhatTheShellWouldSplitOrDrop) {
    const struct {
        std::vector<std::string> words;
        const char* text;
    } cases[] = {
        {{"button", "forward", "key", "Ctrl + F"}, "button forward key 'Ctrl + F'"},
        {{"colour", "1", "#FF8000"}, "colour 1 '#FF8000'"},
        {{"button", "back", "program", "/tmp/it's"}, "button back program '/tmp/it'\\''s'"},
        {{"button", "back", "Play/Pause"}, "button back Play/Pause"},
        {{"dpi", "500", "1000"}, "dpi 500 1000"},
    };
    for (const auto& c : cases) EXPECT_EQ(shellWords(c.words), c.text);
}

TEST(ProfileEdit, PointerValuesAreCheckedAsTheProfileSettingsAre) {
    const struct {
        std::vector<std::string> words;
        bool ok;
        int speed, precision, lines;
    } cases[] = {
        {{"10", "on", "3"}, true, 10, 1, 3},
        {{"20", "off", "screen"}, true, 20, 0, -1},
        {{"1", "off", "lines", "30"}, true, 1, 0, 30},
        {{"25", "on", "5"}, false, 0, 0, 0},
        {{"10", "2", "5"}, false, 0, 0, 0},
        {{"10", "1", "5"}, false, 0, 0, 0},
        {{"10", "on", "31"}, false, 0, 0, 0},
        {{"10", "on"}, false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto v = parsePointerValues(c.words, error);
        EXPECT_EQ(v.has_value(), c.ok) << shellWords(c.words);
        if (!v) {
            EXPECT_FALSE(error.empty());
            continue;
        }
        EXPECT_EQ(v->speed, c.speed);
        EXPECT_EQ(v->precision, c.precision);
        EXPECT_EQ(v->wheelLines, c.lines);
    }
}

}  // namespace
}  // namespace z408::cli
