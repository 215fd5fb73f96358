// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The large trophy's metal and its two texts, the rank name and the level line. The skin
// generator paints the trophy pictures in the metal without words; the statistics page draws the
// texts over them in the user's language, so every language shares one picture per level.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <cstdint>

namespace z408 {

inline constexpr int kTrophyLevels = 13;

struct TrophyMetal {
    QColor light, mid, dark;
};
// The metal of the trophy of level `level` (0..12): bronze, silver, gold, violet, ice.
TrophyMetal trophyMetal(int level);

enum class TrophyText { Rank, Level };

struct TrophyTextStyle {
    QRectF rect;  // in the picture's coordinates, the text centred in it
    QFont font;
    QColor colour;
};
TrophyTextStyle trophyTextStyle(TrophyText which, int level);

// The rank name or the level line ("LEVEL 4 / 13") of level `level` in language `languageId`.
QString trophyText(TrophyText which, int level, int64_t languageId);

// Draws both texts of level `level` over its picture, whose top left corner is at the origin.
void paintTrophyTexts(QPainter& p, int level, int64_t languageId);

}  // namespace z408
