// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Loading skin images from the program's "skins" folder and the numbered built-in bitmaps, and
// the interface font.
#include <QFont>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;

namespace z408 {

// Reads and decodes one image file; a missing or unreadable file gives a null image, which the
// widgets draw as nothing (the control stays usable).
QImage LoadSkinImage(const QString& path);

// The built-in bitmap or PNG of a resource number (":/res/<n>.png" or ".bmp"); null when absent.
QImage loadResourceImage(int number);

// While one lives, the images its thread reads through LoadSkinImage are kept and handed out
// again: the window's controls are cut from a few page-sized pictures, which would otherwise be
// decoded again for every control. Held only while the window is built; an inner one adds nothing.
class SkinImageCache {
  public:
    SkinImageCache();
    ~SkinImageCache();
    SkinImageCache(const SkinImageCache&) = delete;
    SkinImageCache& operator=(const SkinImageCache&) = delete;

  private:
    friend QImage LoadSkinImage(const QString& path);
    QHash<QString, QImage> images_;
    bool active_ = false;
};

// The look of a control that cannot be used: the picture darkened.
QImage dimmedImage(const QImage& normal);
// A control's own look faded into its surroundings for when it cannot be used: every pixel is
// drawn most of the way towards the colour around the control (the commonest colour of the
// look's outer edge), so what stood out of the page recedes and no darker block appears.
QImage fadedLook(const QImage& look);
// How much of each pixel's difference from the surroundings a faded look keeps, in 256ths.
inline constexpr int kFadedLookKept = 80;

// "<programDirectory>/skins/<relative>".
QString skinPath(const QString& programDirectory, const QString& relative);

// The interface font: Noto Sans with CJK and DejaVu fall-backs, for a character cell of
// `pixelHeight` pixels.
QFont skinFont(int pixelHeight, int weight);

// `text` word-wrapped to `width` pixels in `font` (anywhere inside a word only where a word is
// wider than a line), at most `maxLines` lines; when it needs more, the last line ends in "…".
QStringList wrappedLines(const QString& text, const QFont& font, int width, int maxLines);
// Draws `text` word-wrapped in `box`, one line every `lineHeight` pixels (the character cell, as
// the skins were laid out), the lines centred vertically; what does not fit ends in "…".
void drawWrappedText(QPainter& painter, const QRect& box, const QString& text, int lineHeight);

}  // namespace z408
