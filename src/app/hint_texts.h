// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The language key of each hint number the main window's hint line shows.
#include <string_view>

namespace z408 {

// The key for a hint number; empty for 99 and every number without a text (the hint is cleared).
std::u16string_view hintKey(int number);

}  // namespace z408
