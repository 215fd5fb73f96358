#include "skin_painter.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cmath>

namespace z408::skingen {

using skin::Control;
using skin::Look;

namespace {

// Palette: charcoal surfaces, a cyan-blue accent and gold for pressed/on states. The three
// caption colours are the program's shared button colours.
const QColor kBgTop(31, 33, 38), kBgBottom(16, 17, 20);
const QColor kPanelTop(30, 32, 37), kPanelBottom(22, 24, 28), kPanelBorder(52, 56, 64);
const QColor kAccent(0, 147, 209), kAccentDeep(21, 110, 150), kAccentGlow(60, 200, 255);
const QColor kGoldTop(250, 214, 96), kGoldBottom(214, 160, 22), kGoldEdge(255, 228, 140);
const QColor kTextNormal(189, 189, 200), kTextHover(255, 255, 255), kTextPressed(38, 29, 5);
const QColor kTextDim(128, 134, 146), kLabel(224, 226, 234);
const QColor kFieldFill(12, 13, 15), kFieldBorder(50, 54, 62);

QRectF rf(const skin::Rect& r) {
    return QRectF(r.left, r.top, r.width(), r.height());
}

QColor captionColour(State s) {
    return s == State::Down ? kTextPressed : s == State::Over ? kTextHover : kTextNormal;
}

// Largest pixel size up to `maxPx` at which `text` fits into `width`.
QFont fittedFont(const QString& text, double maxPx, double width, int weight) {
    double px = maxPx;
    QFont f = uiFont(px, weight);
    while (px > 8.0 && QFontMetricsF(f).horizontalAdvance(text) > width) {
        px -= 0.5;
        f = uiFont(px, weight);
    }
    return f;
}

void drawCaption(QPainter& p, const QRectF& r, const QString& text, const QColor& colour,
                 double maxPx, int weight = QFont::DemiBold,
                 Qt::Alignment align = Qt::AlignCenter) {
    if (text.isEmpty()) return;
    p.setFont(fittedFont(text, maxPx, r.width() - 4, weight));
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

void drawButtonShape(QPainter& p, const QRectF& r, State s, bool light, double radius = 4) {
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

void drawTrack(QPainter& p, const QRectF& r) {
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
    // Tick marks under the groove help judge the position.
    p.setPen(QPen(QColor(90, 96, 108), 1));
    for (int i = 0; i <= 10; ++i) {
        double x = r.left() + 3 + (r.width() - 6) * i / 10.0;
        double len = (i % 5 == 0) ? 3 : 1.5;
        p.drawLine(QPointF(x, r.bottom() + 1), QPointF(x, r.bottom() + 1 + len));
    }
}

void drawCheck(QPainter& p, const Control& c, State s, bool round) {
    QRectF r = rf(c.rect);
    double side = std::min(14.0, std::min(r.height(), r.width()));
    QRectF box(r.left() + (c.caption.empty() ? (r.width() - side) / 2 : 0),
               r.center().y() - side / 2, side, side);
    QRectF b = box.adjusted(0.5, 0.5, -0.5, -0.5);
    QColor border = s == State::Over ? kAccent : QColor(96, 102, 114);
    p.setPen(QPen(border, 1));
    p.setBrush(s == State::Down ? QBrush(kGoldBottom) : QBrush(kFieldFill));
    if (s == State::Down) {
        QLinearGradient g(b.topLeft(), b.bottomLeft());
        g.setColorAt(0, kGoldTop);
        g.setColorAt(1, kGoldBottom);
        p.setBrush(g);
        p.setPen(QPen(kGoldEdge, 1));
    }
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
    if (!c.caption.empty()) {
        QRectF tr(box.right() + 6, r.top() - 2, r.right() - box.right() - 6, r.height() + 4);
        QColor col = s == State::Over   ? kTextHover
                     : s == State::Down ? QColor(250, 220, 120)
                                        : kTextNormal;
        drawCaption(p, tr, QString::fromStdString(c.caption), col, std::min(13.0, r.height() + 1),
                    QFont::Normal, Qt::AlignLeft | Qt::AlignVCenter);
    }
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
    double cx = 0, cy = 0;
    for (const auto& pt : c.quad) {
        cx += pt.x;
        cy += pt.y;
    }
    QRectF box = rf(c.rect);
    QRectF tr(cx / 4 - box.width() / 2 + 6, box.top(), box.width() - 12, box.height());
    drawCaption(p, tr, QString::fromStdString(c.caption), captionColour(s),
                std::min(15.0, box.height() * 0.5));
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
        QLinearGradient g(b.topLeft(), b.bottomLeft());
        g.setColorAt(0, kGoldTop);
        g.setColorAt(1, kGoldBottom);
        p.setBrush(g);
        p.setPen(QPen(kGoldEdge, 1));
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
    drawCaption(p, r.adjusted(10, 0, 0, 0), QString::fromStdString(c.caption), kLabel, 14,
                QFont::Bold, Qt::AlignLeft | Qt::AlignVCenter);
}

void drawText(QPainter& p, const Control& c) {
    QRectF r = rf(c.rect);
    QString text = QString::fromStdString(c.caption);
    bool heading = text == text.toUpper() && text.size() > 2 && text.at(0).isLetter() &&
                   text.at(0).unicode() < 128;
    if (heading) {
        QFont f = uiFont(11, QFont::Bold);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
        p.setFont(f);
        p.setPen(QColor(21, 160, 210));
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, text);
        p.setPen(QPen(QColor(52, 56, 64), 1));
        double x = r.left() + QFontMetricsF(f).horizontalAdvance(text) + 8;
        p.drawLine(QPointF(x, r.center().y() + 0.5), QPointF(r.right(), r.center().y() + 0.5));
        return;
    }
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    if (c.name == "speedSlow" || c.name == "heightLow") align = Qt::AlignRight | Qt::AlignVCenter;
    if (c.name == "product") {
        drawCaption(p, r, text, QColor(236, 238, 244), 22, QFont::Bold, align);
        return;
    }
    drawCaption(p, r, text, QColor(150, 156, 168), 12, QFont::Normal, align);
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

struct Metal {
    QColor light, mid, dark;
};

Metal metalFor(int level) {
    if (level >= 12) return {QColor(210, 250, 255), QColor(60, 200, 255), QColor(10, 90, 150)};
    if (level >= 9) return {QColor(240, 236, 255), QColor(168, 150, 236), QColor(70, 54, 140)};
    if (level >= 6) return {QColor(255, 240, 160), QColor(236, 186, 40), QColor(150, 100, 10)};
    if (level >= 3) return {QColor(245, 247, 250), QColor(176, 182, 192), QColor(96, 102, 112)};
    return {QColor(250, 200, 150), QColor(196, 124, 64), QColor(110, 60, 24)};
}

void drawCup(QPainter& p, const QRectF& r, const Metal& m, bool lit) {
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

void drawTrophySmall(QPainter& p, const Control& c, State s) {
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
    drawCup(p, QRectF(r.left() + 6, r.top() + 3, r.width() - 12, r.height() - 18), metalFor(level),
            lit);
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
    QFont brand = uiFont(24, QFont::Black);
    brand.setItalic(true);
    brand.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(brand);
    p.setPen(kAccent);
    QString t1 = QStringLiteral("TARVO");
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, t1);
    double x = r.left() + QFontMetricsF(brand).horizontalAdvance(t1) + 10;
    p.setPen(QColor(240, 242, 246));
    p.drawText(QRectF(x, r.top(), r.width(), r.height()), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Z408"));
    x += QFontMetricsF(brand).horizontalAdvance(QStringLiteral("Z408")) + 16;
    p.setPen(QPen(QColor(80, 86, 96), 1));
    p.drawLine(QPointF(x - 8, r.top() + 10), QPointF(x - 8, r.bottom() - 10));
    drawCaption(p, QRectF(x, r.top(), r.right() - x, r.height()), QString::fromStdString(c.caption),
                kTextDim, 14, QFont::Normal, Qt::AlignLeft | Qt::AlignVCenter);
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

State sameState(const Control&, State s) {
    return s;
}

}  // namespace

QFont uiFont(double pixelSize, int weight) {
    QFont f;
    f.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("Noto Sans CJK SC"),
                   QStringLiteral("DejaVu Sans")});
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

void drawControl(QPainter& p, const Control& c, State s, bool light) {
    switch (c.look) {
        case Look::Button: {
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
                p.drawLine(QPointF(r.right() - 28, r.top() + 4),
                           QPointF(r.right() - 28, r.bottom() - 4));
            } else if (c.caption == "record") {
                p.setPen(Qt::NoPen);
                p.setBrush(s == State::Down ? QColor(150, 20, 20) : QColor(226, 52, 52));
                p.drawEllipse(QPointF(r.left() + 13, r.center().y()), 4.5, 4.5);
            } else {
                drawCaption(p, r, QString::fromStdString(c.caption), captionColour(s), 14);
            }
            break;
        }
        case Look::Toggle:
            drawToggle(p, c, s);
            break;
        case Look::Check:
            drawCheck(p, c, s, false);
            break;
        case Look::Radio:
            drawCheck(p, c, s, true);
            break;
        case Look::Chip:
            drawChip(p, c, s);
            break;
        case Look::Tab:
            drawTab(p, c, s);
            break;
        case Look::QuadTab:
            drawQuad(p, c, s, light);
            break;
        case Look::Field:
            drawField(p, rf(c.rect));
            break;
        case Look::Track:
            drawTrack(p, rf(c.rect));
            break;
        case Look::ListFrame:
            drawListFrame(p, c);
            break;
        case Look::Swatch:
            drawSwatch(p, c, s);
            break;
        case Look::ColourWell: {
            QRectF r = rf(c.rect);
            drawField(p, r);
            p.setPen(QPen(s == State::Over ? kAccent : QColor(70, 76, 86), 1));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(r.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
            break;
        }
        case Look::Marker:
            drawMarker(p, c, s, light);
            break;
        case Look::Label:
            drawLabel(p, c);
            break;
        case Look::Text:
            drawText(p, c);
            break;
        case Look::Panel:
            drawPanel(p, rf(c.rect));
            break;
        case Look::Arrow:
            drawArrow(p, c, s);
            break;
        case Look::Glyph:
            drawGlyph(p, c, s);
            break;
        case Look::LevelBar:
            drawLevelBar(p, c, s);
            break;
        case Look::Trophy:
            drawTrophySmall(p, c, s);
            break;
        case Look::TrophyStage:
            drawStage(p, rf(c.rect));
            break;
        case Look::ColourWheel:
            drawColourWheel(p, rf(c.rect));
            break;
        case Look::MouseBody:
            drawMouseBody(p, rf(c.rect));
            break;
        case Look::Logo:
            drawLogo(p, c);
            break;
    }
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

QImage renderTrophy(int level, skin::Layout layout) {
    static const char* namesEn[13] = {"Rookie", "Apprentice", "Skilled", "Adept",       "Veteran",
                                      "Expert", "Elite",      "Master",  "Grandmaster", "Champion",
                                      "Hero",   "Legend",     "Immortal"};
    static const char* namesZh[13] = {"新手", "学徒", "熟练", "精通", "老兵", "专家", "精英",
                                      "大师", "宗师", "冠军", "英雄", "传奇", "不朽"};
    QImage img(skin::kTrophyWidth, skin::kTrophyHeight, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r(0, 0, img.width(), img.height());
    drawStage(p, r);
    Metal m = metalFor(level);
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
    QPainterPath star;
    QPointF sc(r.center().x(), 188);
    for (int i = 0; i < 10; ++i) {
        double rad = (i % 2 == 0) ? 22 : 9;
        double a = -M_PI / 2 + i * M_PI / 5;
        QPointF pt(sc.x() + rad * std::cos(a), sc.y() + rad * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.drawPath(star);
    bool zh = layout == skin::Layout::Chinese;
    p.setPen(QColor(240, 242, 246));
    p.setFont(uiFont(22, QFont::Bold));
    p.drawText(QRectF(0, 380, r.width(), 30), Qt::AlignCenter,
               QString::fromUtf8(zh ? namesZh[level] : namesEn[level]));
    p.setPen(m.mid);
    p.setFont(uiFont(13, QFont::DemiBold));
    p.drawText(
        QRectF(0, 410, r.width(), 22), Qt::AlignCenter,
        (zh ? QStringLiteral("等级 %1 / 13") : QStringLiteral("LEVEL %1 / 13")).arg(level + 1));
    return img;
}

QImage renderSliderThumb() {
    QImage img(14, 20, QImage::Format_ARGB32);
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

QImage renderFlag(int id, QSize size) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    auto hBands = [&](std::initializer_list<QColor> cs) {
        double y = 0, bh = h / static_cast<double>(cs.size());
        for (const QColor& col : cs) {
            p.fillRect(QRectF(0, y, w, bh + 0.5), col);
            y += bh;
        }
    };
    auto vBands = [&](std::initializer_list<QColor> cs) {
        double x = 0, bw = w / static_cast<double>(cs.size());
        for (const QColor& col : cs) {
            p.fillRect(QRectF(x, 0, bw + 0.5, h), col);
            x += bw;
        }
    };
    auto starAt = [&](QPointF ctr, double r, double rot) {
        QPainterPath s;
        for (int i = 0; i < 10; ++i) {
            double rad = (i % 2 == 0) ? r : r * 0.4;
            double a = -M_PI / 2 + rot + i * M_PI / 5;
            QPointF pt(ctr.x() + rad * std::cos(a), ctr.y() + rad * std::sin(a));
            if (i == 0)
                s.moveTo(pt);
            else
                s.lineTo(pt);
        }
        s.closeSubpath();
        p.fillPath(s, QColor(255, 222, 0));
    };
    switch (id) {
        case 1:
            p.fillRect(QRectF(0, 0, w, h), QColor(222, 41, 16));
            starAt(QPointF(w * 0.17, h * 0.27), h * 0.17, 0);
            for (int i = 0; i < 4; ++i) {
                const double pos[4][2] = {{0.33, 0.1}, {0.4, 0.2}, {0.4, 0.35}, {0.33, 0.45}};
                starAt(QPointF(w * pos[i][0], h * pos[i][1]), h * 0.06, 0.4);
            }
            break;
        case 2: {
            p.fillRect(QRectF(0, 0, w, h), QColor(1, 33, 105));
            p.setPen(QPen(Qt::white, h * 0.2));
            p.drawLine(QPointF(0, 0), QPointF(w, h));
            p.drawLine(QPointF(0, h), QPointF(w, 0));
            p.setPen(QPen(QColor(200, 16, 46), h * 0.07));
            p.drawLine(QPointF(0, 0), QPointF(w, h));
            p.drawLine(QPointF(0, h), QPointF(w, 0));
            p.fillRect(QRectF(w * 0.42, 0, w * 0.16, h), Qt::white);
            p.fillRect(QRectF(0, h * 0.35, w, h * 0.3), Qt::white);
            p.fillRect(QRectF(w * 0.455, 0, w * 0.09, h), QColor(200, 16, 46));
            p.fillRect(QRectF(0, h * 0.41, w, h * 0.18), QColor(200, 16, 46));
            break;
        }
        case 3:
            vBands({QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)});
            break;
        case 4: {
            p.fillRect(QRectF(0, 0, w, h), Qt::white);
            QRectF circle(w / 2 - h * 0.25, h * 0.25, h * 0.5, h * 0.5);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(205, 46, 58));
            p.drawPie(circle, 0, 180 * 16);
            p.setBrush(QColor(0, 71, 160));
            p.drawPie(circle, 180 * 16, 180 * 16);
            p.setPen(QPen(Qt::black, std::max(1.0, h / 22)));
            for (int i = 0; i < 4; ++i) {
                double cx = (i % 2 == 0) ? w * 0.2 : w * 0.8;
                double cy = (i < 2) ? h * 0.22 : h * 0.78;
                p.drawLine(QPointF(cx - w * 0.06, cy - h * 0.04),
                           QPointF(cx + w * 0.06, cy + h * 0.04));
            }
            break;
        }
        case 5:
            hBands({QColor(20, 20, 20), QColor(221, 0, 0), QColor(255, 206, 0)});
            break;
        case 6:
            vBands({QColor(0, 146, 70), Qt::white, QColor(206, 43, 55)});
            break;
        case 7:
            p.fillRect(QRectF(0, 0, w, h), QColor(170, 21, 27));
            p.fillRect(QRectF(0, h * 0.25, w, h * 0.5), QColor(241, 191, 0));
            break;
        case 8:
            hBands({QColor(174, 28, 40), Qt::white, QColor(33, 70, 139)});
            break;
        case 9:
            p.fillRect(QRectF(0, 0, w * 0.4, h), QColor(0, 102, 0));
            p.fillRect(QRectF(w * 0.4, 0, w * 0.6, h), QColor(255, 0, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 222, 0));
            p.drawEllipse(QPointF(w * 0.4, h / 2), h * 0.22, h * 0.22);
            break;
        case 10:
            hBands({Qt::white, QColor(0, 57, 166), QColor(213, 43, 30)});
            break;
        case 11:
            hBands({QColor(0, 87, 183), QColor(255, 215, 0)});
            break;
        default: {
            // Traditional Chinese: a script badge rather than a flag.
            QLinearGradient g(0, 0, 0, h);
            g.setColorAt(0, QColor(40, 60, 110));
            g.setColorAt(1, QColor(22, 34, 70));
            p.fillRect(QRectF(0, 0, w, h), g);
            p.setPen(Qt::white);
            p.setFont(uiFont(h * 0.8, QFont::Bold));
            p.drawText(QRectF(0, 0, w, h), Qt::AlignCenter, QString::fromUtf8("繁"));
            break;
        }
    }
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
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
    // A light list, like the language popup: the menu's text colours are dark grey (normal),
    // white (hover) and the accent blue (pressed).
    QImage img(skin::kPresetItemWidth, skin::kPresetItemHeight, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r(0, 0, img.width(), img.height());
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    if (s == State::Over) {
        g.setColorAt(0, QColor(30, 160, 214));
        g.setColorAt(1, QColor(21, 124, 170));
    } else if (s == State::Down) {
        g.setColorAt(0, QColor(250, 251, 253));
        g.setColorAt(1, QColor(234, 239, 245));
    } else {
        g.setColorAt(0, QColor(236, 239, 243));
        g.setColorAt(1, QColor(218, 223, 230));
    }
    p.fillRect(r, g);
    p.fillRect(QRectF(0, r.height() - 1, r.width(), 1), QColor(190, 197, 206));
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
    p.setRenderHint(QPainter::Antialiasing);
    double s = size;
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
    return img;
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
