// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "lighting/lighting_params.h"

#include <algorithm>

namespace z408 {

int positionInRange(uint32_t stored, int minimum, int maximum) {
    return static_cast<int>(std::clamp<int64_t>(stored, minimum, maximum));
}

int shownMode1Level(const ProfileSettings& profile) {
    return positionInRange(profile.mode1Param(), kMode1LevelMin, kMode1LevelMax);
}

int shownMode2Speed(const ProfileSettings& profile) {
    return positionInRange(profile.mode2Param(), kMode2SpeedMin, kMode2SpeedMax);
}

int shownMode5Position(const ProfileSettings& profile) {
    // An odd stored speed shows the step below it.
    return positionInRange(profile.mode5Param() / 2, kMode5SpeedMin, kMode5SpeedMax);
}

bool shownMulticolourOn(const ProfileSettings& profile) {
    return profile.multicolourOption() == 1;
}

bool shownProximityOn(const ProfileSettings& profile) {
    return profile.proximitySensing() != 0;
}

}  // namespace z408
