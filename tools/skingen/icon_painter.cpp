// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The small images: slider thumb, scroll-bar cells, list and menu icons, the preset menu's
// items, the popup background and the tray icon.
#include <QLinearGradient>
#include <QPainterPath>

#include "paint_style.h"
#include "skin_painter.h"

namespace z408::skingen {

QImage renderSliderThumb() {
    QImage img(skin::kSliderThumbWidth, skin::kSliderThumbHeight, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath knob;
    knob.moveTo(1.5, 2.5);
    knob.quadTo(1.5, 0.5, 3.5, 0.5);
    knob.lineTo(10.5, 0.5);
    knob.quadTo(12.5, 0.5, 12.5, 2.5);
    knob.lineTo(12.5, 13.5);
    knob.lineTo(7, 19.5);
    knob.lineTo(1.5, 13.5);
    knob.closeSubpath();
    QLinearGradient g(0, 0, 14, 0);
    g.setColorAt(0, QColor(214, 160, 22));
    g.setColorAt(0.45, QColor(255, 232, 150));
    g.setColorAt(1, QColor(190, 138, 14));
    p.setPen(QPen(QColor(120, 84, 6), 1));
    p.setBrush(g);
    p.drawPath(knob);
    p.setPen(QPen(QColor(120, 84, 6), 1));
    for (int y : {5, 8, 11}) p.drawLine(QPointF(4.5, y + 0.5), QPointF(9.5, y + 0.5));
    p.end();
    // Keep the knob free of pure black: black is the colour cut from the thumb's shape.
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            QRgb px = img.pixel(x, y);
            if (qAlpha(px) > 0 && qRed(px) == 0 && qGreen(px) == 0 && qBlue(px) == 0)
                img.setPixel(x, y, qRgba(1, 1, 1, qAlpha(px)));
        }
    return img;
}

QImage renderScrollSkin() {
    const int c = skin::kScrollCell;
    QImage img(9 * c, 3 * c, QImage::Format_RGB32);
    img.fill(QColor(15, 15, 15));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor trackFill(18, 19, 22);
    const QColor thumbs[3] = {QColor(70, 76, 86), QColor(0, 147, 209), QColor(232, 190, 28)};
    const QColor arrows[3] = {QColor(130, 136, 148), QColor(255, 255, 255), QColor(232, 190, 28)};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 8; ++col) {
            QRectF cell(col * c, row * c, c, c);
            bool vertical = col < 4;
            int kind = col % 4;
            p.fillRect(cell, trackFill);
            if (kind == 2) {  // track: a thin centre line
                p.setPen(QPen(QColor(34, 36, 42), 2));
                if (vertical)
                    p.drawLine(QPointF(cell.center().x(), cell.top()),
                               QPointF(cell.center().x(), cell.bottom()));
                else
                    p.drawLine(QPointF(cell.left(), cell.center().y()),
                               QPointF(cell.right(), cell.center().y()));
            } else if (kind == 3) {  // thumb: rounded ends within 3 pixels so end caps copy cleanly
                QRectF t = vertical ? cell.adjusted(2.5, 0.5, -2.5, -0.5)
                                    : cell.adjusted(0.5, 2.5, -0.5, -2.5);
                p.setPen(Qt::NoPen);
                p.setBrush(thumbs[row]);
                p.drawRoundedRect(t, 3, 3);
            } else {  // arrows
                QPointF m = cell.center();
                QPainterPath tri;
                double a = 3.2;
                bool first = kind == 0;
                if (vertical) {
                    double dir = first ? -1 : 1;
                    tri.moveTo(m.x() - a, m.y() - dir * a / 2);
                    tri.lineTo(m.x() + a, m.y() - dir * a / 2);
                    tri.lineTo(m.x(), m.y() + dir * a);
                } else {
                    double dir = first ? -1 : 1;
                    tri.moveTo(m.x() - dir * a / 2, m.y() - a);
                    tri.lineTo(m.x() - dir * a / 2, m.y() + a);
                    tri.lineTo(m.x() + dir * a, m.y());
                }
                tri.closeSubpath();
                p.setPen(Qt::NoPen);
                p.setBrush(arrows[row]);
                p.drawPath(tri);
            }
        }
    }
    return img;
}

QImage renderListIcon(int kind, bool selected) {
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QColor col = selected ? QColor(40, 190, 240) : QColor(120, 130, 142);
    if (kind == 4) {  // delay: a clock
        p.setPen(QPen(col, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(8, 8), 6, 6);
        p.drawLine(QPointF(8, 8), QPointF(8, 4));
        p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
    } else {  // key press (down arrow into a key) or release (up arrow out of it)
        p.setPen(QPen(col, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(2.5, 9.5, 11, 5), 1.5, 1.5);
        QPainterPath arrow;
        if (kind == 3) {
            arrow.moveTo(8, 8);
            arrow.lineTo(4, 4);
            arrow.lineTo(12, 4);
        } else {
            arrow.moveTo(8, 1);
            arrow.lineTo(4, 6);
            arrow.lineTo(12, 6);
        }
        arrow.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kind == 3 ? (selected ? QColor(250, 214, 96) : col) : col);
        p.drawPath(arrow);
    }
    return img;
}

QImage renderPresetItem(State s, bool hasSub) {
    // Dark like the macro list it opens over: the menu's text colours are the lists' grey
    // (normal), white (hover, on the accent blue) and the accent blue (pressed, on near black).
    QImage img(skin::kPresetItemWidth, skin::kPresetItemHeight, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r(0, 0, img.width(), img.height());
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    if (s == State::Over) {
        g.setColorAt(0, QColor(30, 160, 214));
        g.setColorAt(1, QColor(21, 124, 170));
    } else if (s == State::Down) {
        g.setColorAt(0, QColor(14, 15, 18));
        g.setColorAt(1, QColor(10, 11, 13));
    } else {
        g.setColorAt(0, QColor(30, 32, 37));
        g.setColorAt(1, QColor(22, 24, 28));
    }
    p.fillRect(r, g);
    p.fillRect(QRectF(0, r.height() - 1, r.width(), 1), QColor(44, 48, 55));
    p.fillRect(QRectF(0, 0, 1, r.height()), QColor(0, 147, 209));
    p.fillRect(QRectF(r.width() - 1, 0, 1, r.height()), QColor(0, 147, 209));
    if (s == State::Down) p.fillRect(QRectF(1, 0, 3, r.height()), QColor(0, 147, 209));
    if (hasSub) {
        QPainterPath tri;
        tri.moveTo(r.right() - 12, r.center().y() - 4);
        tri.lineTo(r.right() - 7, r.center().y());
        tri.lineTo(r.right() - 12, r.center().y() + 4);
        tri.closeSubpath();
        p.fillPath(tri, s == State::Over ? QColor(255, 255, 255) : QColor(83, 97, 103));
    }
    return img;
}

QImage renderPopupBackground() {
    QImage img(96, 96, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r(0.5, 0.5, 95, 95);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(252, 253, 255));
    g.setColorAt(1, QColor(232, 236, 241));
    p.setPen(QPen(QColor(0, 147, 209), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 7, 7);
    p.setPen(QPen(QColor(0, 147, 209), 3));
    p.drawLine(QPointF(8, 3), QPointF(88, 3));
    return img;
}

QImage renderTrayIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    paintTrayIcon(p, size);
    return img;
}

void paintTrayIcon(QPainter& p, double s) {
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(44, 48, 56));
    g.setColorAt(1, QColor(16, 17, 20));
    p.setPen(QPen(QColor(0, 147, 209), s / 24));
    p.setBrush(g);
    p.drawRoundedRect(r, s * 0.2, s * 0.2);
    // A small mouse outline with a lit wheel.
    QRectF m(s * 0.3, s * 0.18, s * 0.4, s * 0.64);
    p.setPen(QPen(QColor(230, 234, 240), s / 16));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(m, s * 0.2, s * 0.2);
    p.drawLine(QPointF(m.left(), m.top() + m.height() * 0.4),
               QPointF(m.right(), m.top() + m.height() * 0.4));
    p.setPen(QPen(QColor(250, 214, 96), s / 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s / 2, m.top() + m.height() * 0.12),
               QPointF(s / 2, m.top() + m.height() * 0.28));
}

QImage renderMenuIcon(bool exitIcon) {
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (exitIcon) {  // power symbol
        p.setPen(QPen(QColor(200, 40, 40), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(2.5, 3, 11, 11), 120 * 16, 300 * 16);
        p.drawLine(QPointF(8, 1.5), QPointF(8, 7.5));
    } else {  // gear
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 120, 180));
        p.translate(8, 8);
        for (int i = 0; i < 8; ++i) {
            p.drawRect(QRectF(-1.5, -7.5, 3, 4));
            p.rotate(45);
        }
        p.drawEllipse(QPointF(0, 0), 5, 5);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(0, 0), 2, 2);
    }
    return img;
}

}  // namespace z408::skingen
