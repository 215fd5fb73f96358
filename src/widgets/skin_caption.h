// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// How the texts of the skin controls are drawn: font, size, weight, colour, letter spacing,
// alignment and the place beside the control's decoration. The skin generator draws the texts the
// images carry with it, and the pages draw their language texts with it at run time over images
// that hold only the decoration, so both look the same.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <cstdint>

#include "skin/skin_layout.h"

namespace z408 {

enum class CaptionState { Normal, Down, Over };

// The skins' typeface at a pixel size (not a cell height, unlike skinFont).
QFont captionFont(double pixelSize, int weight);
// The largest pixel size up to `maxPx` (in half pixels, down to 8) at which `text` fits `width`.
QFont fittedCaptionFont(const QString& text, double maxPx, double width, int weight);

struct CaptionStyle {
    QRectF rect;        // where the text is drawn
    QFont font;         // already fitted to the rectangle's width where the style fits
    double fullPx = 0;  // the pixel size the style asks for before fitting
    QColor colour;
    Qt::Alignment align;  // within `rect`, single line
    // A heading: a thin rule runs from after the text to the right end of `rect`.
    bool rule = false;
    // The width the text needs: at most rect.width() - 4 for a fitted style.
    double textWidth = 0;
};

// The style of control `c`'s text `text` in state `state` (the text decides only a Text control's
// heading look: upper case in a script that has case).
CaptionStyle captionStyle(const skin::Control& c, const QString& text, CaptionState state);

// Draws `text` as control `c`'s caption, with a heading's rule.
void paintCaption(QPainter& p, const skin::Control& c, const QString& text, CaptionState state);

// The text control `c` shows in language `languageId`: its language text, or the caption its
// image carries.
QString captionText(const skin::Control& c, int64_t languageId);

// Draws every language text of the page's controls that lies in `area`, in language `languageId`,
// as the page's normal image showed them: buttons cut from the images draw theirs over it in
// their state (a translucent disabled button lets this one show through, as it did the image's).
void paintLanguageCaptions(QPainter& p, const skin::PageSkin& page, int64_t languageId,
                           const QRect& area);

// Where the logo's tagline starts: after the product name drawn in `brand`.
QFont logoBrandFont();
double logoCaptionLeft(const QRectF& logoRect);

}  // namespace z408
