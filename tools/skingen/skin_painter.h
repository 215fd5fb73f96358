// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Draws skin images from the layout table in the product's dark style. The painters are split by
// what they draw: pages and their controls (control_painter), trophies, flags and the small
// icons; paint_style holds the palette and the pieces they share.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include "skin/skin_layout.h"

namespace z408::skingen {

enum class State { Normal, Down, Over };

QFont uiFont(double pixelSize, int weight = QFont::Normal);

// A whole page image with every control in `state`; `stateOf` may override per control.
QImage renderPage(const skin::PageSkin& page, State state);
QImage renderPage(const skin::PageSkin& page, State (*stateOf)(const skin::Control&, State),
                  State state);

void drawControl(QPainter& p, const skin::Control& c, State s, bool lightTheme);

// The large trophy of level `level` (0..12) without its texts, which the page draws over it.
QImage renderTrophy(int level);
QImage renderSliderThumb();
QImage renderScrollSkin();
QImage renderFlag(int languageId, QSize size);
QImage renderListIcon(int kind, bool selected);  // kind 2 up, 3 down, 4 delay
QImage renderPresetItem(State s, bool hasSub);
QImage renderPopupBackground();
QImage renderTrayIcon(int size);
// The same icon drawn on any painter in a square of side `size` (also the scalable SVG).
void paintTrayIcon(QPainter& p, double size);
QImage renderMenuIcon(bool exitIcon);

}  // namespace z408::skingen
