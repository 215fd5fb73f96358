// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The lighting page's rules over a profile: what the controls show in each mode, what the
// commands and slider moves write, and the colour wheel's hit area.
#include <gtest/gtest.h>

#include "lighting/colours.h"
#include "lighting/lighting_page_model.h"
#include "lighting/lighting_params.h"

namespace z408 {
namespace {

constexpr int kRed = static_cast<int>(LightingSlider::Red);
constexpr int kBlue = static_cast<int>(LightingSlider::Blue);
constexpr int kMode1 = static_cast<int>(LightingSlider::Mode1Level);
constexpr int kMode2 = static_cast<int>(LightingSlider::Mode2Speed);
constexpr int kMode5 = static_cast<int>(LightingSlider::Mode5Speed);

class LightingModelTest : public ::testing::Test {
  protected:
    LightingModelTest() : profile(ProfileSettings::defaults(false)) {}
    void refresh() { model.refresh(profile); }
    const LightingPageView& view() const { return model.view(); }

    ProfileSettings profile;
    LightingPageModel model;
};

TEST_F(LightingModelTest, EachModeSelectsItsButtonAndEnablesItsControls) {
    struct Case {
        uint32_t mode, multicolour;
        bool mode1Slider, mode2Slider, mode5Slider, multicolourControls;
        int editSlot;  // colour editing is on exactly when a slot is edited
    };
    const Case cases[] = {
        {1, 0, true, false, false, false, kSingleColourSlot},
        {2, 0, false, true, false, false, kSingleColourSlot},
        {3, 0, false, false, false, false, kNoEditSlot},
        {4, 0, false, false, false, false, kNoEditSlot},
        {5, 0, false, false, true, true, kNoEditSlot},
        {5, 1, false, false, false, true, 0},
        {6, 0, false, false, false, false, kNoEditSlot},
        // The multicolour option only matters in mode 5.
        {1, 1, true, false, false, false, kSingleColourSlot},
        {3, 1, false, false, false, false, kNoEditSlot},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " multicolour " << c.multicolour);
        profile = ProfileSettings::defaults(false);
        profile.setLightingMode(c.mode);
        profile.setMulticolourOption(c.multicolour);
        LightingPageModel fresh;
        fresh.refresh(profile);
        const LightingPageView& v = fresh.view();
        for (int m = 1; m <= kLightingModeCount; ++m)
            EXPECT_EQ(v.modeSelected[static_cast<size_t>(m - 1)],
                      static_cast<uint32_t>(m) == c.mode)
                << m;
        EXPECT_EQ(v.mode1SliderEnabled, c.mode1Slider);
        EXPECT_EQ(v.mode2SliderEnabled, c.mode2Slider);
        EXPECT_EQ(v.mode5SliderEnabled, c.mode5Slider);
        EXPECT_EQ(v.multicolourEnabled, c.multicolourControls);
        EXPECT_EQ(v.multicolourOn, c.multicolour == 1);
        EXPECT_EQ(fresh.editSlot(), c.editSlot);
        const bool editing = c.editSlot != kNoEditSlot;
        EXPECT_EQ(fresh.colourEditing(), editing);
        EXPECT_EQ(v.swatchesEnabled, editing);
        EXPECT_EQ(v.rgbEnabled, editing);
        // The defaults' colours are red and custom: the sliders show red, no swatch is chosen.
        EXPECT_EQ(v.rgb, (editing ? std::array<int, 3>{255, 0, 0} : std::array<int, 3>{0, 0, 0}));
        EXPECT_EQ(v.selectedSwatch, -1);
        EXPECT_EQ(fresh.editedColour(profile).has_value(), editing);
    }
}

TEST_F(LightingModelTest, DefaultsShowModeFiveWithItsSpeedAndNothingToEdit) {
    refresh();
    EXPECT_EQ(view().modeSelected, (std::array<bool, 6>{false, false, false, false, true, false}));
    EXPECT_FALSE(view().multicolourOn);
    EXPECT_EQ(view().mode5Position, 2);  // mode5Param 4
    EXPECT_EQ(view().mode1Position, 5);
    EXPECT_EQ(view().mode2Position, 3);
    EXPECT_TRUE(view().proximityOn);
    EXPECT_FALSE(model.colourEditing());
    EXPECT_FALSE(view().swatchesEnabled);
    EXPECT_EQ(view().colours, (std::array<uint32_t, 4>{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(LightingModelTest, MulticolourToggleSwitchesColourEditingAndTheSpeedSlider) {
    refresh();
    model.toggleMulticolour(profile);
    EXPECT_EQ(profile.multicolourOption(), 1u);
    EXPECT_TRUE(view().multicolourOn);
    EXPECT_EQ(model.editSlot(), 0);
    EXPECT_TRUE(model.colourEditing());
    EXPECT_TRUE(view().swatchesEnabled);
    EXPECT_FALSE(view().mode5SliderEnabled);

    // The chosen multicolour colour survives a refresh and a second click on mode 5 resets it.
    model.chooseMulticolourColour(profile, 2);
    EXPECT_EQ(model.editSlot(), 2);
    refresh();
    EXPECT_EQ(model.editSlot(), 2);
    model.selectMode(profile, 5);
    EXPECT_EQ(model.editSlot(), 0);

    model.toggleMulticolour(profile);
    EXPECT_EQ(profile.multicolourOption(), 0u);
    EXPECT_EQ(model.editSlot(), kNoEditSlot);
    EXPECT_FALSE(model.colourEditing());
    EXPECT_FALSE(view().swatchesEnabled);
    EXPECT_FALSE(view().rgbEnabled);
    EXPECT_TRUE(view().mode5SliderEnabled);
}

TEST_F(LightingModelTest, ModeButtonsChooseTheColourToEdit) {
    refresh();
    model.selectMode(profile, 1);
    EXPECT_EQ(profile.lightingMode(), 1u);
    EXPECT_EQ(model.editSlot(), kSingleColourSlot);
    model.selectMode(profile, 2);
    EXPECT_EQ(model.editSlot(), kSingleColourSlot);
    for (int mode : {3, 4, 6}) {
        model.selectMode(profile, mode);
        EXPECT_EQ(profile.lightingMode(), static_cast<uint32_t>(mode));
        EXPECT_EQ(model.editSlot(), kNoEditSlot);
        EXPECT_FALSE(model.colourEditing());
    }
    // Mode 5 edits colour 1 only while the multicolour toggle is on.
    model.selectMode(profile, 5);
    EXPECT_EQ(model.editSlot(), kNoEditSlot);
    profile.setMulticolourOption(1);
    model.selectMode(profile, 1);
    model.selectMode(profile, 5);
    EXPECT_EQ(model.editSlot(), 0);
    // A mode the page has no button for changes nothing.
    const ProfileSettings before = profile;
    model.selectMode(profile, 7);
    EXPECT_EQ(profile, before);
}

TEST_F(LightingModelTest, SwatchSetsTheEditedColourOnly) {
    profile.setLightingMode(1);
    refresh();
    model.choosePreset(profile, 1);
    EXPECT_EQ(profile.colour(3), colourRef(250, 18, 0));
    EXPECT_EQ(profile.presetIndex(3), 1u);
    EXPECT_EQ(profile.colourIsCustom(3), 0u);
    EXPECT_EQ(view().selectedSwatch, 1);
    EXPECT_EQ(view().rgb, (std::array<int, 3>{250, 18, 0}));
    EXPECT_EQ(view().colours[3], colourRef(250, 18, 0));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(profile.colour(i), 0xFFu) << i;

    // Nothing is edited in mode 3: a swatch (or a stray index) writes nothing.
    model.selectMode(profile, 3);
    const ProfileSettings before = profile;
    model.choosePreset(profile, 5);
    model.choosePreset(profile, 26);
    EXPECT_EQ(profile, before);
}

TEST_F(LightingModelTest, ColourSlidersMixACustomColourAndDeselectTheSwatch) {
    profile.setLightingMode(1);
    refresh();
    model.choosePreset(profile, 1);  // 250, 18, 0
    EXPECT_TRUE(model.sliderMoved(profile, kBlue, 128));
    EXPECT_EQ(profile.colour(3), colourRef(250, 18, 128));
    EXPECT_EQ(profile.colourIsCustom(3), 1u);
    EXPECT_EQ(view().selectedSwatch, -1);
    EXPECT_EQ(view().rgb, (std::array<int, 3>{250, 18, 128}));
    EXPECT_EQ(view().colours[3], colourRef(250, 18, 128));
    // The custom colour stays unselected after a refresh.
    refresh();
    EXPECT_EQ(view().selectedSwatch, -1);
    EXPECT_EQ(view().rgb, (std::array<int, 3>{250, 18, 128}));

    // A value no slider can give would spill into the next channel: ignored.
    const ProfileSettings before = profile;
    EXPECT_FALSE(model.sliderMoved(profile, kRed, 256));
    EXPECT_FALSE(model.sliderMoved(profile, kRed, -1));
    EXPECT_EQ(profile, before);
    // With nothing edited the colour sliders change nothing.
    model.selectMode(profile, 4);
    EXPECT_FALSE(model.sliderMoved(profile, kRed, 7));
    EXPECT_EQ(profile.colour(3), colourRef(250, 18, 128));
}

TEST_F(LightingModelTest, SpeedAndLevelSlidersStoreTheirPositions) {
    refresh();
    EXPECT_TRUE(model.sliderMoved(profile, kMode5, 3));
    EXPECT_EQ(profile.mode5Param(), 6u);
    EXPECT_EQ(view().mode5Position, 3);
    EXPECT_TRUE(model.sliderMoved(profile, kMode1, 10));
    EXPECT_EQ(profile.mode1Param(), 10u);
    EXPECT_TRUE(model.sliderMoved(profile, kMode2, 1));
    EXPECT_EQ(profile.mode2Param(), 1u);
    const ProfileSettings before = profile;
    for (auto [id, position] :
         {std::pair{kMode1, 0}, {kMode1, 11}, {kMode2, 6}, {kMode5, 4}, {kMode5, 0}, {999, 1}})
        EXPECT_FALSE(model.sliderMoved(profile, id, position)) << id << " " << position;
    EXPECT_EQ(profile, before);
}

// A profile from a file may hold any value. The sliders show the nearest position in range, the
// view says the same, and the profile keeps what it stores until a slider is moved.
TEST_F(LightingModelTest, StoredValuesOutOfRangeShowTheNearestPositionAndStayStored) {
    struct Case {
        const char* what;
        uint32_t mode1, mode2, mode5;
        int level, speed2, position5;
    } cases[] = {
        {"in range", 7, 4, 6, 7, 4, 3},
        {"above the ranges", 300, 9, 100, 10, 5, 3},
        {"zero", 0, 0, 0, 1, 1, 1},
        {"the largest stored value", 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 10, 5, 3},
        {"just past the ends", 11, 6, 8, 10, 5, 3},
        // The stored speed is halved for the slider: an odd value shows the lower step.
        {"odd mode 5 speed", 1, 1, 5, 1, 1, 2},
        {"mode 5 speed 1", 1, 1, 1, 1, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        profile = ProfileSettings::defaults(false);
        profile.setMode1Param(c.mode1);
        profile.setMode2Param(c.mode2);
        profile.setMode5Param(c.mode5);
        const ProfileSettings stored = profile;
        refresh();
        EXPECT_EQ(view().mode1Position, c.level);
        EXPECT_EQ(view().mode2Position, c.speed2);
        EXPECT_EQ(view().mode5Position, c.position5);
        EXPECT_EQ(shownMode1Level(profile), c.level);
        EXPECT_EQ(shownMode2Speed(profile), c.speed2);
        EXPECT_EQ(shownMode5Position(profile), c.position5);
        EXPECT_EQ(profile, stored);
    }
    // Moving the slider is what replaces the stored value.
    profile.setMode1Param(300);
    refresh();
    EXPECT_TRUE(model.sliderMoved(profile, kMode1, 9));
    EXPECT_EQ(profile.mode1Param(), 9u);
}

TEST_F(LightingModelTest, SwitchesShowOnOnlyForTheValuesTheMouseIsSentAsOn) {
    struct Case {
        uint32_t stored;
        bool multicolourOn, proximityOn;
    } cases[] = {{0, false, false}, {1, true, true}, {2, false, true}, {0xFFFFFFFF, false, true}};
    for (const auto& c : cases) {
        profile.setLightingMode(5);
        profile.setMulticolourOption(c.stored);
        profile.setProximitySensing(c.stored);
        refresh();
        EXPECT_EQ(view().multicolourOn, c.multicolourOn) << c.stored;
        EXPECT_EQ(view().proximityOn, c.proximityOn) << c.stored;
        EXPECT_EQ(shownMulticolourOn(profile), c.multicolourOn) << c.stored;
        EXPECT_EQ(shownProximityOn(profile), c.proximityOn) << c.stored;
    }
}

TEST_F(LightingModelTest, PresetIndexBeyondTheTableIsResetForTheEditedPresetColourOnly) {
    profile.setLightingMode(1);
    profile.setColourIsCustom(3, 0);
    profile.setPresetIndex(3, 40);
    profile.setColourIsCustom(0, 0);
    profile.setPresetIndex(0, 40);  // not edited in mode 1: left alone
    refresh();
    EXPECT_EQ(profile.presetIndex(3), 0u);
    EXPECT_EQ(view().selectedSwatch, 0);
    EXPECT_EQ(profile.presetIndex(0), 40u);

    // A custom colour keeps whatever index it has: no swatch stands for it.
    profile.setColourIsCustom(3, 1);
    profile.setPresetIndex(3, 40);
    refresh();
    EXPECT_EQ(profile.presetIndex(3), 40u);
    EXPECT_EQ(view().selectedSwatch, -1);
}

TEST_F(LightingModelTest, AProfileSwitchTakesTheMulticolourToggleFromTheNewProfile) {
    profile.setMulticolourOption(1);
    refresh();
    ASSERT_TRUE(model.colourEditing());
    // Another profile in mode 5 without multicolour: its speed slider is usable and nothing
    // is edited, although the toggle showed "on" until now.
    ProfileSettings other = ProfileSettings::defaults(false);
    model.refresh(other);
    EXPECT_FALSE(view().multicolourOn);
    EXPECT_TRUE(view().mode5SliderEnabled);
    EXPECT_FALSE(model.colourEditing());
    EXPECT_EQ(model.editSlot(), kNoEditSlot);
    EXPECT_FALSE(view().swatchesEnabled);
    // And back: editing colour 1 again.
    refresh();
    EXPECT_EQ(model.editSlot(), 0);
    EXPECT_FALSE(view().mode5SliderEnabled);
}

TEST_F(LightingModelTest, AnUnknownStoredModeLeavesTheModeControlsAsTheyWere) {
    profile.setLightingMode(2);
    refresh();
    const LightingPageView before = view();
    for (uint32_t mode : {0u, 7u, 0xFFFFFFFFu}) {
        profile.setLightingMode(mode);
        refresh();
        EXPECT_EQ(view().modeSelected, before.modeSelected) << mode;
        EXPECT_EQ(view().mode2SliderEnabled, true) << mode;
        EXPECT_EQ(model.editSlot(), kSingleColourSlot) << mode;
    }
}

TEST_F(LightingModelTest, ProximityButtonsWriteTheSwitch) {
    refresh();
    model.setProximity(profile, false);
    EXPECT_EQ(profile.proximitySensing(), 0u);
    EXPECT_FALSE(view().proximityOn);
    model.setProximity(profile, true);
    EXPECT_EQ(profile.proximitySensing(), 1u);
    EXPECT_TRUE(view().proximityOn);
}

TEST_F(LightingModelTest, TheWheelSetsTheEditedColourWhileEditing) {
    refresh();  // mode 5 without multicolour: the wheel does not react
    const ProfileSettings before = profile;
    EXPECT_FALSE(model.pickColour(profile, colourRef(1, 2, 3)));
    EXPECT_EQ(profile, before);

    model.toggleMulticolour(profile);
    model.chooseMulticolourColour(profile, 1);
    model.choosePreset(profile, 7);
    ASSERT_EQ(view().selectedSwatch, 7);
    // Only the colour's three bytes are kept.
    EXPECT_TRUE(model.pickColour(profile, 0xAB000000 | colourRef(10, 20, 30)));
    EXPECT_EQ(profile.colour(1), colourRef(10, 20, 30));
    EXPECT_EQ(profile.colourIsCustom(1), 1u);
    EXPECT_EQ(view().colours[1], colourRef(10, 20, 30));
    EXPECT_EQ(view().rgb, (std::array<int, 3>{10, 20, 30}));
    EXPECT_EQ(view().selectedSwatch, -1);
    EXPECT_EQ(model.editedColour(profile), colourRef(10, 20, 30));
    EXPECT_EQ(profile.colour(0), 0xFFu);
    EXPECT_EQ(profile.colour(2), 0xFFu);
}

TEST(ColourWheel, HitAreaIsTheEllipseOfItsRectangle) {
    // The page's wheel: left 771, top 264, right 891, bottom 383.
    struct Case {
        int x, y;
        bool inside;
    };
    const Case cases[] = {
        {831, 323, true},  {772, 323, true},  {890, 323, true},  {831, 265, true},
        {831, 382, true},  {771, 264, false}, {890, 382, false}, {770, 323, false},
        {891, 323, false}, {831, 383, false}, {780, 275, false}, {790, 285, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(insideEllipse(771, 264, 891, 383, c.x, c.y), c.inside) << c.x << "," << c.y;
    EXPECT_FALSE(insideEllipse(10, 10, 10, 20, 10, 15));  // an empty rectangle has no inside
}

}  // namespace
}  // namespace z408
