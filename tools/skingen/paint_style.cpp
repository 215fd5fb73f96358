// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "paint_style.h"

#include "widgets/skin_caption.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace z408::skingen {

QFont uiFont(double pixelSize, int weight) {
    return captionFont(pixelSize, weight);
}

QRectF rf(const skin::Rect& r) {
    return QRectF(r.left, r.top, r.width(), r.height());
}

QColor captionColour(State s) {
    return s == State::Down ? kTextPressed : s == State::Over ? kTextHover : kTextNormal;
}

void drawCaption(QPainter& p, const QRectF& r, const QString& text, const QColor& colour,
                 double maxPx, int weight, Qt::Alignment align) {
    if (text.isEmpty()) return;
    p.setFont(fittedCaptionFont(text, maxPx, r.width() - 4, weight));
    p.setPen(colour);
    p.drawText(r, static_cast<int>(align | Qt::TextSingleLine), text);
}

double radiusFor(const QRectF& r, double wanted) {
    return std::min(wanted, std::min(r.width(), r.height()) / 2.0);
}

void fillButton(QPainter& p, const QPainterPath& path, const QRectF& r, State s, bool light) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    QColor border;
    if (s == State::Down) {
        if (light) {
            g.setColorAt(0, QColor(24, 124, 170));
            g.setColorAt(1, QColor(14, 92, 130));
            border = QColor(10, 70, 100);
        } else {
            g.setColorAt(0, kGoldTop);
            g.setColorAt(1, kGoldBottom);
            border = kGoldEdge;
        }
    } else if (s == State::Over) {
        if (light) {
            g.setColorAt(0, QColor(40, 170, 226));
            g.setColorAt(1, kAccent);
            border = QColor(0, 110, 160);
        } else {
            g.setColorAt(0, QColor(72, 80, 92));
            g.setColorAt(1, QColor(44, 49, 57));
            border = kAccent;
        }
    } else {
        if (light) {
            g.setColorAt(0, QColor(252, 252, 253));
            g.setColorAt(1, QColor(222, 226, 232));
            border = QColor(160, 168, 180);
        } else {
            g.setColorAt(0, QColor(60, 64, 72));
            g.setColorAt(1, QColor(37, 40, 46));
            border = QColor(80, 86, 97);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
    // A one-pixel sheen along the top edge gives the surface some depth.
    p.save();
    p.setClipPath(path);
    p.setPen(QPen(QColor(255, 255, 255, s == State::Down ? 110 : 40), 1));
    p.drawLine(QPointF(r.left() + 2, r.top() + 1.5), QPointF(r.right() - 2, r.top() + 1.5));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(border, 1));
    p.drawPath(path);
}

void drawButtonShape(QPainter& p, const QRectF& r, State s, bool light, double radius) {
    QRectF b = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath path;
    double rad = radiusFor(b, radius);
    path.addRoundedRect(b, rad, rad);
    fillButton(p, path, b, s, light);
}

void drawField(QPainter& p, const QRectF& r) {
    QRectF b = r.adjusted(0.5, 0.5, -0.5, -0.5);
    double rad = radiusFor(b, 3);
    p.setPen(QPen(kFieldBorder, 1));
    p.setBrush(kFieldFill);
    p.drawRoundedRect(b, rad, rad);
    p.setPen(QPen(QColor(0, 0, 0, 140), 1));
    p.drawLine(QPointF(b.left() + 2, b.top() + 1.5), QPointF(b.right() - 2, b.top() + 1.5));
}

void useGoldSurface(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, kGoldTop);
    g.setColorAt(1, kGoldBottom);
    p.setBrush(g);
    p.setPen(QPen(kGoldEdge, 1));
}

QPainterPath starPath(QPointF centre, double outer, double inner, double rotation) {
    QPainterPath s;
    for (int i = 0; i < 10; ++i) {
        double rad = (i % 2 == 0) ? outer : inner;
        double a = -M_PI / 2 + rotation + i * M_PI / 5;
        QPointF pt(centre.x() + rad * std::cos(a), centre.y() + rad * std::sin(a));
        if (i == 0)
            s.moveTo(pt);
        else
            s.lineTo(pt);
    }
    s.closeSubpath();
    return s;
}

}  // namespace z408::skingen
