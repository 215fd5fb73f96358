// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The rules of the lighting page, without its widgets: which controls are selected and enabled
// for the active profile's lighting, and what each click, slider move and colour-wheel pick
// writes into that profile. The page keeps no copy of the settings: every change goes into the
// profile at once, and the page only shows view() and forwards its controls here.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "config/profile_settings.h"

namespace z408 {

inline constexpr int kLightingModeCount = 6;
inline constexpr int kMulticolourSlots = 3;  // colours 0..2, mode 5's multicolour set
inline constexpr int kSingleColourSlot = 3;  // colour 3, the colour of modes 1 and 2
inline constexpr int kNoEditSlot = 4;        // no colour is being edited

// The page's sliders by control id; the notifications carry these ids.
enum class LightingSlider : int {
    Red = 769,
    Green = 770,
    Blue = 771,
    Mode1Level = 777,  // 1..10
    Mode2Speed = 778,  // 1..5
    Mode5Speed = 779,  // 1..3, stored doubled
};

// What the page's controls show.
struct LightingPageView {
    std::array<bool, kLightingModeCount> modeSelected{};  // mode m at m - 1
    bool mode1SliderEnabled = false;
    bool mode2SliderEnabled = false;
    bool mode5SliderEnabled = false;
    bool multicolourEnabled = false;  // the toggle and its three colour buttons
    bool multicolourOn = false;
    int mode1Position = 0, mode2Position = 0, mode5Position = 0;
    bool swatchesEnabled = false;
    int selectedSwatch = -1;  // -1: none
    bool rgbEnabled = false;
    std::array<int, 3> rgb{};  // red, green, blue slider positions and value boxes
    bool proximityOn = false;
    std::array<uint32_t, 4> colours{};  // the four colour buttons
    friend bool operator==(const LightingPageView&, const LightingPageView&) = default;
};

class LightingPageModel {
  public:
    // Sets every control from the profile (refreshLightingPage). Writes the profile only to
    // repair a preset index beyond the table for the colour being edited.
    void refresh(ProfileSettings& profile);

    // Commands; each ends with a refresh.
    void selectMode(ProfileSettings& profile, int mode);  // 1..6
    void toggleMulticolour(ProfileSettings& profile);
    void chooseMulticolourColour(ProfileSettings& profile, int slot);  // 0..2
    void setProximity(ProfileSettings& profile, bool on);
    void choosePreset(ProfileSettings& profile, int index);  // 0..25

    // A slider reached `position`; only the controls it concerns change. A position outside the
    // slider's range is none the slider can report and is ignored. False when nothing changed.
    bool sliderMoved(ProfileSettings& profile, int id, int position);
    // The colour wheel's pixel under the pointer becomes the edited colour. False (nothing
    // changes) while colour editing is off.
    bool pickColour(ProfileSettings& profile, uint32_t colour);

    const LightingPageView& view() const { return view_; }
    int editSlot() const { return editSlot_; }
    // Whether the colour wheel reacts.
    bool colourEditing() const { return colourEditing_; }
    // The colour being edited, for the page's current-colour preview.
    std::optional<uint32_t> editedColour(const ProfileSettings& profile) const;

  private:
    bool editingSlot() const { return editSlot_ >= 0 && editSlot_ < kNoEditSlot; }
    void showEditedColour(const ProfileSettings& profile);
    void setChannel(ProfileSettings& profile, int channel, int value);

    LightingPageView view_;
    int editSlot_ = kNoEditSlot;
    bool colourEditing_ = false;
};

// What a swatch writes into colour `slot` (0..3): the preset's colour and its index, not custom.
// An index outside the table changes nothing and gives false.
bool setPresetColour(ProfileSettings& profile, int slot, int index);
// What the sliders and the colour wheel write: a mixed colour (0x00BBGGRR), marked custom.
void setCustomColour(ProfileSettings& profile, int slot, uint32_t colour);

// A colour (0x00BBGGRR) as "#RRGGBB", the way screen readers are told it.
std::string colourHexText(uint32_t colour);
// What preset swatch `index` (0..25) is called in language `languageId`: "Colour 3 #00FF00",
// numbered from 1. Empty for an index outside the table.
std::string presetColourName(int index, int64_t languageId);

// Whether (x, y) lies inside the ellipse of the rectangle (right and bottom outside): the colour
// wheel's hit area.
bool insideEllipse(int left, int top, int right, int bottom, int x, int y);

}  // namespace z408
