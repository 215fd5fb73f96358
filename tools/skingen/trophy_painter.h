// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The trophies: the small cups of the statistics page and the large trophy images.
#include <QPainter>
#include <QRectF>

#include "skin/skin_layout.h"
#include "skin_painter.h"

namespace z408::skingen {

// A small cup whose caption is its level (1..13): dim in `Normal`, lit in `Down`.
void drawTrophySmall(QPainter& p, const skin::Control& c, State s);
// The spot-lit stage with its pedestal that the large trophy stands on.
void drawStage(QPainter& p, const QRectF& r);

}  // namespace z408::skingen
