// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The lighting page on Qt's offscreen platform, against the skins and language files of the
// build's program directory: its widgets at their places with their language texts, clicks and
// slider moves reaching the profile, the colour wheel and its cursor, and the hover hints.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "common/user_notices.h"
#include "config/profile_store.h"
#include "i18n/language_context.h"
#include "lighting/colours.h"
#include "pages/dlg_led_set.h"
#include "pages/hint_recorder.h"
#include "temp_dir.h"
#include "widgets/bitmap_edit.h"
#include "widgets/color_btn.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/png_h_slider_bar.h"
#include "widgets/widget_test_support.h"

namespace z408 {
namespace {

QString text(const LanguageContext& language, std::u16string_view key) {
    return QString::fromStdU16String(language.strings().text(key));
}

void sendMove(QWidget& w, QPoint pos) {
    QMouseEvent e(QEvent::MouseMove, QPointF(pos), w.mapToGlobal(QPointF(pos)), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &e);
}

class LedSetPageTest : public ::testing::Test {
  protected:
    LedSetPageTest() {
        store.active().fillDefaults(false);
        page = std::make_unique<CDlgLEDSet>(QStringLiteral(Z408_PROGRAM_DIR), false, language,
                                            store, nullptr);
        hints.follow(*page);
        page->show();
        page->refreshLightingPage();
    }
    ProfileSettings& profile() { return store.active(); }

    test::TempDir dir;
    LanguageContext language{Z408_PROGRAM_DIR, dir.path()};
    const bool languageLoaded = language.LoadLanguageFile("Language/en.xml");  // before the page
    RecordingNotices notices;
    ProfileStore store{dir.path(), notices};
    test::HintRecorder hints;
    std::unique_ptr<CDlgLEDSet> page;
};

TEST_F(LedSetPageTest, ControlsSitAtTheirPlacesWithTheirLanguageTexts) {
    ASSERT_TRUE(languageLoaded);
    EXPECT_EQ(page->size(), QSize(925, 452));
    // Swatch k: column k mod 7 at 177 + 40c (one pixel less beyond column 4), row k div 7.
    for (int k : {0, 4, 5, 12, 25}) {
        const int c = k % 7, r = k / 7;
        const int left = 177 + 40 * c - (c > 4 ? 1 : 0);
        EXPECT_EQ(page->swatch(k)->geometry(), QRect(left, 258 + 41 * r, 31, 32)) << k;
    }
    EXPECT_EQ(page->colourWheelRect(), QRect(QPoint(771, 264), QPoint(890, 382)));
    const std::pair<int, const char16_t*> captions[] = {
        {1, u"str_led_brealways"}, {2, u"str_led_norbre"},   {3, u"str_led_apmbre"},
        {4, u"str_ledspe"},        {5, u"str_led_symphony"}, {6, u"str_led_off"}};
    for (const char* file : {"Language/en.xml", "Language/sc.xml"}) {
        SCOPED_TRACE(file);
        ASSERT_TRUE(language.LoadLanguageFile(file));
        page->refreshTexts();
        for (const auto& [mode, key] : captions) {
            EXPECT_EQ(page->modeButton(mode)->text(), text(language, key)) << mode;
            EXPECT_FALSE(page->modeButton(mode)->text().isEmpty());
        }
        EXPECT_EQ(page->proximityButton(true)->text(), text(language, u"str_led_body_on"));
        EXPECT_EQ(page->proximityButton(false)->text(), text(language, u"str_led_body_off"));
        EXPECT_EQ(page->multicolourButton(1)->toolTip(), text(language, u"str_multicolor2"));
        EXPECT_EQ(page->singleColourButton()->toolTip(), text(language, u"str_choose_color"));
    }
}

TEST_F(LedSetPageTest, SwatchesFollowTheChineseLayout) {
    CDlgLEDSet zh(QStringLiteral(Z408_PROGRAM_DIR), true, language, store, nullptr);
    for (int k : {0, 6, 25}) {
        const int c = k % 7, r = k / 7;
        const int left = 140 + 40 * c - (c > 4 ? 1 : 0);
        EXPECT_EQ(zh.swatch(k)->geometry(), QRect(left, 256 + 41 * r, 31, 33)) << k;
    }
}

TEST_F(LedSetPageTest, ClicksAndSlidersReachTheProfileAndTheControlsFollow) {
    // Defaults: mode 5 without multicolour, nothing to edit.
    EXPECT_TRUE(page->modeButton(5)->latched());
    EXPECT_FALSE(page->swatch(0)->isEnabled());
    EXPECT_FALSE(page->slider(LightingSlider::Red)->isEnabled());
    EXPECT_TRUE(page->slider(LightingSlider::Mode5Speed)->isEnabled());
    EXPECT_FALSE(page->slider(LightingSlider::Mode1Level)->isEnabled());
    EXPECT_EQ(page->slider(LightingSlider::Mode5Speed)->value(), 2);

    QTest::mouseClick(page->modeButton(1), Qt::LeftButton);
    EXPECT_EQ(profile().lightingMode(), 1u);
    EXPECT_TRUE(page->modeButton(1)->latched());
    EXPECT_FALSE(page->modeButton(5)->latched());
    EXPECT_FALSE(page->multicolourToggle()->isEnabled());
    EXPECT_FALSE(page->multicolourButton(0)->isEnabled());
    EXPECT_TRUE(page->swatch(0)->isEnabled());

    QTest::mouseClick(page->swatch(1), Qt::LeftButton);
    EXPECT_EQ(profile().colour(3), colourRef(250, 18, 0));
    EXPECT_TRUE(page->swatch(1)->latched());
    EXPECT_EQ(page->singleColourButton()->color(), QColor(250, 18, 0));
    EXPECT_EQ(page->valueBox(0)->text(), QStringLiteral("250"));
    EXPECT_EQ(page->valueBox(1)->text(), QStringLiteral("18"));
    EXPECT_FALSE(page->valueBox(0)->isEnabled());

    // A click half-way along the blue slider's 198-pixel track gives 99 * 255 / 198.
    CPngHSliderBar* blue = page->slider(LightingSlider::Blue);
    ASSERT_EQ(blue->width(), 198);
    QTest::mouseClick(blue, Qt::LeftButton, {}, QPoint(99, blue->height() / 2));
    EXPECT_EQ(profile().colour(3), colourRef(250, 18, 127));
    EXPECT_EQ(profile().colourIsCustom(3), 1u);
    EXPECT_FALSE(page->swatch(1)->latched());
    EXPECT_EQ(page->valueBox(2)->text(), QStringLiteral("127"));

    // Mode 5 with multicolour: the colour buttons choose which colour the swatches set.
    QTest::mouseClick(page->modeButton(5), Qt::LeftButton);
    QTest::mouseClick(page->multicolourToggle(), Qt::LeftButton);
    EXPECT_EQ(profile().multicolourOption(), 1u);
    EXPECT_TRUE(page->multicolourToggle()->latched());
    EXPECT_FALSE(page->slider(LightingSlider::Mode5Speed)->isEnabled());
    QTest::mouseClick(page->multicolourButton(2), Qt::LeftButton);
    EXPECT_TRUE(page->multicolourButton(2)->current());
    QTest::mouseClick(page->swatch(12), Qt::LeftButton);
    EXPECT_EQ(profile().colour(2), colourRef(36, 0, 248));
    EXPECT_EQ(page->multicolourButton(2)->color(), QColor(36, 0, 248));
    EXPECT_EQ(profile().colour(0), 0xFFu);
    const QImage toggleOn = page->multicolourToggle()->grab().toImage();

    // Mode 1 disables the toggle: ticked, it shows its ticked look faded, not the live one.
    QTest::mouseClick(page->modeButton(1), Qt::LeftButton);
    EXPECT_FALSE(page->multicolourToggle()->isEnabled());
    EXPECT_EQ(page->multicolourToggle()->currentLook(), CGDIBitmapBtn::LookKind::DisabledLatched);
    EXPECT_NE(page->multicolourToggle()->grab().toImage(), toggleOn);
    QTest::mouseClick(page->modeButton(5), Qt::LeftButton);
    EXPECT_EQ(page->multicolourToggle()->grab().toImage(), toggleOn);

    QTest::mouseClick(page->proximityButton(false), Qt::LeftButton);
    EXPECT_EQ(profile().proximitySensing(), 0u);
    EXPECT_TRUE(page->proximityButton(false)->latched());
    EXPECT_FALSE(page->proximityButton(true)->latched());
}

TEST_F(LedSetPageTest, TheWheelPicksThePixelUnderThePointerWithACrossCursor) {
    const QPoint onWheel(885, 323);
    const QRgb pixel = page->normalImage().pixel(onWheel);
    // Not editing: no cross, and a press changes nothing.
    sendMove(*page, onWheel);
    EXPECT_FALSE(page->testAttribute(Qt::WA_SetCursor));
    QTest::mouseClick(page.get(), Qt::LeftButton, {}, onWheel);
    EXPECT_EQ(profile().colour(0), 0xFFu);

    QTest::mouseClick(page->multicolourToggle(), Qt::LeftButton);
    sendMove(*page, onWheel);
    EXPECT_EQ(page->cursor().shape(), Qt::CrossCursor);
    sendMove(*page, QPoint(775, 268));  // inside the rectangle, outside the ellipse
    EXPECT_NE(page->cursor().shape(), Qt::CrossCursor);

    QTest::mouseClick(page.get(), Qt::LeftButton, {}, onWheel);
    EXPECT_EQ(profile().colour(0),
              colourRef(static_cast<uint8_t>(qRed(pixel)), static_cast<uint8_t>(qGreen(pixel)),
                        static_cast<uint8_t>(qBlue(pixel))));
    EXPECT_EQ(profile().colourIsCustom(0), 1u);
    EXPECT_EQ(page->multicolourButton(0)->color(), QColor(pixel));
    EXPECT_EQ(page->slider(LightingSlider::Red)->value(), qRed(pixel));
    // The preview shows the picked colour.
    const QPoint previewCentre = page->previewRect().center() + QPoint(0, 8);
    EXPECT_EQ(QColor(test::pixelOf(*page, previewCentre)), QColor(pixel));
}

TEST_F(LedSetPageTest, HintsFollowThePointer) {
    struct Case {
        QPoint pos;
        std::vector<int> hints;
    };
    const QRect mode4 = page->modeButton(4)->geometry();
    const QRect toggle = page->multicolourToggle()->geometry();
    const Case cases[] = {
        {mode4.center(), {26}},
        {mode4.topLeft() - QPoint(1, 1), {26}},  // the rectangle grown by one pixel
        {mode4.topLeft() - QPoint(2, 2), {}},
        {toggle.center(), {34}},
        {page->slider(LightingSlider::Mode2Speed)->geometry().center(), {76}},
        {page->slider(LightingSlider::Green)->geometry().center(), {39}},
        {page->singleColourButton()->geometry().center(), {83}},
        {QPoint(60, 28), {75}},    // the "Backlight" label
        {QPoint(800, 170), {82}},  // the current-colour preview
    };
    for (const Case& c : cases) {
        hints.hints.clear();
        sendMove(*page, c.pos);
        EXPECT_EQ(hints.hints, c.hints) << c.pos.x() << "," << c.pos.y();
    }
    // The toggle's hint tells what a click would do.
    profile().setMulticolourOption(1);
    page->refreshLightingPage();
    hints.hints.clear();
    sendMove(*page, toggle.center());
    EXPECT_EQ(hints.hints, std::vector<int>{35});
}

}  // namespace
}  // namespace z408
