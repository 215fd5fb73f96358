// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/skin_image.h"
#include "widgets/text_fit.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace z408 {

namespace {

uint32_t le32(const uchar* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

uint16_t le16(const uchar* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

// The skins are large uncompressed 24-bit bitmaps, read at every start: decoded here a row at a
// time, several times faster than the general reader. False for any other kind of file. A bitmap
// whose pixels are not all in the file gives a null image (the general reader would fill the
// missing rows with whatever memory held).
bool decodeRgb24Bitmap(const QByteArray& file, QImage& out) {
    constexpr qsizetype kHeaders = 14 + 40;
    constexpr int32_t kMaxSide = 16384;
    out = QImage();
    if (file.size() < kHeaders) return false;
    const auto* d = reinterpret_cast<const uchar*>(file.constData());
    if (d[0] != 'B' || d[1] != 'M') return false;
    const uint32_t pixelsAt = le32(d + 10);
    const uint32_t infoSize = le32(d + 14);
    const auto width = static_cast<int32_t>(le32(d + 18));
    const auto height = static_cast<int32_t>(le32(d + 22));
    if (infoSize < 40 || le16(d + 26) != 1 || le16(d + 28) != 24 || le32(d + 30) != 0) return false;
    if (width <= 0 || width > kMaxSide || height == 0 || height < -kMaxSide || height > kMaxSide)
        return true;
    const int rows = height < 0 ? -height : height;
    const qsizetype stride = (qsizetype{width} * 3 + 3) & ~qsizetype{3};
    if (pixelsAt < 14 + infoSize || pixelsAt > static_cast<uint32_t>(file.size()) ||
        stride * rows > file.size() - qsizetype{pixelsAt})
        return true;
    QImage img(width, rows, QImage::Format_RGB32);
    if (img.isNull()) return true;
    for (int y = 0; y < rows; ++y) {
        // Rows run bottom-up unless the height is negative.
        const uchar* in = d + pixelsAt + stride * (height < 0 ? y : rows - 1 - y);
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x, in += 3) line[x] = qRgb(in[2], in[1], in[0]);
    }
    out = std::move(img);
    return true;
}

thread_local SkinImageCache* activeCache = nullptr;

QImage readSkinImage(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        QImage img;
        if (decodeRgb24Bitmap(bytes, img)) return img;
        if (img.loadFromData(bytes)) return img;
    }
    // A format that needs its file name (or a file that cannot be read) goes the general way.
    QImage img;
    if (!img.load(path)) return {};
    return img;
}

}  // namespace

SkinImageCache::SkinImageCache() : active_(activeCache == nullptr) {
    if (active_) activeCache = this;
}

SkinImageCache::~SkinImageCache() {
    if (active_) activeCache = nullptr;
}

QImage LoadSkinImage(const QString& path) {
    if (!activeCache) return readSkinImage(path);
    // Images are shared until written to: a control that paints on its copy detaches from it.
    const auto found = activeCache->images_.constFind(path);
    if (found != activeCache->images_.constEnd()) return *found;
    QImage img = readSkinImage(path);
    activeCache->images_.insert(path, img);
    return img;
}

QImage loadResourceImage(int number) {
    for (const char* ext : {"png", "bmp"}) {
        QString path = QStringLiteral(":/res/%1.%2").arg(number).arg(QLatin1String(ext));
        if (QFile::exists(path)) return LoadSkinImage(path);
    }
    return {};
}

QImage dimmedImage(const QImage& normal) {
    if (normal.isNull()) return normal;
    QImage img = normal.convertToFormat(QImage::Format_RGB32);
    QPainter p(&img);
    p.fillRect(img.rect(), QColor(10, 11, 14, 140));
    return img;
}

QImage fadedLook(const QImage& look) {
    if (look.isNull()) return look;
    QImage img = look.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    // The surroundings: per channel, the median of the edge pixels.
    std::array<std::vector<int>, 3> edge;
    auto take = [&](int x, int y) {
        const QRgb p = img.pixel(x, y);
        edge[0].push_back(qRed(p));
        edge[1].push_back(qGreen(p));
        edge[2].push_back(qBlue(p));
    };
    for (int x = 0; x < w; ++x) {
        take(x, 0);
        if (h > 1) take(x, h - 1);
    }
    for (int y = 1; y + 1 < h; ++y) {
        take(0, y);
        if (w > 1) take(w - 1, y);
    }
    std::array<int, 3> around{};
    for (size_t c = 0; c < 3; ++c) {
        auto mid = edge[c].begin() + static_cast<std::ptrdiff_t>(edge[c].size() / 2);
        std::nth_element(edge[c].begin(), mid, edge[c].end());
        around[c] = *mid;
    }
    // What is kept of each pixel's difference from its surroundings, in 256ths.
    constexpr int kKept = kFadedLookKept;
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = row[x];
            const auto fade = [&](int value, int to) { return to + (value - to) * kKept / 256; };
            row[x] = qRgba(fade(qRed(p), around[0]), fade(qGreen(p), around[1]),
                           fade(qBlue(p), around[2]), qAlpha(p));
        }
    }
    return img;
}

QString skinPath(const QString& programDirectory, const QString& relative) {
    return programDirectory + QStringLiteral("/skins/") + relative;
}

QFont skinFont(int pixelHeight, int weight) {
    QFont f;
    f.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("Noto Sans CJK SC"),
                   QStringLiteral("DejaVu Sans")});
    // Heights are character-cell heights, as the skins were laid out for; the glyphs of Noto Sans
    // fill a cell of that height at about 86 % of it.
    f.setPixelSize(std::max(1, (pixelHeight * 86 + 50) / 100));
    f.setWeight(static_cast<QFont::Weight>(weight));
    return f;
}

QStringList wrappedLines(const QString& text, const QFont& font, int width, int maxLines) {
    QStringList lines;
    if (text.isEmpty() || width <= 0 || maxLines <= 0) return lines;
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    std::vector<int> starts;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        starts.push_back(line.textStart());
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    if (lines.size() > maxLines) {
        // The last line shown takes the rest of the text, cut to the width with an ellipsis.
        const QString rest = text.mid(starts[static_cast<size_t>(maxLines - 1)]).simplified();
        lines = lines.mid(0, maxLines);
        lines.last() = QFontMetrics(font).elidedText(rest, Qt::ElideRight, width);
    }
    return lines;
}

void drawWrappedText(QPainter& painter, const QRect& box, const QString& text, int lineHeight) {
    if (lineHeight <= 0) return;
    const int room = std::max(1, box.height() / lineHeight);
    const QStringList all =
        wrappedLines(text, painter.font(), box.width(), std::numeric_limits<int>::max());
    if (all.size() > room)
        noteOverflow(text, static_cast<int>(all.size()) * lineHeight, room * lineHeight,
                     dynamic_cast<const QWidget*>(painter.device()));
    const QStringList lines =
        all.size() > room ? wrappedLines(text, painter.font(), box.width(), room) : all;
    const int top = box.top() + (box.height() - lineHeight * static_cast<int>(lines.size())) / 2;
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QRect(box.left(), top + i * lineHeight, box.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                         lines[i]);
}

}  // namespace z408
