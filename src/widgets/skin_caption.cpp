// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/skin_caption.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "common/program_texts.h"

namespace z408 {
namespace {

const QColor kLabelText(224, 226, 234);
const QColor kPlainText(150, 156, 168);
const QColor kProductText(236, 238, 244);
const QColor kHeadingText(21, 160, 210);
const QColor kHeadingRule(52, 56, 64);
const QColor kTaglineText(128, 134, 146);
const QColor kChoiceNormal(189, 189, 200), kChoiceOver(255, 255, 255), kChoiceDown(250, 220, 120);
// The program's shared button colours.
const QColor kButtonNormal(189, 189, 200), kButtonOver(255, 255, 255), kButtonDown(38, 29, 5);
constexpr double kHeadingPx = 11, kHeadingSpacing = 1.5, kRuleGap = 8;

QRectF rectOf(const skin::Rect& r) {
    return QRectF(r.left, r.top, r.width(), r.height());
}

// Upper case in a script that has case: the look of a section heading. Scripts without case
// (Chinese, Korean) show it as plain text.
bool isHeading(const QString& text) {
    return text.size() > 2 && text.at(0).isLetter() && text.at(0).isUpper() &&
           text == text.toUpper();
}

CaptionStyle fitted(const QRectF& r, const QString& text, double maxPx, int weight,
                    const QColor& colour, Qt::Alignment align) {
    CaptionStyle s;
    s.rect = r;
    s.font = fittedCaptionFont(text, maxPx, r.width() - 4, weight);
    s.fullPx = maxPx;
    s.colour = colour;
    s.align = align;
    s.textWidth = QFontMetricsF(s.font).horizontalAdvance(text);
    return s;
}

}  // namespace

QFont captionFont(double pixelSize, int weight) {
    QFont f;
    f.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("Noto Sans CJK SC"),
                   QStringLiteral("DejaVu Sans")});
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont fittedCaptionFont(const QString& text, double maxPx, double width, int weight) {
    double px = maxPx;
    QFont f = captionFont(px, weight);
    while (px > 8.0 && QFontMetricsF(f).horizontalAdvance(text) > width) {
        px -= 0.5;
        f = captionFont(px, weight);
    }
    return f;
}

QFont logoBrandFont() {
    QFont brand = captionFont(24, QFont::Black);
    brand.setItalic(true);
    brand.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    return brand;
}

double logoCaptionLeft(const QRectF& r) {
    const QFontMetricsF m(logoBrandFont());
    return r.left() + m.horizontalAdvance(QStringLiteral("TARVO")) + 10 +
           m.horizontalAdvance(QStringLiteral("Z408")) + 16;
}

CaptionStyle captionStyle(const skin::Control& c, const QString& text, CaptionState state) {
    const QRectF r = rectOf(c.rect);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    switch (c.look) {
        case skin::Look::Label:
            return fitted(r.adjusted(10, 0, 0, 0), text, 14, QFont::Bold, kLabelText, left);
        case skin::Look::Check:
        case skin::Look::Radio: {
            // The text follows the box at the left end of the control.
            const double side = std::min(14.0, std::min(r.height(), r.width()));
            const double x = r.left() + side + 6;
            const QColor colour = state == CaptionState::Over   ? kChoiceOver
                                  : state == CaptionState::Down ? kChoiceDown
                                                                : kChoiceNormal;
            return fitted(QRectF(x, r.top() - 2, r.right() - x, r.height() + 4), text,
                          std::min(13.0, r.height() + 1), QFont::Normal, colour, left);
        }
        case skin::Look::Button:
        case skin::Look::QuadTab: {
            const QColor colour = state == CaptionState::Over   ? kButtonOver
                                  : state == CaptionState::Down ? kButtonDown
                                                                : kButtonNormal;
            if (c.look == skin::Look::Button)
                return fitted(r, text, 14, QFont::DemiBold, colour, Qt::AlignCenter);
            // Centred on the middle of the slanted shape, not of its bounding box.
            double cx = 0;
            for (const skin::Point& pt : c.quad) cx += pt.x;
            const QRectF box(cx / 4 - r.width() / 2 + 6, r.top(), r.width() - 12, r.height());
            return fitted(box, text, std::min(15.0, r.height() * 0.5), QFont::DemiBold, colour,
                          Qt::AlignCenter);
        }
        case skin::Look::Logo: {
            const double x = logoCaptionLeft(r);
            return fitted(QRectF(x, r.top(), r.right() - x, r.height()), text, 14, QFont::Normal,
                          kTaglineText, left);
        }
        default:
            break;
    }
    if (isHeading(text)) {
        CaptionStyle s;
        s.rect = r;
        s.font = captionFont(kHeadingPx, QFont::Bold);
        s.fullPx = kHeadingPx;
        s.font.setLetterSpacing(QFont::AbsoluteSpacing, kHeadingSpacing);
        s.colour = kHeadingText;
        s.align = left;
        s.rule = true;
        s.textWidth = QFontMetricsF(s.font).horizontalAdvance(text);
        return s;
    }
    if (c.name == "product") return fitted(r, text, 22, QFont::Bold, kProductText, left);
    // The left ends of the sliders sit against the groove.
    const bool right = c.name == "speedSlow" || c.name == "heightLow";
    return fitted(r, text, 12, QFont::Normal, kPlainText,
                  right ? Qt::AlignRight | Qt::AlignVCenter : left);
}

void paintCaption(QPainter& p, const skin::Control& c, const QString& text, CaptionState state) {
    if (text.isEmpty()) return;
    const CaptionStyle s = captionStyle(c, text, state);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(s.font);
    p.setPen(s.colour);
    p.drawText(s.rect, static_cast<int>(s.align | Qt::TextSingleLine), text);
    if (s.rule) {
        p.setPen(QPen(kHeadingRule, 1));
        const double x = s.rect.left() + s.textWidth + kRuleGap;
        const double y = s.rect.center().y() + 0.5;
        p.drawLine(QPointF(x, y), QPointF(s.rect.right(), y));
    }
    p.restore();
}

QString captionText(const skin::Control& c, int64_t languageId) {
    if (c.text != ProgramText::Count) {
        QString text = QString::fromUtf8(programText(c.text, languageId));
        return text.replace(QStringLiteral("%s"), QString::fromStdString(c.textArgument));
    }
    return QString::fromStdString(c.caption);
}

void paintLanguageCaptions(QPainter& p, const skin::PageSkin& page, int64_t languageId,
                           const QRect& area) {
    for (const skin::Control& c : page.controls) {
        // The page's normal image showed every control's text but those of controls shown only
        // while in use; buttons draw theirs again over their own pictures.
        if (c.text == ProgramText::Count || c.hiddenUntilUsed) continue;
        const QRect r(c.rect.left, c.rect.top, c.rect.width(), c.rect.height());
        // Texts may reach a few pixels above and below their rectangle.
        if (!area.intersects(r.adjusted(-2, -4, 2, 4))) continue;
        paintCaption(p, c, captionText(c, languageId), CaptionState::Normal);
    }
}

}  // namespace z408
