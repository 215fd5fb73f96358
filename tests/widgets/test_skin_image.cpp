// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/skin_image.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QFile>
#include <QFontMetrics>
#include <QTemporaryDir>

#include "widget_test_support.h"

namespace z408 {
namespace {

QByteArray bmpOf(const QImage& img) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "BMP");  // 24-bit, rows bottom-up, as the skins are stored
    return bytes;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

// Turns a bottom-up bitmap into the same picture stored top-down (negative height).
QByteArray topDown(QByteArray bmp, int width, int height) {
    const auto at =
        static_cast<qsizetype>(static_cast<uchar>(bmp[10]) | static_cast<uchar>(bmp[11]) << 8);
    const qsizetype stride = (qsizetype{width} * 3 + 3) & ~qsizetype{3};
    QByteArray rows = bmp.mid(at);
    for (int y = 0; y < height; ++y)
        bmp.replace(at + stride * y, stride, rows.mid(stride * (height - 1 - y), stride));
    const int32_t negative = -height;
    for (int i = 0; i < 4; ++i) bmp[22 + i] = static_cast<char>((negative >> (8 * i)) & 0xFF);
    return bmp;
}

TEST(LoadSkinImage, ReadsBitmapsPixelForPixelAsQtDoes) {
    QTemporaryDir dir;
    // Widths whose rows need 0 to 3 padding bytes.
    for (const QSize size : {QSize(1, 1), QSize(3, 2), QSize(5, 7), QSize(64, 33), QSize(71, 40)}) {
        SCOPED_TRACE(size.width());
        const QImage picture = test::positionImage(size);
        const QByteArray bmp = bmpOf(picture);
        QImage qt;
        ASSERT_TRUE(qt.loadFromData(bmp, "BMP"));
        const QImage ours = LoadSkinImage(writeFile(dir, QStringLiteral("a.bmp"), bmp));
        EXPECT_EQ(ours.format(), qt.format());
        EXPECT_EQ(ours, qt);
        EXPECT_EQ(ours, picture);
        const QImage flipped = LoadSkinImage(
            writeFile(dir, QStringLiteral("b.bmp"), topDown(bmp, size.width(), size.height())));
        EXPECT_EQ(flipped, picture);
    }
}

// A bitmap without all its pixels is no image (not one with rows of stale memory).
TEST(LoadSkinImage, DamagedOrMissingFilesGiveNoImage) {
    QTemporaryDir dir;
    const QByteArray bmp = bmpOf(test::positionImage({40, 30}));
    QByteArray hugeWidth = bmp;
    hugeWidth[21] = 0x7F;  // width about 2^31: the pixels are not in the file
    QByteArray pixelsPastEnd = bmp;
    pixelsPastEnd[13] = 0x7F;  // the pixel offset points far beyond the file
    const QByteArray cases[] = {bmp.left(bmp.size() - 10), bmp.left(20), hugeWidth, pixelsPastEnd};
    for (const QByteArray& bytes : cases)
        EXPECT_TRUE(LoadSkinImage(writeFile(dir, QStringLiteral("bad.bmp"), bytes)).isNull());
    EXPECT_TRUE(LoadSkinImage(dir.filePath(QStringLiteral("missing.bmp"))).isNull());
    // Other formats still load.
    const QString png = dir.filePath(QStringLiteral("a.png"));
    ASSERT_TRUE(test::positionImage({9, 4}).save(png));
    EXPECT_EQ(LoadSkinImage(png).convertToFormat(QImage::Format_RGB32),
              test::positionImage({9, 4}));
}

// While the window is built a picture is decoded once and shared; a control painting on its
// copy leaves the others' alone, and once the cache is gone the file is read afresh.
TEST(SkinImageCache, DecodesEachPictureOnceWhileItLives) {
    QTemporaryDir dir;
    const QString path =
        writeFile(dir, QStringLiteral("page.bmp"), bmpOf(test::positionImage({8, 6})));
    {
        const SkinImageCache cache;
        QImage first;
        {
            const SkinImageCache inner;  // adds nothing, and its end does not end the outer one
            first = LoadSkinImage(path);
        }
        EXPECT_EQ(LoadSkinImage(path).cacheKey(), first.cacheKey());
        first.setPixel(0, 0, qRgb(1, 2, 3));
        EXPECT_EQ(LoadSkinImage(path), test::positionImage({8, 6}));
    }
    QFile::remove(path);
    writeFile(dir, QStringLiteral("page.bmp"), bmpOf(test::positionImage({4, 4})));
    EXPECT_EQ(LoadSkinImage(path), test::positionImage({4, 4}));
}

// The hint line's box is 233 × 30: two lines of its 14-pixel cell, word-wrapped.
TEST(WrappedLines, WrapAtWordsAndCutOnlyWhatDoesNotFit) {
    const QFont font = skinFont(14, QFont::Light);
    const QFontMetrics fm(font);
    const QString twoLines =
        QStringLiteral("Lift-off distance: how high the mouse can be lifted and still track.");
    const QString tooLong = twoLines + QLatin1Char(' ') + twoLines + QLatin1Char(' ') + twoLines;
    const QString chinese = QStringLiteral("自定义颜色已开启：先选择颜色一、二或三，再选取颜色。");
    struct Case {
        const char* what;
        QString text;
        int lines;
        bool cut;
    } cases[] = {
        {"short", QStringLiteral("Report rate"), 1, false},
        {"two lines", twoLines, 2, false},
        {"three lines' worth", tooLong, 2, true},
        {"Chinese without spaces", chinese, 2, false},
        {"one word wider than the box", QString(60, QLatin1Char('W')), 2, true},
        {"empty", QString(), 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QStringList lines = wrappedLines(c.text, font, 233, 2);
        ASSERT_EQ(lines.size(), c.lines);
        for (const QString& line : lines)
            EXPECT_LE(fm.horizontalAdvance(line), 233) << line.toStdString();
        if (c.lines == 0) continue;
        EXPECT_EQ(lines.last().endsWith(QStringLiteral("…")), c.cut);
        if (!c.cut) {
            const QString gap = c.text.contains(QLatin1Char(' ')) ? QStringLiteral(" ") : QString();
            EXPECT_EQ(lines.join(gap), c.text);
        }
    }
    EXPECT_GT(fm.horizontalAdvance(twoLines), 233);  // the case is a real wrap
    EXPECT_EQ(wrappedLines(twoLines, font, 233, 1).size(), 1);
}

}  // namespace
}  // namespace z408
