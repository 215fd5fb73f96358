// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "trophy_painter.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <string>

#include "paint_style.h"
#include "widgets/trophy_caption.h"

namespace z408::skingen {

namespace {

QPainterPath cupPath(const QRectF& r) {
    // A trophy cup with handles, base and stem, scaled into r.
    auto X = [&](double f) { return r.left() + r.width() * f; };
    auto Y = [&](double f) { return r.top() + r.height() * f; };
    QPainterPath cup;
    cup.moveTo(X(0.2), Y(0.05));
    cup.lineTo(X(0.8), Y(0.05));
    cup.cubicTo(X(0.8), Y(0.45), X(0.66), Y(0.58), X(0.55), Y(0.6));
    cup.lineTo(X(0.55), Y(0.74));
    cup.lineTo(X(0.7), Y(0.8));
    cup.lineTo(X(0.7), Y(0.9));
    cup.lineTo(X(0.3), Y(0.9));
    cup.lineTo(X(0.3), Y(0.8));
    cup.lineTo(X(0.45), Y(0.74));
    cup.lineTo(X(0.45), Y(0.6));
    cup.cubicTo(X(0.34), Y(0.58), X(0.2), Y(0.45), X(0.2), Y(0.05));
    cup.closeSubpath();
    QPainterPath handles;
    handles.addEllipse(QRectF(X(0.04), Y(0.1), X(0.3) - X(0.04), Y(0.38) - Y(0.1)));
    handles.addEllipse(QRectF(X(0.7), Y(0.1), X(0.96) - X(0.7), Y(0.38) - Y(0.1)));
    QPainterPath holes;
    holes.addEllipse(QRectF(X(0.09), Y(0.15), X(0.25) - X(0.09), Y(0.33) - Y(0.15)));
    holes.addEllipse(QRectF(X(0.75), Y(0.15), X(0.91) - X(0.75), Y(0.33) - Y(0.15)));
    return cup.united(handles.subtracted(holes));
}

void drawCup(QPainter& p, const QRectF& r, const TrophyMetal& m, bool lit) {
    QPainterPath path = cupPath(r);
    QLinearGradient g(r.topLeft(), r.topRight());
    if (lit) {
        g.setColorAt(0, m.dark);
        g.setColorAt(0.35, m.light);
        g.setColorAt(0.6, m.mid);
        g.setColorAt(1, m.dark);
    } else {
        g.setColorAt(0, QColor(44, 47, 53));
        g.setColorAt(0.4, QColor(74, 79, 88));
        g.setColorAt(1, QColor(40, 43, 48));
    }
    p.setPen(QPen(lit ? m.dark.darker(130) : QColor(30, 32, 36), 1));
    p.setBrush(g);
    p.drawPath(path);
}

}  // namespace

void drawTrophySmall(QPainter& p, const skin::Control& c, State s) {
    QRectF r = rf(c.rect);
    int level = std::stoi(c.caption) - 1;
    bool lit = s == State::Down;
    if (lit) {
        QRadialGradient glow(r.center(), r.width() * 0.6);
        glow.setColorAt(0, QColor(255, 220, 120, 70));
        glow.setColorAt(1, QColor(255, 220, 120, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(r.center(), r.width() * 0.6, r.width() * 0.6);
    }
    drawCup(p, QRectF(r.left() + 6, r.top() + 3, r.width() - 12, r.height() - 18),
            trophyMetal(level), lit);
    p.setFont(uiFont(10, QFont::Bold));
    p.setPen(lit ? QColor(250, 220, 120) : QColor(96, 102, 114));
    p.drawText(QRectF(r.left(), r.bottom() - 14, r.width(), 14), Qt::AlignCenter,
               QString::number(level + 1));
}

void drawStage(QPainter& p, const QRectF& r) {
    QRadialGradient spot(QPointF(r.center().x(), r.top() + r.height() * 0.42), r.width() * 0.8);
    spot.setColorAt(0, QColor(44, 56, 70));
    spot.setColorAt(0.6, QColor(24, 28, 34));
    spot.setColorAt(1, QColor(16, 17, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(spot);
    p.drawRect(r);
    // Pedestal.
    QRectF top(r.left() + r.width() * 0.18, r.top() + r.height() * 0.74, r.width() * 0.64, 18);
    QLinearGradient pg(top.topLeft(), top.topRight());
    pg.setColorAt(0, QColor(30, 33, 38));
    pg.setColorAt(0.5, QColor(70, 76, 86));
    pg.setColorAt(1, QColor(30, 33, 38));
    p.setBrush(pg);
    p.drawEllipse(top);
    QRectF body(top.left() + 14, top.center().y(), top.width() - 28, 42);
    p.setBrush(QColor(34, 37, 43));
    p.drawRect(body);
    p.setPen(QPen(kAccent, 2));
    p.drawLine(QPointF(body.left(), body.top() + 20), QPointF(body.right(), body.top() + 20));
}

QImage renderTrophy(int level) {
    QImage img(skin::kTrophyWidth, skin::kTrophyHeight, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r(0, 0, img.width(), img.height());
    drawStage(p, r);
    const TrophyMetal m = trophyMetal(level);
    QRadialGradient halo(QPointF(r.center().x(), 210), 150);
    QColor h = m.mid;
    h.setAlpha(90);
    halo.setColorAt(0, h);
    h.setAlpha(0);
    halo.setColorAt(1, h);
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(r.center().x(), 210), 150, 150);
    // Rays behind the cup grow with the level.
    p.save();
    p.translate(r.center().x(), 200);
    QColor ray = m.light;
    ray.setAlpha(26);
    p.setBrush(ray);
    for (int i = 0; i < 4 + level; ++i) {
        p.rotate(360.0 / (4 + level));
        QPainterPath wedge;
        wedge.moveTo(0, 0);
        wedge.lineTo(-9, -150);
        wedge.lineTo(9, -150);
        wedge.closeSubpath();
        p.drawPath(wedge);
    }
    p.restore();
    drawCup(p, QRectF(r.center().x() - 85, 118, 170, 236), m, true);
    // Star rank on the cup.
    p.setPen(Qt::NoPen);
    p.setBrush(m.dark);
    QPainterPath star = starPath(QPointF(r.center().x(), 188), 22, 9, 0);
    p.drawPath(star);
    // The rank name and the level line are drawn over the picture in the user's language.
    return img;
}

}  // namespace z408::skingen
