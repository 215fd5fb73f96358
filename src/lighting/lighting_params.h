// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The lighting sliders' ranges and the positions they show for a stored profile. A profile read
// from a file may hold any value; the page shows the nearest position in range and the mouse is
// sent that same position, so the light does what the page says. The stored value is kept until
// the person moves the slider (nothing is rewritten just for being looked at).
#include <cstdint>

#include "config/profile_settings.h"

namespace z408 {

inline constexpr int kMode1LevelMin = 1, kMode1LevelMax = 10;
inline constexpr int kMode2SpeedMin = 1, kMode2SpeedMax = 5;
// Mode 5's speed is stored as twice its slider position.
inline constexpr int kMode5SpeedMin = 1, kMode5SpeedMax = 3;
inline constexpr int kColourChannelMin = 0, kColourChannelMax = 255;

// `stored` brought to the nearest of minimum..maximum.
int positionInRange(uint32_t stored, int minimum, int maximum);

// The positions the level and speed sliders show for the profile.
int shownMode1Level(const ProfileSettings& profile);
int shownMode2Speed(const ProfileSettings& profile);
int shownMode5Position(const ProfileSettings& profile);
// The two switches as the page shows them: multicolour only at 1, proximity sensing at any value
// but 0.
bool shownMulticolourOn(const ProfileSettings& profile);
bool shownProximityOn(const ProfileSettings& profile);

}  // namespace z408
