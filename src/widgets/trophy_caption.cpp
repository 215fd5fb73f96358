// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/trophy_caption.h"

#include <algorithm>

#include "common/program_texts.h"
#include "skin/skin_layout.h"
#include "widgets/skin_caption.h"

namespace z408 {

namespace {

int boundedLevel(int level) {
    return std::clamp(level, 0, kTrophyLevels - 1);
}

}  // namespace

TrophyMetal trophyMetal(int level) {
    if (level >= 12) return {QColor(210, 250, 255), QColor(60, 200, 255), QColor(10, 90, 150)};
    if (level >= 9) return {QColor(240, 236, 255), QColor(168, 150, 236), QColor(70, 54, 140)};
    if (level >= 6) return {QColor(255, 240, 160), QColor(236, 186, 40), QColor(150, 100, 10)};
    if (level >= 3) return {QColor(245, 247, 250), QColor(176, 182, 192), QColor(96, 102, 112)};
    return {QColor(250, 200, 150), QColor(196, 124, 64), QColor(110, 60, 24)};
}

TrophyTextStyle trophyTextStyle(TrophyText which, int level) {
    if (which == TrophyText::Rank)
        return {QRectF(0, 380, skin::kTrophyWidth, 30), captionFont(22, QFont::Bold),
                QColor(240, 242, 246)};
    return {QRectF(0, 410, skin::kTrophyWidth, 22), captionFont(13, QFont::DemiBold),
            trophyMetal(boundedLevel(level)).mid};
}

QString trophyText(TrophyText which, int level, int64_t languageId) {
    level = boundedLevel(level);
    if (which == TrophyText::Rank) {
        const auto row = static_cast<int>(ProgramText::CaptionRankRookie) + level;
        return QString::fromUtf8(programText(static_cast<ProgramText>(row), languageId));
    }
    return QString::fromUtf8(programText(ProgramText::CaptionTrophyLevelLine, languageId))
        .replace(QStringLiteral("%s"), QString::number(level + 1));
}

void paintTrophyTexts(QPainter& p, int level, int64_t languageId) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (TrophyText which : {TrophyText::Rank, TrophyText::Level}) {
        const TrophyTextStyle s = trophyTextStyle(which, level);
        p.setPen(s.colour);
        p.setFont(s.font);
        p.drawText(s.rect, Qt::AlignCenter, trophyText(which, level, languageId));
    }
    p.restore();
}

}  // namespace z408
