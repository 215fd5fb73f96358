// The generated skin images: every file the program loads exists at its size, and every control
// of the layout table is drawn at its rectangle.
#include <gtest/gtest.h>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <set>

#include "skin/skin_layout.h"

namespace z408::skin {
namespace {

const QString kSkins = QStringLiteral(Z408_PROGRAM_DIR "/skins/");
const QString kResources = QStringLiteral(Z408_SKIN_RESOURCES "/");

Layout installedLayout() {
    QSettings ini(QStringLiteral(Z408_LANGUAGETYPE_INI), QSettings::IniFormat);
    return ini.value(QStringLiteral("languagetype/value"), 0).toInt() == 1 ? Layout::Chinese
                                                                           : Layout::English;
}

QImage load(const std::string& file) {
    bool numbered = false;
    QString name = QString::fromStdString(file);
    name.toInt(&numbered);
    return QImage(numbered ? kResources + name + QStringLiteral(".bmp") : kSkins + name);
}

bool changesWithState(Look look) {
    switch (look) {
        case Look::Button:
        case Look::Toggle:
        case Look::Check:
        case Look::Radio:
        case Look::Chip:
        case Look::Tab:
        case Look::QuadTab:
        case Look::Swatch:
        case Look::Arrow:
        case Look::Glyph:
        case Look::LevelBar:
        case Look::Trophy:
            return true;
        case Look::Marker:
            return true;
        default:
            return false;
    }
}

bool sameArea(const QImage& a, const QImage& b, const Rect& r) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}

TEST(SkinLayout, EveryControlLiesInsideItsPageAndNamesAreUnique) {
    for (Layout layout : {Layout::English, Layout::Chinese}) {
        for (const PageSkin& page : pageSkins(layout)) {
            std::set<std::string> names;
            for (const Control& c : page.controls) {
                EXPECT_TRUE(names.insert(c.name).second) << page.id << ": " << c.name;
                EXPECT_GE(c.rect.left, 0) << page.id << ": " << c.name;
                EXPECT_GE(c.rect.top, 0) << page.id << ": " << c.name;
                EXPECT_LE(c.rect.right, page.width) << page.id << ": " << c.name;
                EXPECT_LE(c.rect.bottom, page.height) << page.id << ": " << c.name;
                EXPECT_GT(c.rect.width(), 0) << page.id << ": " << c.name;
            }
        }
    }
    EXPECT_EQ(pageSkin("nonsense", Layout::English).width, 0);
}

TEST(SkinLayout, SwatchesFollowTheColumnRule) {
    const PageSkin en = pageSkin("lighting", Layout::English);
    const PageSkin zh = pageSkin("lighting", Layout::Chinese);
    const Control* s0 = findControl(en, "swatch0");
    const Control* s12 = findControl(en, "swatch12");
    const Control* s25zh = findControl(zh, "swatch25");
    ASSERT_TRUE(s0 && s12 && s25zh);
    EXPECT_EQ(s0->rect.left, 177);
    EXPECT_EQ(s0->rect.top, 258);
    EXPECT_EQ(s0->rect.bottom, 290);
    EXPECT_EQ(s12->rect.left, 177 + 40 * 5 - 1);  // column 5: one pixel further left
    EXPECT_EQ(s12->rect.width(), 31);
    EXPECT_EQ(s12->colour, 0x2400F8u);
    EXPECT_EQ(s25zh->rect.left, 140 + 40 * 4);
    EXPECT_EQ(s25zh->rect.top, 256 + 41 * 3);
    EXPECT_EQ(s25zh->rect.bottom, 289 + 41 * 3);
}

TEST(SkinImages, EveryPageTripletExistsAtItsSizeWithEveryControlDrawn) {
    for (const PageSkin& page : pageSkins(installedLayout())) {
        QImage images[3];
        for (size_t i = 0; i < 3; ++i) {
            if (page.files[i].empty()) continue;
            images[i] = load(page.files[i]);
            ASSERT_FALSE(images[i].isNull()) << page.files[i];
            EXPECT_EQ(images[i].size(), QSize(page.width, page.height)) << page.files[i];
        }
        for (const Control& c : page.controls) {
            // Pressed looks differ from normal ones; static decoration is the same in all images
            // (containers excepted: controls are drawn on them).
            const bool differs = !sameArea(images[0], images[1], c.rect);
            if (changesWithState(c.look) && c.caption != "i") {
                EXPECT_TRUE(differs) << page.id << ": " << c.name;
            } else if (!changesWithState(c.look) && c.look != Look::Panel &&
                       c.look != Look::MouseBody && !c.hiddenUntilUsed) {
                EXPECT_FALSE(differs) << page.id << ": " << c.name;
            }
        }
    }
}

TEST(SkinImages, NumberedResourcesHaveTheirSizes) {
    struct Res {
        int first, last;
        const char* ext;
        QSize size;
    };
    const Res table[] = {
        {128, 128, "png", {64, 64}},
        {129, 129, "png", {96, 96}},
        {130, 141, "png", {19, 11}},
        {142, 153, "bmp", {37, 22}},
        {154, 159, "bmp", {960, 650}},
        {160, 165, "bmp", {925, 452}},
        {166, 166, "bmp", {9 * kScrollCell, 3 * kScrollCell}},
        {1004, 1009, "bmp", {330, 170}},
        {1011, 1012, "png", {16, 16}},
    };
    for (const Res& r : table)
        for (int n = r.first; n <= r.last; ++n) {
            const QImage img(kResources + QString::number(n) + QLatin1Char('.') +
                             QLatin1String(r.ext));
            ASSERT_FALSE(img.isNull()) << n;
            EXPECT_EQ(img.size(), r.size) << n;
        }
    // Flags are 24-bit bitmaps.
    EXPECT_EQ(QImage(kResources + QStringLiteral("142.bmp")).depth(), 32);
    EXPECT_FALSE(QImage(kResources + QStringLiteral("142.bmp")).hasAlphaChannel());
}

TEST(SkinImages, SliderThumbHasACutCornerAndNoBlackInside) {
    const QImage thumb(kSkins + QStringLiteral("Slider.png"));
    ASSERT_FALSE(thumb.isNull());
    EXPECT_EQ(qAlpha(thumb.pixel(0, 0)), 0);
    int opaque = 0;
    for (int y = 0; y < thumb.height(); ++y)
        for (int x = 0; x < thumb.width(); ++x) {
            const QRgb p = thumb.pixel(x, y);
            if (qAlpha(p) == 0) continue;
            ++opaque;
            EXPECT_FALSE(qRed(p) == 0 && qGreen(p) == 0 && qBlue(p) == 0) << x << "," << y;
        }
    EXPECT_GT(opaque, thumb.width() * thumb.height() / 2);
}

TEST(SkinImages, OtherFilesThePagesLoad) {
    for (int level = 0; level <= 12; ++level) {
        const QImage img(kSkins + QStringLiteral("trophy/trophy%1Down.bmp").arg(level));
        ASSERT_FALSE(img.isNull()) << level;
        EXPECT_EQ(img.size(), QSize(kTrophyWidth, kTrophyHeight));
    }
    for (const char* f : {"up_normal.png", "down_normal.png", "delay_normal.png", "up_select.png",
                          "down_select.png", "delay_select.png"})
        EXPECT_EQ(QImage(kSkins + QLatin1String(f)).size(), QSize(16, 16)) << f;
    for (const char* f : {"MenuNorL.BMP", "MenuOverL.BMP", "MenuDownL.BMP", "MenuNorHaveSub.BMP",
                          "MenuOverHaveSub.BMP", "MenuDownHaveSub.BMP"})
        EXPECT_EQ(QImage(kSkins + QStringLiteral("Menu/") + QLatin1String(f)).size(),
                  QSize(kPresetItemWidth, kPresetItemHeight))
            << f;
    // The progress bar's two pieces: empty and full at the bar's rectangle.
    const QImage empty(kSkins + QStringLiteral("ProgressBar/Progress_Normal.png"));
    const QImage full(kSkins + QStringLiteral("ProgressBar/Progress_Over.png"));
    ASSERT_EQ(empty.size(), QSize(kProgressWidth, kProgressHeight));
    EXPECT_NE(empty.pixel(100, 51), full.pixel(100, 51));
}

}  // namespace
}  // namespace z408::skin
