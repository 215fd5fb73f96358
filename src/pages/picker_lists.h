// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The lists of the picker's basic and macro pages: owner-drawn, dark, with skinned scroll bars,
// placed at their control in the page's skin layout.
#include <QString>

#include "skin/skin_layout.h"

class QWidget;

namespace z408 {

class CListBoxEx;

inline constexpr int kBasicListItemHeight = 18;
inline constexpr int kMacroListItemHeight = 16;

CListBoxEx* makePickerList(QWidget* page, const skin::PageSkin& layout, const char* controlName,
                           int controlId, int itemHeight, const QString& programDirectory);

}  // namespace z408
