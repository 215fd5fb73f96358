// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Page images: the background of each kind of page and every control of the layout table in
// the look it names.
#include <QConicalGradient>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cstdio>
#include <cstdlib>

#include "paint_style.h"
#include "skin_painter.h"
#include "trophy_painter.h"
#include "widgets/skin_caption.h"

namespace z408::skingen {

using skin::Control;
using skin::Look;

namespace {

CaptionState captionState(State s) {
    return s == State::Down   ? CaptionState::Down
           : s == State::Over ? CaptionState::Over
                              : CaptionState::Normal;
}

void drawPanel(QPainter& p, const QRectF& r) {
    QRectF b = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, kPanelTop);
    g.setColorAt(1, kPanelBottom);
    p.setBrush(g);
    p.setPen(QPen(kPanelBorder, 1));
    p.drawRoundedRect(b, 6, 6);
    p.setPen(QPen(QColor(255, 255, 255, 18), 1));
    p.drawLine(QPointF(b.left() + 6, b.top() + 1.5), QPointF(b.right() - 6, b.top() + 1.5));
}

void drawTrack(QPainter& p, const Control& c) {
    const QRectF r = rf(c.rect);
    QRectF groove(r.left(), r.center().y() - 3, r.width(), 6);
    p.setPen(QPen(QColor(58, 62, 70), 1));
    p.setBrush(QColor(9, 10, 12));
    p.drawRoundedRect(groove.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    QLinearGradient g(groove.topLeft(), groove.topRight());
    g.setColorAt(0, QColor(21, 140, 185, 90));
    g.setColorAt(1, QColor(21, 140, 185, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(groove.adjusted(2, 2, -2, -2), 1, 1);
    // A tick under each place the thumb's tip can rest on; the ends are longer.
    p.setPen(QPen(QColor(90, 96, 108), 1));
    for (const skin::TrackTick& tick : skin::trackTicks(c)) {
        // The tip sits between two pixel columns: the mark covers both.
        const double x = tick.x;
        const double len = tick.end ? 3 : 1.5;
        p.drawLine(QPointF(x, r.bottom() + 1), QPointF(x, r.bottom() + 1 + len));
    }
}

void drawCheck(QPainter& p, const Control& c, State s, bool round) {
    QRectF r = rf(c.rect);
    double side = std::min(14.0, std::min(r.height(), r.width()));
    QRectF box(r.left() + (skin::hasText(c) ? 0 : (r.width() - side) / 2),
               r.center().y() - side / 2, side, side);
    QRectF b = box.adjusted(0.5, 0.5, -0.5, -0.5);
    QColor border = s == State::Over ? kAccent : QColor(96, 102, 114);
    p.setPen(QPen(border, 1));
    p.setBrush(s == State::Down ? QBrush(kGoldBottom) : QBrush(kFieldFill));
    if (s == State::Down) useGoldSurface(p, b);
    if (round)
        p.drawEllipse(b);
    else
        p.drawRoundedRect(b, 2, 2);
    if (s == State::Down) {
        p.setPen(QPen(kTextPressed, std::max(1.5, side / 7), Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        if (round) {
            p.setBrush(kTextPressed);
            p.drawEllipse(b.center(), side / 6, side / 6);
        } else {
            QPainterPath tick;
            tick.moveTo(b.left() + side * 0.22, b.top() + side * 0.52);
            tick.lineTo(b.left() + side * 0.42, b.top() + side * 0.72);
            tick.lineTo(b.left() + side * 0.78, b.top() + side * 0.28);
            p.setBrush(Qt::NoBrush);
            p.drawPath(tick);
        }
    }
    paintCaption(p, c, QString::fromStdString(c.caption), captionState(s));
}

void drawGlyph(QPainter& p, const Control& c, State s) {
    QRectF r = rf(c.rect).adjusted(3, 3, -3, -3);
    bool close = c.caption == "close";
    QColor bg = s == State::Normal ? QColor(52, 56, 64, 200)
                : close            ? (s == State::Over ? QColor(212, 44, 44) : QColor(160, 24, 24))
                                   : (s == State::Over ? QColor(70, 78, 90) : QColor(44, 48, 56));
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRoundedRect(r, 4, 4);
    QColor fg = s == State::Normal ? QColor(176, 182, 194) : QColor(255, 255, 255);
    p.setPen(QPen(fg, 1.8, Qt::SolidLine, Qt::RoundCap));
    QPointF m = r.center();
    double a = std::min(r.width(), r.height()) * 0.22;
    if (close) {
        p.drawLine(m + QPointF(-a, -a), m + QPointF(a, a));
        p.drawLine(m + QPointF(-a, a), m + QPointF(a, -a));
    } else {
        p.drawLine(m + QPointF(-a, a * 0.6), m + QPointF(a, a * 0.6));
    }
}

void drawArrow(QPainter& p, const Control& c, State s) {
    QRectF r = rf(c.rect);
    drawButtonShape(p, r, s, false, 2);
    QPointF m = r.center();
    double w = std::min(r.width(), r.height() * 1.6) * 0.28;
    double h = w * 0.7;
    QPainterPath tri;
    if (c.caption == "up") {
        tri.moveTo(m.x() - w, m.y() + h / 2);
        tri.lineTo(m.x() + w, m.y() + h / 2);
        tri.lineTo(m.x(), m.y() - h / 2);
    } else {
        tri.moveTo(m.x() - w, m.y() - h / 2);
        tri.lineTo(m.x() + w, m.y() - h / 2);
        tri.lineTo(m.x(), m.y() + h / 2);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(captionColour(s));
    p.drawPath(tri);
}

QPainterPath quadPath(const Control& c) {
    QPainterPath path;
    path.moveTo(c.quad[0].x + 0.5, c.quad[0].y + 0.5);
    for (size_t i = 1; i < 4; ++i) path.lineTo(c.quad[i].x + 0.5, c.quad[i].y + 0.5);
    path.closeSubpath();
    return path;
}

void drawQuad(QPainter& p, const Control& c, State s, bool light) {
    QPainterPath path = quadPath(c);
    fillButton(p, path, rf(c.rect), s, light);
    paintCaption(p, c, QString::fromStdString(c.caption), captionState(s));
}

void drawTab(QPainter& p, const Control& c, State s) {
    QRectF r = rf(c.rect).adjusted(0.5, 0.5, -0.5, 0.5);
    QPainterPath path;
    path.moveTo(r.bottomLeft());
    path.lineTo(r.left(), r.top() + 5);
    path.quadTo(r.left(), r.top(), r.left() + 5, r.top());
    path.lineTo(r.right() - 5, r.top());
    path.quadTo(r.right(), r.top(), r.right(), r.top() + 5);
    path.lineTo(r.bottomRight());
    path.closeSubpath();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    if (s == State::Down) {
        g.setColorAt(0, QColor(30, 170, 230));
        g.setColorAt(1, kAccentDeep);
    } else if (s == State::Over) {
        g.setColorAt(0, QColor(74, 82, 94));
        g.setColorAt(1, QColor(50, 55, 64));
    } else {
        g.setColorAt(0, QColor(40, 43, 49));
        g.setColorAt(1, QColor(30, 32, 37));
    }
    p.setPen(QPen(s == State::Down ? QColor(80, 200, 250) : QColor(62, 67, 76), 1));
    p.setBrush(g);
    p.drawPath(path);
}

void drawChip(QPainter& p, const Control& c, State s) {
    QRectF r = rf(c.rect);
    QRectF b = r.adjusted(0.5, 0.5, -0.5, -0.5);
    double rad = radiusFor(b, 3);
    if (s == State::Down) {
        useGoldSurface(p, b);
    } else {
        p.setBrush(s == State::Over ? QColor(56, 62, 72) : QColor(38, 41, 47));
        p.setPen(QPen(s == State::Over ? kAccent : QColor(62, 67, 76), 1));
    }
    p.drawRoundedRect(b, rad, rad);
    drawCaption(p, r.adjusted(0, -1, 0, 1), QString::fromStdString(c.caption), captionColour(s),
                std::min(12.0, r.height() + 0.0), QFont::DemiBold);
}

void drawToggle(QPainter& p, const Control& c, State s) {
    QRectF r = rf(c.rect);
    drawButtonShape(p, r, s, false, 5);
    // Indicator lamp on the right end.
    QPointF lamp(r.right() - 11, r.center().y());
    if (s == State::Down) {
        QRadialGradient glow(lamp, 7);
        glow.setColorAt(0, QColor(255, 255, 255));
        glow.setColorAt(0.4, QColor(255, 250, 200));
        glow.setColorAt(1, QColor(255, 250, 200, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(lamp, 7, 7);
    } else {
        p.setPen(QPen(QColor(0, 0, 0, 120), 1));
        p.setBrush(s == State::Over ? QColor(40, 120, 160) : QColor(70, 74, 82));
        p.drawEllipse(lamp, 3.5, 3.5);
    }
    drawCaption(p, r.adjusted(8, 0, -22, 0), QString::fromStdString(c.caption), captionColour(s),
                13);
}

void drawSwatch(QPainter& p, const Control& c, State s) {
    QRectF r = rf(c.rect);
    QColor col(static_cast<int>((c.colour >> 16) & 0xFF), static_cast<int>((c.colour >> 8) & 0xFF),
               static_cast<int>(c.colour & 0xFF));
    QRectF b = r.adjusted(2.5, 2.5, -2.5, -2.5);
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.setBrush(col);
    p.drawRoundedRect(b, 3, 3);
    QLinearGradient gloss(b.topLeft(), b.bottomLeft());
    gloss.setColorAt(0, QColor(255, 255, 255, 70));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(b, 3, 3);
    if (s != State::Normal) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(s == State::Down ? kGoldTop : QColor(255, 255, 255), 2));
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 4, 4);
    }
}

void drawMarker(QPainter& p, const Control& c, State s, bool light) {
    QRectF r = rf(c.rect);
    QPointF m = r.center();
    double rad = std::min(r.width(), r.height()) / 2 - 1;
    if (c.caption == "i") {  // information sign of the message box
        p.setPen(Qt::NoPen);
        p.setBrush(light ? kAccent : kAccentDeep);
        p.drawEllipse(m, rad, rad);
        p.setPen(Qt::white);
        p.setFont(uiFont(rad * 1.3, QFont::Bold));
        p.drawText(r, Qt::AlignCenter, QStringLiteral("i"));
        return;
    }
    if (s == State::Down) {
        QRadialGradient glow(m, rad + 3);
        glow.setColorAt(0, QColor(255, 255, 255));
        glow.setColorAt(0.35, kAccentGlow);
        glow.setColorAt(1, QColor(60, 200, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(m, rad + 3, rad + 3);
    } else {
        p.setPen(QPen(QColor(120, 128, 140), 1.2));
        p.setBrush(QColor(20, 22, 26, 180));
        p.drawEllipse(m, rad * 0.55, rad * 0.55);
        p.setBrush(QColor(120, 128, 140));
        p.setPen(Qt::NoPen);
        p.drawEllipse(m, 1.6, 1.6);
    }
}

void drawLabel(QPainter& p, const Control& c) {
    QRectF r = rf(c.rect);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(r.left(), r.center().y() - 7, 3, 14), 1, 1);
    paintCaption(p, c, QString::fromStdString(c.caption), CaptionState::Normal);
}

void drawText(QPainter& p, const Control& c) {
    paintCaption(p, c, QString::fromStdString(c.caption), CaptionState::Normal);
}

void drawListFrame(QPainter& p, const Control& c) {
    QRectF r = rf(c.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(46, 50, 57), 1));
    p.setBrush(QColor(15, 15, 15));
    p.drawRoundedRect(r, 3, 3);
}

void drawLevelBar(QPainter& p, const Control& c, State s) {
    QRectF fill = rf(c.rect);
    QRectF groove = fill.adjusted(-3, -2, 3, 2);
    p.setPen(QPen(QColor(58, 62, 70), 1));
    p.setBrush(QColor(9, 10, 12));
    p.drawRoundedRect(groove.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    if (s == State::Down) {
        QLinearGradient g(fill.topLeft(), fill.topRight());
        g.setColorAt(0, QColor(21, 140, 185));
        g.setColorAt(0.6, QColor(40, 190, 240));
        g.setColorAt(1, QColor(250, 214, 96));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRect(fill);
        QLinearGradient sheen(fill.topLeft(), fill.bottomLeft());
        sheen.setColorAt(0, QColor(255, 255, 255, 90));
        sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
        p.setBrush(sheen);
        p.drawRect(fill);
    }
}

void drawColourWheel(QPainter& p, const QRectF& r) {
    QConicalGradient hue(r.center(), 0);
    for (int i = 0; i <= 12; ++i)
        hue.setColorAt(i / 12.0, QColor::fromHsv((i * 30) % 360, 255, 255));
    p.setPen(Qt::NoPen);
    p.setBrush(hue);
    p.drawEllipse(r);
    QRadialGradient sat(r.center(), r.width() / 2);
    sat.setColorAt(0, QColor(255, 255, 255));
    sat.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(sat);
    p.drawEllipse(r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 64, 72), 2));
    p.drawEllipse(r.adjusted(-2, -2, 2, 2));
}

void drawMouseBody(QPainter& p, const QRectF& r) {
    auto X = [&](double f) { return r.left() + r.width() * f; };
    auto Y = [&](double f) { return r.top() + r.height() * f; };
    QPainterPath body;
    body.moveTo(X(0.5), Y(0.0));
    body.cubicTo(X(0.95), Y(0.0), X(1.0), Y(0.25), X(0.98), Y(0.5));
    body.cubicTo(X(0.96), Y(0.8), X(0.8), Y(1.0), X(0.5), Y(1.0));
    body.cubicTo(X(0.2), Y(1.0), X(0.04), Y(0.8), X(0.02), Y(0.5));
    body.cubicTo(X(0.0), Y(0.25), X(0.05), Y(0.0), X(0.5), Y(0.0));
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(48, 52, 60));
    g.setColorAt(1, QColor(22, 24, 28));
    p.setPen(QPen(QColor(70, 76, 86), 1.5));
    p.setBrush(g);
    p.drawPath(body);
    // Button split, wheel and a glowing accent seam.
    p.setPen(QPen(QColor(12, 13, 15), 2));
    p.drawLine(QPointF(X(0.5), Y(0.0)), QPointF(X(0.5), Y(0.5)));
    p.drawLine(QPointF(X(0.03), Y(0.5)), QPointF(X(0.97), Y(0.5)));
    p.setPen(QPen(QColor(58, 62, 70), 1));
    p.setBrush(QColor(12, 13, 15));
    p.drawRoundedRect(QRectF(X(0.43), Y(0.12), X(0.57) - X(0.43), Y(0.47) - Y(0.12)), 6, 6);
    p.setBrush(QColor(40, 44, 50));
    p.drawRoundedRect(QRectF(X(0.015), Y(0.45), X(0.09) - X(0.015), Y(0.57) - Y(0.45)), 3, 3);
    p.drawRoundedRect(QRectF(X(0.03), Y(0.6), X(0.11) - X(0.03), Y(0.71) - Y(0.6)), 3, 3);
    QPainterPath seam;
    seam.moveTo(X(0.16), Y(0.78));
    seam.cubicTo(X(0.35), Y(0.86), X(0.65), Y(0.86), X(0.84), Y(0.78));
    p.setPen(QPen(QColor(0, 147, 209, 200), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(seam);
    p.setPen(QColor(120, 128, 140));
    p.setFont(uiFont(11, QFont::Bold));
    p.drawText(QRectF(r.left(), Y(0.87), r.width(), 16), Qt::AlignCenter, QStringLiteral("Z408"));
}

void drawLogo(QPainter& p, const Control& c) {
    QRectF r = rf(c.rect);
    const QFont brand = logoBrandFont();
    p.setFont(brand);
    p.setPen(kAccent);
    QString t1 = QStringLiteral("TARVO");
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, t1);
    double x = r.left() + QFontMetricsF(brand).horizontalAdvance(t1) + 10;
    p.setPen(QColor(240, 242, 246));
    p.drawText(QRectF(x, r.top(), r.width(), r.height()), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Z408"));
    // The tagline after the separator is a language text the window draws.
    x = logoCaptionLeft(r);
    p.setPen(QPen(QColor(80, 86, 96), 1));
    p.drawLine(QPointF(x - 8, r.top() + 10), QPointF(x - 8, r.bottom() - 10));
    paintCaption(p, c, QString::fromStdString(c.caption), CaptionState::Normal);
}

void drawBackground(QPainter& p, const skin::PageSkin& page) {
    QRectF all(0, 0, page.width, page.height);
    if (page.light) {
        QLinearGradient g(all.topLeft(), all.bottomLeft());
        g.setColorAt(0, QColor(242, 244, 247));
        g.setColorAt(1, QColor(222, 226, 232));
        p.fillRect(all, g);
        QLinearGradient head(0, 0, 0, 30);
        head.setColorAt(0, QColor(214, 220, 228));
        head.setColorAt(1, QColor(196, 204, 214));
        p.fillRect(QRectF(0, 0, page.width, 30), head);
        p.fillRect(QRectF(0, 30, page.width, 2), kAccent);
        p.setPen(QPen(QColor(150, 160, 172), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
        return;
    }
    QLinearGradient g(all.topLeft(), all.bottomLeft());
    g.setColorAt(0, kBgTop);
    g.setColorAt(1, kBgBottom);
    p.fillRect(all, g);
    // A faint diagonal texture keeps large areas from looking flat.
    p.setPen(QPen(QColor(255, 255, 255, 6), 1));
    for (int x = -page.height; x < page.width; x += 6)
        p.drawLine(QPointF(x, page.height), QPointF(x + page.height, 0));
    if (page.id == "main") {
        QLinearGradient head(0, 0, 0, 80);
        head.setColorAt(0, QColor(38, 41, 47));
        head.setColorAt(1, QColor(22, 24, 28));
        p.fillRect(QRectF(0, 0, page.width, 78), head);
        QPainterPath stripe;
        stripe.moveTo(page.width - 420, 0);
        stripe.lineTo(page.width - 380, 0);
        stripe.lineTo(page.width - 460, 78);
        stripe.lineTo(page.width - 500, 78);
        stripe.closeSubpath();
        p.fillPath(stripe, QColor(0, 147, 209, 30));
        p.fillRect(QRectF(0, 78, page.width, 2), kAccent);
        p.fillRect(QRectF(0, 80, page.width, 1), QColor(0, 0, 0, 120));
        p.fillRect(QRectF(0, 584, page.width, 1), QColor(60, 64, 72));
        p.setPen(QPen(QColor(64, 70, 80), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
    } else if (page.id == "picker") {
        QLinearGradient head(0, 0, 0, 36);
        head.setColorAt(0, QColor(38, 41, 47));
        head.setColorAt(1, QColor(24, 26, 30));
        p.fillRect(QRectF(0, 0, page.width, 37), head);
        // A light name plate carries the dark title text.
        QPainterPath plate;
        plate.moveTo(66, 0);
        plate.lineTo(326, 0);
        plate.lineTo(318, 20);
        plate.lineTo(74, 20);
        plate.closeSubpath();
        QLinearGradient steel(0, 0, 0, 20);
        steel.setColorAt(0, QColor(214, 220, 228));
        steel.setColorAt(1, QColor(180, 188, 199));
        p.setPen(Qt::NoPen);
        p.fillPath(plate, steel);
        p.setPen(QPen(kAccent, 1.5));
        p.drawLine(QPointF(74, 20.5), QPointF(318, 20.5));
        p.fillRect(QRectF(0, 64, page.width, 2), kAccent);
        p.setPen(QPen(QColor(64, 70, 80), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
    } else if (page.id == "progress") {
        p.setPen(QPen(kAccent, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
        p.fillRect(QRectF(1, 1, page.width - 2, 3), kAccent);
    }
}

void drawButton(QPainter& p, const Control& c, State s, bool light) {
    QRectF r = rf(c.rect);
    drawButtonShape(p, r, s, light, 4);
    if (c.caption == "dropdown") {
        QPointF m(r.right() - 14, r.center().y());
        QPainterPath tri;
        tri.moveTo(m.x() - 5, m.y() - 2);
        tri.lineTo(m.x() + 5, m.y() - 2);
        tri.lineTo(m.x(), m.y() + 4);
        p.setPen(Qt::NoPen);
        p.setBrush(captionColour(s));
        p.drawPath(tri);
        p.setPen(QPen(QColor(0, 0, 0, 80), 1));
        p.drawLine(QPointF(r.right() - 28, r.top() + 4), QPointF(r.right() - 28, r.bottom() - 4));
    } else if (c.caption == "record") {
        p.setPen(Qt::NoPen);
        p.setBrush(s == State::Down ? QColor(150, 20, 20) : QColor(226, 52, 52));
        p.drawEllipse(QPointF(r.left() + 13, r.center().y()), 4.5, 4.5);
    } else {
        paintCaption(p, c, QString::fromStdString(c.caption), captionState(s));
    }
}

void drawColourWell(QPainter& p, const Control& c, State s, bool) {
    QRectF r = rf(c.rect);
    drawField(p, r);
    p.setPen(QPen(s == State::Over ? kAccent : QColor(70, 76, 86), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
}

// Every look is drawn through one signature; these adapt the drawers that need less of it.
using LookDrawer = void (*)(QPainter&, const Control&, State, bool light);

template <void (*draw)(QPainter&, const QRectF&)>
void inRect(QPainter& p, const Control& c, State, bool) {
    draw(p, rf(c.rect));
}

template <void (*draw)(QPainter&, const Control&)>
void sameInEveryState(QPainter& p, const Control& c, State, bool) {
    draw(p, c);
}

template <void (*draw)(QPainter&, const Control&, State)>
void withState(QPainter& p, const Control& c, State s, bool) {
    draw(p, c, s);
}

template <bool round>
void checkBox(QPainter& p, const Control& c, State s, bool) {
    drawCheck(p, c, s, round);
}

struct LookPainter {
    Look look;
    LookDrawer draw;
};

// In the order of `Look`, so that a look's drawer is found by its value.
constexpr std::array kLookPainters{
    LookPainter{Look::Button, &drawButton},
    LookPainter{Look::Toggle, &withState<drawToggle>},
    LookPainter{Look::Check, &checkBox<false>},
    LookPainter{Look::Radio, &checkBox<true>},
    LookPainter{Look::Chip, &withState<drawChip>},
    LookPainter{Look::Tab, &withState<drawTab>},
    LookPainter{Look::QuadTab, &drawQuad},
    LookPainter{Look::Field, &inRect<drawField>},
    LookPainter{Look::Track, &sameInEveryState<drawTrack>},
    LookPainter{Look::ListFrame, &sameInEveryState<drawListFrame>},
    LookPainter{Look::Swatch, &withState<drawSwatch>},
    LookPainter{Look::ColourWell, &drawColourWell},
    LookPainter{Look::Marker, &drawMarker},
    LookPainter{Look::Label, &sameInEveryState<drawLabel>},
    LookPainter{Look::Text, &sameInEveryState<drawText>},
    LookPainter{Look::Panel, &inRect<drawPanel>},
    LookPainter{Look::Arrow, &withState<drawArrow>},
    LookPainter{Look::Glyph, &withState<drawGlyph>},
    LookPainter{Look::LevelBar, &withState<drawLevelBar>},
    LookPainter{Look::Trophy, &withState<drawTrophySmall>},
    LookPainter{Look::TrophyStage, &inRect<drawStage>},
    LookPainter{Look::ColourWheel, &inRect<drawColourWheel>},
    LookPainter{Look::MouseBody, &inRect<drawMouseBody>},
    LookPainter{Look::Logo, &sameInEveryState<drawLogo>},
};

constexpr bool lookPaintersInOrder() {
    for (size_t i = 0; i < kLookPainters.size(); ++i)
        if (kLookPainters[i].look != static_cast<Look>(i)) return false;
    return true;
}
static_assert(lookPaintersInOrder(), "kLookPainters must list the looks in the order of Look");
static_assert(kLookPainters.back().look == Look::Logo, "kLookPainters must reach the last Look");

State sameState(const Control&, State s) {
    return s;
}

}  // namespace

void drawControl(QPainter& p, const Control& c, State s, bool light) {
    const auto index = static_cast<size_t>(c.look);
    // A look added to the layout table after the last one above has no drawer yet: stop the
    // build rather than ship a skin with the control missing.
    if (index >= kLookPainters.size()) {
        std::fprintf(stderr, "skingen: no drawer for the look %zu of control \"%s\"\n", index,
                     c.name.c_str());
        std::exit(EXIT_FAILURE);
    }
    kLookPainters[index].draw(p, c, s, light);
}

QImage renderPage(const skin::PageSkin& page, State state) {
    return renderPage(page, &sameState, state);
}

QImage renderPage(const skin::PageSkin& page, State (*stateOf)(const Control&, State),
                  State state) {
    QImage img(page.width, page.height, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawBackground(p, page);
    for (const Control& c : page.controls) {
        State s = stateOf(c, state);
        if (c.hiddenUntilUsed && s == State::Normal) continue;
        drawControl(p, c, s, page.light);
    }
    return img;
}

}  // namespace z408::skingen
