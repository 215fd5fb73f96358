#include "lighting/lighting_page_model.h"

#include <algorithm>
#include <climits>

#include "lighting/colours.h"

namespace z408 {
namespace {

// Stored values are untrusted: a value too large for a position shows as one the sliders
// treat as out of range (their minimum) instead of wrapping negative.
int toPosition(uint32_t stored) {
    return static_cast<int>(std::min<uint32_t>(stored, INT_MAX));
}

std::array<int, 3> channelsOf(uint32_t colour) {
    return {redOf(colour), greenOf(colour), blueOf(colour)};
}

}  // namespace

void LightingPageModel::refresh(ProfileSettings& profile) {
    LightingPageView& v = view_;
    // The toggle is taken from the profile before the mode rules use it: after a profile switch
    // or a reset the toggle still shows the previous profile's state.
    const bool multicolourOn = profile.multicolourOption() == 1;
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

    v.proximityOn = profile.proximitySensing() != 0;
    v.mode2Position = toPosition(profile.mode2Param());
    v.mode1Position = toPosition(profile.mode1Param());
    v.mode5Position = toPosition(profile.mode5Param() / 2);

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
    if (editingSlot()) {
        profile.setColour(editSlot_, kPresetColourTable[static_cast<size_t>(index)]);
        profile.setPresetIndex(editSlot_, static_cast<uint32_t>(index));
        profile.setColourIsCustom(editSlot_, 0);
    }
    refresh(profile);
}

bool LightingPageModel::sliderMoved(ProfileSettings& profile, int id, int position) {
    switch (static_cast<LightingSlider>(id)) {
        case LightingSlider::Mode1Level:
            if (position < 1 || position > 10) return false;
            profile.setMode1Param(static_cast<uint32_t>(position));
            view_.mode1Position = position;
            return true;
        case LightingSlider::Mode2Speed:
            if (position < 1 || position > 5) return false;
            profile.setMode2Param(static_cast<uint32_t>(position));
            view_.mode2Position = position;
            return true;
        case LightingSlider::Mode5Speed:
            if (position < 1 || position > 3) return false;
            profile.setMode5Param(static_cast<uint32_t>(2 * position));
            view_.mode5Position = position;
            return true;
        case LightingSlider::Red:
        case LightingSlider::Green:
        case LightingSlider::Blue:
            // A channel beyond a byte would spill into its neighbour.
            if (!editingSlot() || position < 0 || position > 255) return false;
            setChannel(profile, id - static_cast<int>(LightingSlider::Red), position);
            return true;
    }
    return false;
}

void LightingPageModel::setChannel(ProfileSettings& profile, int channel, int value) {
    std::array<int, 3> rgb = channelsOf(profile.colour(editSlot_));
    rgb[static_cast<size_t>(channel)] = value;
    profile.setColour(editSlot_, colourRef(static_cast<uint8_t>(rgb[0]),
                                           static_cast<uint8_t>(rgb[1]),
                                           static_cast<uint8_t>(rgb[2])));
    profile.setColourIsCustom(editSlot_, 1);
    showEditedColour(profile);
}

bool LightingPageModel::pickColour(ProfileSettings& profile, uint32_t colour) {
    if (!colourEditing_ || !editingSlot()) return false;
    profile.setColour(editSlot_, colour & 0x00FFFFFF);
    profile.setColourIsCustom(editSlot_, 1);
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

bool insideEllipse(int left, int top, int right, int bottom, int x, int y) {
    const double a = (right - left) / 2.0, b = (bottom - top) / 2.0;
    if (a <= 0 || b <= 0) return false;
    // Pixel centres against the ellipse through the rectangle's edges.
    const double dx = (x + 0.5 - (left + a)) / a, dy = (y + 0.5 - (top + b)) / b;
    return dx * dx + dy * dy <= 1.0;
}

}  // namespace z408
