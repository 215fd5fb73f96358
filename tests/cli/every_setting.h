// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Every setting of the settings and lighting pages made twice: as z408ctl profile set's words,
// and as the pages make it (their clicks, sliders, picker choices and lighting commands through
// the same operations the widgets call). Both must leave the same profile.
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/button_assignment.h"
#include "config/settings_page_rules.h"
#include "functions/picker_rules.h"
#include "lighting/colours.h"
#include "lighting/lighting_page_model.h"
#include "macros/macro_fixtures.h"
#include "macros/macro_library.h"

namespace z408::test {

inline constexpr uint32_t kScenarioMacroId = 0x2A;
inline constexpr char16_t kScenarioMacroName[] = u"Reload";

// The macro library the buttons' macro comes from.
inline std::unique_ptr<MacroLibrary> scenarioMacroLibrary() {
    auto library = emptyLibrary();
    library->slot(3) =
        macroRecord(kScenarioMacroId, {keyDown('R'), keyUp('R')}, kScenarioMacroName);
    return library;
}

// The window's state while the steps are made: the active profile and what its pages hold.
struct PageState {
    ProfileSettings& profile;
    MacroIdList& macroIds;
    const MacroLibrary& macros;
    LightingPageModel lighting;
};

struct SettingStep {
    std::vector<std::string> words;  // after "z408ctl profile set"
    std::function<void(PageState&)> page;
};

inline void pickerChoice(PageState& s, PickerChoice choice) {
    AssignmentContext context;
    context.languageId = 2;
    context.macroName = [&s](uint32_t id) -> std::optional<std::u16string> {
        const auto slot = s.macros.findMacroById(id);
        if (!slot) return std::nullopt;
        return s.macros.slot(*slot).name();
    };
    assignFunction(s.profile, s.macroIds, choice, context);
}

// The advanced page with row `row` (0 sound, 1 program, 2 file, 3 folder) chosen for a path.
inline void softwareChoice(PageState& s, int button, size_t row, std::u16string path) {
    SoftwareRows rows;
    rows.chosen[row] = true;
    rows.paths[row] = std::move(path);
    PickerChoice c;
    c.button = button;
    fillSoftwareChoice(rows, c);
    pickerChoice(s, c);
}

// DPI buttons clicked until exactly `wanted` are on, turning some off before others go on (at
// most seven stay on, and the last one on cannot be turned off).
inline void clickDpiTo(PageState& s, std::vector<uint32_t> wanted) {
    std::array<uint32_t, kDpiLevelCount> levels{};
    for (int i = 0; i < kDpiLevelCount; ++i) levels[static_cast<size_t>(i)] = s.profile.dpiLevel(i);
    DpiSelection on = dpiSelectionFromLevels(levels);
    const auto want = [&](size_t i) {
        return std::find(wanted.begin(), wanted.end(), kDpiChoices[i]) != wanted.end();
    };
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 0; i < on.size(); ++i)
            if (on[i] != want(i) && (pass == 1 || on[i])) clickDpiButton(on, static_cast<int>(i));
    const auto made = dpiLevelsFromSelection(on);
    for (int i = 0; i < kDpiLevelCount; ++i) s.profile.setDpiLevel(i, made[static_cast<size_t>(i)]);
}

inline std::vector<SettingStep> everySetting() {
    using Step = SettingStep;
    return {
        Step{{"button", "forward", "key", "Ctrl + F"},
             [](PageState& s) {
                 KeyCapture capture;
                 capture.keyEvent(0xA2, 0);  // left Ctrl pressed: its box
                 capture.keyEvent(0x46, 0);  // F
                 PickerChoice c;
                 c.button = 3;
                 capture.fillChoice(c);
                 pickerChoice(s, c);
             }},
        Step{{"button", "back", "macro", "Reload"},
             [](PageState& s) {
                 PickerChoice c;
                 c.button = 4;
                 fillMacroChoice(kScenarioMacroId, c);
                 pickerChoice(s, c);
             }},
        Step{{"button", "wheel-up", "Volume up"},
             [](PageState& s) {
                 const auto list = basicListFunctions();
                 PickerChoice c;
                 c.button = 5;
                 fillBasicChoice(
                     static_cast<int>(std::find(list.begin(), list.end(), fn::VolumeUp) -
                                      list.begin()),
                     c);
                 pickerChoice(s, c);
             }},
        Step{{"button", "middle", "program", "/bin/sh"},
             [](PageState& s) { softwareChoice(s, 1, 1, u"/bin/sh"); }},
        Step{{"button", "wheel-down", "folder", "/tmp"},
             [](PageState& s) { softwareChoice(s, 6, 3, u"/tmp"); }},
        Step{{"button", "right", "disable"},
             [](PageState& s) {
                 PickerChoice c;
                 c.button = 2;
                 fillDisableChoice(c);
                 pickerChoice(s, c);
             }},
        Step{{"dpi", "500,1000", "3250", "7000"},
             [](PageState& s) {
                 clickDpiTo(s, {500, 1000, 3250, 7000});
             }},
        Step{{"report-rate", "250"},
             [](PageState& s) { s.profile.setReportRateCode(kReportRateChoices[1].code); }},
        Step{{"pointer-speed", "15"}, [](PageState& s) { s.profile.setPointerSpeed(15); }},
        Step{{"precision", "on"}, [](PageState& s) { s.profile.setEnhancePrecision(1); }},
        Step{{"wheel", "lines", "7"},
             [](PageState& s) { s.profile.setWheelLines(commitLineCount("7").value); }},
        Step{{"height", "12"}, [](PageState& s) { s.profile.setHeightSlider(12); }},
        Step{{"lighting", "steady"}, [](PageState& s) { s.lighting.selectMode(s.profile, 1); }},
        Step{{"level", "7"},
             [](PageState& s) {
                 s.lighting.sliderMoved(s.profile, static_cast<int>(LightingSlider::Mode1Level), 7);
             }},
        Step{{"colour", "single", "#12AB34"},
             [](PageState& s) { s.lighting.pickColour(s.profile, colourRef(0x12, 0xAB, 0x34)); }},
        Step{{"lighting", "breathing"}, [](PageState& s) { s.lighting.selectMode(s.profile, 2); }},
        Step{{"breathing-speed", "4"},
             [](PageState& s) {
                 s.lighting.sliderMoved(s.profile, static_cast<int>(LightingSlider::Mode2Speed), 4);
             }},
        Step{{"lighting", "colour-flow"},
             [](PageState& s) { s.lighting.selectMode(s.profile, 5); }},
        Step{{"flow-speed", "1"},
             [](PageState& s) {
                 s.lighting.sliderMoved(s.profile, static_cast<int>(LightingSlider::Mode5Speed), 1);
             }},
        Step{{"multicolour", "on"}, [](PageState& s) { s.lighting.toggleMulticolour(s.profile); }},
        Step{{"colour", "2", "preset", "5"},
             [](PageState& s) {
                 s.lighting.chooseMulticolourColour(s.profile, 1);
                 s.lighting.choosePreset(s.profile, 5);
             }},
        Step{{"colour", "3", "#00FF80"},
             [](PageState& s) {
                 s.lighting.chooseMulticolourColour(s.profile, 2);
                 s.lighting.pickColour(s.profile, colourRef(0x00, 0xFF, 0x80));
             }},
        Step{{"proximity", "on"}, [](PageState& s) { s.lighting.setProximity(s.profile, true); }},
    };
}

// The profile the pages make from `start` with every step.
inline void makeEverySettingOnThePages(ProfileSettings& profile, MacroIdList& ids,
                                       const MacroLibrary& macros) {
    PageState state{profile, ids, macros, {}};
    state.lighting.refresh(profile);
    for (const SettingStep& step : everySetting()) step.page(state);
}

}  // namespace z408::test
