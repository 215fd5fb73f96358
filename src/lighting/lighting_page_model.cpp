// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "lighting/lighting_page_model.h"

#include <algorithm>
#include <cstdio>

#include "common/program_texts.h"
#include "common/text.h"
#include "lighting/colours.h"
#include "lighting/lighting_params.h"

namespace z408 {
namespace {

std::array<int, 3> channelsOf(uint32_t colour) {
    return {redOf(colour), greenOf(colour), blueOf(colour)};
}

}  // namespace

void LightingPageModel::refresh(ProfileSettings& profile) {
    LightingPageView& v = view_;
    // The toggle is taken from the profile before the mode rules use it: after a profile switch
    // or a reset the toggle still shows the previous profile's state.
    const bool multicolourOn = shownMulticolourOn(profile);
    const uint32_t mode = profile.lightingMode();
    if (mode >= 1 && mode <= kLightingModeCount) {
        for (int m = 1; m <= kLightingModeCount; ++m)
            v.modeSelected[static_cast<size_t>(m - 1)] = static_cast<uint32_t>(m) == mode;
        v.mode1SliderEnabled = mode == 1;
        v.mode2SliderEnabled = mode == 2;
        v.multicolourEnabled = mode == 5;
        v.mode5SliderEnabled = mode == 5 && !multicolourOn;
        switch (mode) {
            case 1:
            case 2:
                editSlot_ = kSingleColourSlot;
                colourEditing_ = true;
                break;
            case 5:
                if (multicolourOn && (editSlot_ == kSingleColourSlot || editSlot_ == kNoEditSlot))
                    editSlot_ = 0;
                if (!multicolourOn) editSlot_ = kNoEditSlot;
                colourEditing_ = multicolourOn;
                break;
            default:
                editSlot_ = kNoEditSlot;
                colourEditing_ = false;
                break;
        }
    }
    // Any other stored mode leaves the mode controls and the editing state as they were.

    v.selectedSwatch = -1;
    if (colourEditing_ && editingSlot()) {
        v.swatchesEnabled = true;
        v.rgbEnabled = true;
        v.rgb = channelsOf(profile.colour(editSlot_));
    } else {
        editSlot_ = kNoEditSlot;
        v.swatchesEnabled = false;
        v.rgbEnabled = false;
        v.rgb = {0, 0, 0};
    }

    v.proximityOn = shownProximityOn(profile);
    v.mode2Position = shownMode2Speed(profile);
    v.mode1Position = shownMode1Level(profile);
    v.mode5Position = shownMode5Position(profile);

    if (editingSlot() && profile.colourIsCustom(editSlot_) == 0) {
        if (profile.presetIndex(editSlot_) >= static_cast<uint32_t>(kPresetColourCount))
            profile.setPresetIndex(editSlot_, 0);
        v.selectedSwatch = static_cast<int>(profile.presetIndex(editSlot_));
        v.rgb = channelsOf(profile.colour(editSlot_));
    }

    v.multicolourOn = multicolourOn;
    for (int i = 0; i < 4; ++i) v.colours[static_cast<size_t>(i)] = profile.colour(i);
}

void LightingPageModel::selectMode(ProfileSettings& profile, int mode) {
    if (mode < 1 || mode > kLightingModeCount) return;
    profile.setLightingMode(static_cast<uint32_t>(mode));
    if (mode == 1 || mode == 2)
        editSlot_ = kSingleColourSlot;
    else if (mode == 5)
        editSlot_ = view_.multicolourOn ? 0 : kNoEditSlot;
    else
        editSlot_ = kNoEditSlot;
    refresh(profile);
}

void LightingPageModel::toggleMulticolour(ProfileSettings& profile) {
    view_.multicolourOn = !view_.multicolourOn;
    profile.setMulticolourOption(view_.multicolourOn ? 1 : 0);
    refresh(profile);
}

void LightingPageModel::chooseMulticolourColour(ProfileSettings& profile, int slot) {
    if (slot < 0 || slot >= kMulticolourSlots) return;
    editSlot_ = slot;
    refresh(profile);
}

void LightingPageModel::setProximity(ProfileSettings& profile, bool on) {
    profile.setProximitySensing(on ? 1 : 0);
    refresh(profile);
}

void LightingPageModel::choosePreset(ProfileSettings& profile, int index) {
    if (index < 0 || index >= kPresetColourCount) return;
    if (editingSlot()) setPresetColour(profile, editSlot_, index);
    refresh(profile);
}

bool LightingPageModel::sliderMoved(ProfileSettings& profile, int id, int position) {
    switch (static_cast<LightingSlider>(id)) {
        case LightingSlider::Mode1Level:
            if (position < kMode1LevelMin || position > kMode1LevelMax) return false;
            profile.setMode1Param(static_cast<uint32_t>(position));
            view_.mode1Position = position;
            return true;
        case LightingSlider::Mode2Speed:
            if (position < kMode2SpeedMin || position > kMode2SpeedMax) return false;
            profile.setMode2Param(static_cast<uint32_t>(position));
            view_.mode2Position = position;
            return true;
        case LightingSlider::Mode5Speed:
            if (position < kMode5SpeedMin || position > kMode5SpeedMax) return false;
            profile.setMode5Param(static_cast<uint32_t>(2 * position));
            view_.mode5Position = position;
            return true;
        case LightingSlider::Red:
        case LightingSlider::Green:
        case LightingSlider::Blue:
            // A channel beyond a byte would spill into its neighbour.
            if (!editingSlot() || position < kColourChannelMin || position > kColourChannelMax)
                return false;
            setChannel(profile, id - static_cast<int>(LightingSlider::Red), position);
            return true;
    }
    return false;
}

void LightingPageModel::setChannel(ProfileSettings& profile, int channel, int value) {
    std::array<int, 3> rgb = channelsOf(profile.colour(editSlot_));
    rgb[static_cast<size_t>(channel)] = value;
    setCustomColour(profile, editSlot_,
                    colourRef(static_cast<uint8_t>(rgb[0]), static_cast<uint8_t>(rgb[1]),
                              static_cast<uint8_t>(rgb[2])));
    showEditedColour(profile);
}

bool LightingPageModel::pickColour(ProfileSettings& profile, uint32_t colour) {
    if (!colourEditing_ || !editingSlot()) return false;
    setCustomColour(profile, editSlot_, colour);
    showEditedColour(profile);
    return true;
}

void LightingPageModel::showEditedColour(const ProfileSettings& profile) {
    const uint32_t colour = profile.colour(editSlot_);
    view_.colours[static_cast<size_t>(editSlot_)] = colour;
    view_.rgb = channelsOf(colour);
    // A mixed colour is no preset: no swatch stays selected.
    view_.selectedSwatch = -1;
}

std::optional<uint32_t> LightingPageModel::editedColour(const ProfileSettings& profile) const {
    if (!colourEditing_ || !editingSlot()) return std::nullopt;
    return profile.colour(editSlot_);
}

bool setPresetColour(ProfileSettings& profile, int slot, int index) {
    if (index < 0 || index >= kPresetColourCount || slot < 0 || slot > kSingleColourSlot)
        return false;
    profile.setColour(slot, kPresetColourTable[static_cast<size_t>(index)]);
    profile.setPresetIndex(slot, static_cast<uint32_t>(index));
    profile.setColourIsCustom(slot, 0);
    return true;
}

void setCustomColour(ProfileSettings& profile, int slot, uint32_t colour) {
    profile.setColour(slot, colour & 0x00FFFFFF);
    profile.setColourIsCustom(slot, 1);
}

bool insideEllipse(int left, int top, int right, int bottom, int x, int y) {
    const double a = (right - left) / 2.0, b = (bottom - top) / 2.0;
    if (a <= 0 || b <= 0) return false;
    // Pixel centres against the ellipse through the rectangle's edges.
    const double dx = (x + 0.5 - (left + a)) / a, dy = (y + 0.5 - (top + b)) / b;
    return dx * dx + dy * dy <= 1.0;
}

std::string colourHexText(uint32_t colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", redOf(colour), greenOf(colour),
                  blueOf(colour));
    return text;
}

std::string presetColourName(int index, int64_t languageId) {
    if (index < 0 || index >= kPresetColourCount) return {};
    const std::string number = std::to_string(index + 1);
    return formatText(programText(ProgramText::AccessColour, languageId), {number}) + " " +
           colourHexText(kPresetColourTable[static_cast<size_t>(index)]);
}

}  // namespace z408
