// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The palette and the drawing pieces every skin painter shares: captions fitted to their box,
// the button surface, fields and stars.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include "skin/skin_layout.h"
#include "skin/skin_palette.h"
#include "skin_painter.h"

namespace z408::skingen {

// Palette: charcoal surfaces, a cyan-blue accent and gold for pressed/on states. The three
// caption colours are the program's shared button colours.
inline const QColor kBgTop(31, 33, 38), kBgBottom(16, 17, 20);
inline const QColor kPanelTop(30, 32, 37), kPanelBottom(22, 24, 28), kPanelBorder(52, 56, 64);
inline const QColor kAccent(0, 147, 209), kAccentDeep(21, 110, 150),
    kAccentGlow(QRgb{skin::kAccentGlow});
inline const QColor kGoldTop(250, 214, 96), kGoldBottom(214, 160, 22), kGoldEdge(255, 228, 140);
inline const QColor kTextNormal(189, 189, 200), kTextHover(255, 255, 255), kTextPressed(38, 29, 5);
inline const QColor kFieldFill(12, 13, 15), kFieldBorder(50, 54, 62);

QRectF rf(const skin::Rect& r);
QColor captionColour(State s);

// Draws `text` at the largest pixel size up to `maxPx` that fits the width of `r`.
void drawCaption(QPainter& p, const QRectF& r, const QString& text, const QColor& colour,
                 double maxPx, int weight = QFont::DemiBold, Qt::Alignment align = Qt::AlignCenter);

double radiusFor(const QRectF& r, double wanted);
void fillButton(QPainter& p, const QPainterPath& path, const QRectF& r, State s, bool light);
void drawButtonShape(QPainter& p, const QRectF& r, State s, bool light, double radius = 4);
void drawField(QPainter& p, const QRectF& r);
// Sets the pen and brush of a lit (pressed or chosen) small control whose shape fills `r`.
void useGoldSurface(QPainter& p, const QRectF& r);

// A five-pointed star around `centre`, its first point straight up turned by `rotation` radians.
QPainterPath starPath(QPointF centre, double outer, double inner, double rotation);

}  // namespace z408::skingen
