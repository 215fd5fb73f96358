// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The flags of the language menu and the language indicator, one design per language id.
#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

#include "i18n/languages.h"
#include "paint_style.h"
#include "skin_painter.h"

namespace z408::skingen {

namespace {

// The flag's painter and its size, handed to each design.
struct FlagCanvas {
    QPainter& p;
    double w, h;

    void fill(const QColor& colour) { p.fillRect(QRectF(0, 0, w, h), colour); }
    // Equal stripes from top to bottom; each overlaps the next by half a pixel so that no seam
    // of the white ground shows between them.
    void horizontalBands(std::initializer_list<QColor> colours) {
        double y = 0, bh = h / static_cast<double>(colours.size());
        for (const QColor& col : colours) {
            p.fillRect(QRectF(0, y, w, bh + 0.5), col);
            y += bh;
        }
    }
    void verticalBands(std::initializer_list<QColor> colours) {
        double x = 0, bw = w / static_cast<double>(colours.size());
        for (const QColor& col : colours) {
            p.fillRect(QRectF(x, 0, bw + 0.5, h), col);
            x += bw;
        }
    }
    void star(QPointF centre, double radius, double rotation) {
        p.fillPath(starPath(centre, radius, radius * 0.4, rotation), QColor(255, 222, 0));
    }
};

void simplifiedChinese(FlagCanvas& f) {
    f.fill(QColor(222, 41, 16));
    f.star(QPointF(f.w * 0.17, f.h * 0.27), f.h * 0.17, 0);
    const double pos[4][2] = {{0.33, 0.1}, {0.4, 0.2}, {0.4, 0.35}, {0.33, 0.45}};
    for (const auto& at : pos) f.star(QPointF(f.w * at[0], f.h * at[1]), f.h * 0.06, 0.4);
}

void english(FlagCanvas& f) {
    QPainter& p = f.p;
    const double w = f.w, h = f.h;
    f.fill(QColor(1, 33, 105));
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
}

void french(FlagCanvas& f) {
    f.verticalBands({QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)});
}

void korean(FlagCanvas& f) {
    QPainter& p = f.p;
    const double w = f.w, h = f.h;
    f.fill(Qt::white);
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
        p.drawLine(QPointF(cx - w * 0.06, cy - h * 0.04), QPointF(cx + w * 0.06, cy + h * 0.04));
    }
}

void german(FlagCanvas& f) {
    f.horizontalBands({QColor(20, 20, 20), QColor(221, 0, 0), QColor(255, 206, 0)});
}

void italian(FlagCanvas& f) {
    f.verticalBands({QColor(0, 146, 70), Qt::white, QColor(206, 43, 55)});
}

void spanish(FlagCanvas& f) {
    f.fill(QColor(170, 21, 27));
    f.p.fillRect(QRectF(0, f.h * 0.25, f.w, f.h * 0.5), QColor(241, 191, 0));
}

void dutch(FlagCanvas& f) {
    f.horizontalBands({QColor(174, 28, 40), Qt::white, QColor(33, 70, 139)});
}

void portuguese(FlagCanvas& f) {
    QPainter& p = f.p;
    const double w = f.w, h = f.h;
    p.fillRect(QRectF(0, 0, w * 0.4, h), QColor(0, 102, 0));
    p.fillRect(QRectF(w * 0.4, 0, w * 0.6, h), QColor(255, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 222, 0));
    p.drawEllipse(QPointF(w * 0.4, h / 2), h * 0.22, h * 0.22);
}

void russian(FlagCanvas& f) {
    f.horizontalBands({Qt::white, QColor(0, 57, 166), QColor(213, 43, 30)});
}

void ukrainian(FlagCanvas& f) {
    f.horizontalBands({QColor(0, 87, 183), QColor(255, 215, 0)});
}

// Traditional Chinese: a script badge rather than a flag.
void traditionalChinese(FlagCanvas& f) {
    QPainter& p = f.p;
    QLinearGradient g(0, 0, 0, f.h);
    g.setColorAt(0, QColor(40, 60, 110));
    g.setColorAt(1, QColor(22, 34, 70));
    p.fillRect(QRectF(0, 0, f.w, f.h), g);
    p.setPen(Qt::white);
    p.setFont(uiFont(f.h * 0.8, QFont::Bold));
    p.drawText(QRectF(0, 0, f.w, f.h), Qt::AlignCenter, QString::fromUtf8("繁"));
}

struct FlagDesign {
    int32_t languageId;
    void (*paint)(FlagCanvas&);
};

constexpr std::array<FlagDesign, kLanguages.size()> kFlags{{
    {1, &simplifiedChinese},
    {2, &english},
    {3, &french},
    {4, &korean},
    {5, &german},
    {6, &italian},
    {7, &spanish},
    {8, &dutch},
    {9, &portuguese},
    {10, &russian},
    {11, &ukrainian},
    {12, &traditionalChinese},
}};

constexpr bool flagsFollowLanguages() {
    for (size_t i = 0; i < kFlags.size(); ++i)
        if (kFlags[i].languageId != kLanguages[i].id) return false;
    return true;
}
static_assert(flagsFollowLanguages(), "one flag per language, in the order of kLanguages");

}  // namespace

QImage renderFlag(int languageId, QSize size) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    FlagCanvas canvas{p, static_cast<double>(size.width()), static_cast<double>(size.height())};
    // An id outside the table gets the badge, as the last language does.
    const LanguageInfo* language = languageById(languageId);
    const FlagDesign& design =
        language ? kFlags[static_cast<size_t>(language->id - 1)] : kFlags.back();
    design.paint(canvas);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, canvas.w - 1, canvas.h - 1));
    return img;
}

}  // namespace z408::skingen
