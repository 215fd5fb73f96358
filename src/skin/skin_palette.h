// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Colours the skin images and the widgets drawn over them must agree on (0x00RRGGBB, as the
// layout's swatch colours).

namespace z408::skin {

// The bright accent of the skin's lit edges; the widgets draw the keyboard's focus mark with it.
inline constexpr unsigned kAccentGlow = 0x3CC8FF;

}  // namespace z408::skin
