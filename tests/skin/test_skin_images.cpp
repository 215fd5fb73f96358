// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The generated skin images: every file the program loads exists at its size, and every control
// of the layout table is drawn at its rectangle.
#include <gtest/gtest.h>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <algorithm>
#include <cmath>
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

// The macro page's on-screen mouse buttons sit on the picture's buttons: inside the picture,
// above the line at half its height where the buttons meet the palm, apart from each other.
TEST(SkinLayout, MacroPageMouseButtonsSitAboveThePalm) {
    for (Layout layout : {Layout::English, Layout::Chinese}) {
        const PageSkin page = pageSkin("macro", layout);
        const Control* picture = findControl(page, "mousePicture");
        ASSERT_TRUE(picture);
        const int palm = picture->rect.top + picture->rect.height() / 2;
        int right = picture->rect.left;
        for (const char* name : {"mouseLeft", "mouseMiddle", "mouseRight"}) {
            SCOPED_TRACE(testing::Message() << (layout == Layout::Chinese ? "zh " : "en ") << name);
            const Control* b = findControl(page, name);
            ASSERT_TRUE(b);
            EXPECT_GT(b->rect.top, picture->rect.top);
            EXPECT_LT(b->rect.bottom, palm);
            EXPECT_GT(b->rect.left, right);  // left to right, none over another
            right = b->rect.right;
        }
        EXPECT_LT(right, picture->rect.right);
    }
}

// Each slider's tick marks stand under the thumb's tip at the stops it rests on: as many as the
// stops where they fit, thinned out where they would crowd, always both ends.
TEST(SkinLayout, SliderTicksMarkTheStopsOfTheirRange) {
    struct Case {
        const char* page;
        const char* track;
        int first, last;
        size_t ticks;
        int stride;  // stops between neighbouring ticks, the last pair excepted
    } cases[] = {
        {"lighting", "mode1Slider", 1, 10, 10, 1},
        {"lighting", "mode2Slider", 1, 5, 5, 1},
        {"lighting", "mode5Slider", 1, 3, 3, 1},
        {"settings", "speedSlider", 1, 20, 20, 1},
        {"settings", "heightSlider", 1, 30, 30, 1},
        // 198 pixels cannot show 256 stops: every tenth, then 255.
        {"lighting", "redSlider", 0, 255, 27, 10},
    };
    for (Layout layout : {Layout::English, Layout::Chinese}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.page << " " << c.track);
            const PageSkin page = pageSkin(c.page, layout);
            const Control* t = findControl(page, c.track);
            ASSERT_TRUE(t);
            EXPECT_EQ(t->firstStop, c.first);
            EXPECT_EQ(t->lastStop, c.last);
            const std::vector<TrackTick> ticks = trackTicks(*t);
            ASSERT_EQ(ticks.size(), c.ticks);
            const int room = t->rect.width() - kSliderThumbWidth;
            EXPECT_EQ(ticks.front(),
                      (TrackTick{t->rect.left + kSliderThumbWidth / 2, c.first, true}));
            EXPECT_EQ(ticks.back(),
                      (TrackTick{t->rect.left + room + kSliderThumbWidth / 2, c.last, true}));
            for (size_t i = 1; i < ticks.size(); ++i) {
                EXPECT_GE(ticks[i].x - ticks[i - 1].x, kMinTickGap) << i;
                if (i + 1 < ticks.size()) {
                    EXPECT_EQ(ticks[i].value - ticks[i - 1].value, c.stride) << i;
                    EXPECT_FALSE(ticks[i].end) << i;
                }
                // Where the thumb's tip is when the slider shows that value.
                const int thumbLeft =
                    t->rect.left + room * (ticks[i].value - c.first) / (c.last - c.first);
                EXPECT_EQ(ticks[i].x, thumbLeft + kSliderThumbWidth / 2) << i;
            }
        }
    }
    // Controls without stops have no ticks.
    const PageSkin settings = pageSkin("settings", Layout::English);
    EXPECT_TRUE(trackTicks(*findControl(settings, "dpi0")).empty());
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

// The page image draws the ticks of the layout: on a 1..5 groove five marks, under the stops.
TEST(SkinImages, SliderTicksAreDrawnAtTheirStops) {
    const PageSkin page = pageSkin("lighting", installedLayout());
    const QImage normal = load(page.files[0]);
    ASSERT_FALSE(normal.isNull());
    for (const char* name : {"mode2Slider", "mode5Slider", "mode1Slider"}) {
        const Control* t = findControl(page, name);
        ASSERT_TRUE(t);
        const int y = t->rect.bottom + 2;
        // Columns lighter than the panel below the groove: runs of them are the marks.
        std::vector<int> marks;
        bool inMark = false;
        for (int x = t->rect.left; x < t->rect.right; ++x) {
            const bool light = qGreen(normal.pixel(x, y)) > 60;
            if (light && !inMark) marks.push_back(x);
            inMark = light;
        }
        const std::vector<TrackTick> ticks = trackTicks(*t);
        ASSERT_EQ(marks.size(), ticks.size()) << name;
        for (size_t i = 0; i < ticks.size(); ++i)
            EXPECT_NEAR(marks[i], ticks[i].x, 1) << name << " " << i;
    }
}

// The preset menu opens over the dark macro page: its items are dark too, and the text colours
// the page gives them (list grey normal, accent blue pressed, white on the hover blue) stand out.
TEST(SkinImages, PresetMenuItemsAreDarkAndTheirTextsStandOut) {
    // Relative luminance and contrast ratio as the accessibility guidelines define them.
    auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    auto luminance = [&](QColor c) {
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    auto contrast = [&](QColor a, QColor b) {
        const double la = luminance(a) + 0.05, lb = luminance(b) + 0.05;
        return std::max(la, lb) / std::min(la, lb);
    };
    const struct {
        const char* file;
        QColor text;
        bool dark;
    } items[] = {{"MenuNorL.BMP", QColor(83, 97, 103), true},
                 {"MenuDownL.BMP", QColor(21, 140, 185), true},
                 {"MenuOverL.BMP", QColor(255, 255, 255), false}};
    for (const auto& item : items) {
        const QImage img(kSkins + QStringLiteral("Menu/") + QLatin1String(item.file));
        ASSERT_FALSE(img.isNull()) << item.file;
        const QColor middle(img.pixel(img.width() / 2, img.height() / 2));
        if (item.dark) {
            EXPECT_LT(luminance(middle), 0.05) << item.file;
        }
        EXPECT_GT(contrast(middle, item.text), 2.5) << item.file;
    }
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
