// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The main settings page on Qt's offscreen platform, against the skins and language files of the
// build's program directory, with a stand-in for the function picker: its controls and what
// they store, the refresh from the profile, the typed line count, the picker round trip with the
// display-name translation and the refusals, hints and markers.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "common/text.h"
#include "config/profile_store.h"
#include "i18n/language_context.h"
#include "i18n/languages.h"
#include "macros/macro_library.h"
#include "pages/dlg_main_set.h"
#include "pages/hint_recorder.h"
#include "temp_dir.h"
#include "widgets/bitmap_edit.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/irr_button.h"
#include "widgets/png_h_slider.h"
#include "widgets/png_h_slider_bar.h"

namespace z408 {
namespace {

struct PickerCall {
    int button;
    QString currentFunction;
};

class MainSetPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(language.LoadLanguageFile("Language/en.xml"));
        store.active().fillDefaults(false);
        MacroEntry& m = macros.slot(3);
        m.setTag(1);
        m.setId(kMacroId);
        m.setName(u"Reload");
    }

    std::unique_ptr<CDlgMainSet> makePage(bool chineseLayout) {
        auto p = std::make_unique<CDlgMainSet>(programDir, chineseLayout, language, store, macros,
                                               notices, nullptr, nullptr);
        hints.follow(*p);
        p->setPickerOpener([this](int button, const QString& current) {
            calls.push_back({button, current});
            return nextChoice;
        });
        p->refreshFromProfile();
        p->show();
        return p;
    }
    CDlgMainSet& page() {
        if (!page_) page_ = makePage(false);
        return *page_;
    }
    void chooseChinese(bool on) {
        language.ApplyLanguage(LanguageRequest::AtStartup,
                               on ? kLanguageSimplifiedChinese : kLanguageEnglish, false, notices);
    }
    std::array<uint32_t, kDpiLevelCount> levels() const {
        std::array<uint32_t, kDpiLevelCount> l{};
        for (int i = 0; i < kDpiLevelCount; ++i)
            l[static_cast<size_t>(i)] = store.active().dpiLevel(i);
        return l;
    }
    void moveTo(QPoint pos) {
        QMouseEvent e(QEvent::MouseMove, QPointF(pos), page().mapToGlobal(QPointF(pos)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&page(), &e);
    }
    PickerChoice choice(uint32_t value, uint32_t kind) {
        PickerChoice c;
        c.value = value;
        c.kind = kind;
        return c;
    }

    static constexpr uint32_t kMacroId = 0x15000004;
    const QString programDir = QStringLiteral(Z408_PROGRAM_DIR);
    test::TempDir dir;
    LanguageContext language{Z408_PROGRAM_DIR, dir.path()};
    RecordingNotices notices;
    ProfileStore store{dir.path(), notices};
    MacroLibrary macros;
    test::HintRecorder hints;
    std::vector<PickerCall> calls;
    std::optional<PickerChoice> nextChoice;
    std::unique_ptr<CDlgMainSet> page_;
};

QRect ltrb(int l, int t, int r, int b) {
    return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}

TEST_F(MainSetPageTest, ControlsSitAtTheirRectanglesInBothLayouts) {
    for (bool zh : {false, true}) {
        SCOPED_TRACE(zh ? "Chinese layout" : "English layout");
        auto p = makePage(zh);
        EXPECT_EQ(p->dpiButton(0)->geometry(), ltrb(69, 66, 109, 78));
        EXPECT_EQ(p->dpiButton(13)->geometry(), ltrb(485, 90, 530, 104));
        EXPECT_EQ(p->reportRateButton(3)->geometry(), ltrb(271, 303, 331, 317));
        EXPECT_EQ(p->precisionButton()->geometry(), ltrb(68, 203, 178, 219));
        EXPECT_EQ(p->marker(6)->geometry(), ltrb(794, 181, 820, 206));
        EXPECT_EQ(p->scrollLinesButton()->geometry(),
                  zh ? ltrb(406, 331, 558, 345) : ltrb(406, 331, 669, 347));
        EXPECT_EQ(p->scrollScreenButton()->geometry(),
                  zh ? ltrb(406, 361, 527, 375) : ltrb(406, 375, 672, 393));
        EXPECT_EQ(p->lineUpButton()->geometry(),
                  zh ? ltrb(594, 330, 607, 340) : ltrb(573, 350, 588, 361));
        EXPECT_EQ(p->lineDownButton()->geometry(),
                  zh ? ltrb(594, 341, 607, 350) : ltrb(573, 361, 588, 372));
        EXPECT_TRUE((zh ? ltrb(574, 333, 590, 358) : ltrb(550, 355, 573, 377))
                        .contains(p->lineCountEdit()->geometry()));
        // Tab 5's quadrilateral: inside near its slanted right edge only at the top.
        CIrrButton* tab5 = p->buttonTab(5);
        EXPECT_EQ(tab5->geometry(), QRect(QPoint(449, 408), QPoint(581, 441)));
        EXPECT_TRUE(tab5->hitTest(QPoint(575 - 449, 409 - 408)));
        EXPECT_FALSE(tab5->hitTest(QPoint(575 - 449, 439 - 408)));
        EXPECT_EQ(p->dpiButton(4)->toolTip(),
                  QString::fromStdU16String(language.strings().text(u"str_dpiwant")));
    }
    // Tooltips follow a language switch.
    ASSERT_TRUE(language.LoadLanguageFile("Language/sc.xml"));
    page().refreshTooltips();
    EXPECT_EQ(page().scrollScreenButton()->toolTip(),
              QString::fromStdU16String(language.strings().text(u"str_rollerScreen")));
    EXPECT_FALSE(page().scrollScreenButton()->toolTip().isEmpty());
}

TEST_F(MainSetPageTest, ClicksStoreIntoTheProfile) {
    store.active().setDpiLevel(0, 500);
    store.active().setDpiLevel(1, 2000);
    for (int i = 2; i < kDpiLevelCount; ++i) store.active().setDpiLevel(i, 0);
    page().refreshFromProfile();
    QTest::mouseClick(page().dpiButton(2), Qt::LeftButton);  // 1000
    EXPECT_EQ(levels(), (std::array<uint32_t, kDpiLevelCount>{500, 1000, 2000, 0, 0, 0, 0}));
    EXPECT_TRUE(page().dpiButton(2)->latched());
    QTest::mouseClick(page().dpiButton(0), Qt::LeftButton);
    QTest::mouseClick(page().dpiButton(2), Qt::LeftButton);
    QTest::mouseClick(page().dpiButton(5), Qt::LeftButton);  // the only one: stays
    EXPECT_EQ(levels(), (std::array<uint32_t, kDpiLevelCount>{2000, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(page().dpiButton(5)->latched());

    QTest::mouseClick(page().reportRateButton(1), Qt::LeftButton);
    EXPECT_EQ(store.active().reportRateCode(), 4u);
    EXPECT_FALSE(page().reportRateButton(3)->latched());
    QTest::mouseClick(page().precisionButton(), Qt::LeftButton);
    EXPECT_EQ(store.active().enhancePrecision(), 1u);
    QTest::mouseClick(page().precisionButton(), Qt::LeftButton);
    EXPECT_EQ(store.active().enhancePrecision(), 0u);

    emit page().speedSlider()->sliderMoved(7, CDlgMainSet::kSpeedSliderId);
    emit page().heightSlider()->sliderMoved(22, CDlgMainSet::kHeightSliderId);
    page().sliderMoved(3, 2561);  // no slider of this page
    EXPECT_EQ(store.active().pointerSpeed(), 7u);
    EXPECT_EQ(store.active().heightSlider(), 22u);

    QTest::mouseClick(page().scrollScreenButton(), Qt::LeftButton);
    EXPECT_EQ(store.active().wheelLines(), -1);
    EXPECT_FALSE(page().lineCountEdit()->isEnabled());
    EXPECT_FALSE(page().lineUpButton()->isEnabled());
    QTest::mouseClick(page().scrollLinesButton(), Qt::LeftButton);
    EXPECT_EQ(store.active().wheelLines(), 3);
    QTest::mouseClick(page().lineUpButton(), Qt::LeftButton);
    EXPECT_EQ(store.active().wheelLines(), 4);
    EXPECT_EQ(page().lineCountEdit()->text(), QStringLiteral("4"));
}

TEST_F(MainSetPageTest, RefreshShowsTheProfile) {
    ProfileSettings& p = store.active();
    p.setReportRateCode(3);
    p.setWheelLines(-1);
    p.setEnhancePrecision(1);
    p.setPointerSpeed(17);
    p.button(4).setFunctionType(fn::Macro);
    page().refreshFromProfile();
    for (int i = 0; i < kReportRateChoiceCount; ++i)
        EXPECT_FALSE(page().reportRateButton(i)->latched());
    EXPECT_TRUE(page().scrollScreenButton()->latched());
    EXPECT_FALSE(page().scrollLinesButton()->latched());
    EXPECT_EQ(page().lineCountEdit()->text(), QStringLiteral("1"));
    EXPECT_FALSE(page().lineCountEdit()->isEnabled());
    // Disabled, the count and its arrows look so: dim text, faded arrows.
    EXPECT_NE(page().lineCountEdit()->palette().color(QPalette::Disabled, QPalette::Text),
              page().lineCountEdit()->palette().color(QPalette::Active, QPalette::Text));
    EXPECT_EQ(page().lineUpButton()->currentLook(), CGDIBitmapBtn::LookKind::Disabled);
    EXPECT_EQ(page().lineDownButton()->currentLook(), CGDIBitmapBtn::LookKind::Disabled);
    EXPECT_TRUE(page().precisionButton()->latched());
    EXPECT_EQ(page().speedSlider()->value(), 17);
    for (int b = 0; b < kButtonCount; ++b) EXPECT_EQ(page().buttonTab(b)->latched(), b == 4) << b;
    // The default profile's seven levels light exactly their seven buttons.
    p.fillDefaults(false);
    page().refreshFromProfile();
    for (int i = 0; i < kDpiChoiceCount; ++i) {
        const bool level =
            std::find(kDefaultDpiLevels.begin(), kDefaultDpiLevels.end(),
                      kDpiChoices[static_cast<size_t>(i)]) != kDefaultDpiLevels.end();
        EXPECT_EQ(page().dpiButton(i)->latched(), level) << i;
    }
    EXPECT_TRUE(page().reportRateButton(3)->latched());
    EXPECT_EQ(page().lineCountEdit()->text(), QStringLiteral("3"));
}

TEST_F(MainSetPageTest, TypedLineCountIsCommittedByTheTimerWhileScrollingByLines) {
    CBitmapEdit* edit = page().lineCountEdit();
    struct Case {
        const char* typed;
        const char* shown;
        int stored;
    } cases[] = {{"007", "7", 7}, {"0", "1", 1}, {"", "1", 1}, {"45", "30", 30}};
    for (const auto& c : cases) {
        edit->clear();
        edit->setFocus();
        QTest::keyClicks(edit, QString::fromLatin1(c.typed));
        // Keys the page discards neither reach the text nor disturb it.
        QTest::keyClick(edit, Qt::Key_Space);
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Escape);
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.typed)) << c.typed;
        QMetaObject::invokeMethod(&page().lineCommitTimer(), "timeout");
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(store.active().wheelLines(), c.stored) << c.typed;
        EXPECT_EQ(edit->cursorPosition(), edit->text().size()) << c.typed;
    }
    // Scrolling by screen: the timer leaves the profile's -1 alone.
    QTest::mouseClick(page().scrollScreenButton(), Qt::LeftButton);
    QMetaObject::invokeMethod(&page().lineCommitTimer(), "timeout");
    EXPECT_EQ(store.active().wheelLines(), -1);
}

TEST_F(MainSetPageTest, PickerChoiceIsAssignedOrRefused) {
    // A macro on button 3: fields, MacroIdList and the tab's selected look.
    nextChoice = choice(kMacroId, fn::Macro);
    page().openPicker(3);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].button, 3);
    EXPECT_EQ(calls[0].currentFunction, QStringLiteral("Forward"));
    EXPECT_EQ(store.active().button(3).functionType(), fn::Macro);
    EXPECT_EQ(store.active().button(3).displayName(), u"Reload");
    EXPECT_EQ(store.macroIdList()[3], kMacroId);
    EXPECT_TRUE(page().buttonTab(3)->latched());
    EXPECT_EQ(page().pickerButton(), -1);

    // Taking the last left click away: the refusal box, nothing changes.
    const ProfileSettings before = store.active();
    nextChoice = choice(fn::Menu, 0);
    page().openPicker(0);
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].text, "At least one button must be configured as 'Left click'!");
    EXPECT_EQ(store.active(), before);
    EXPECT_FALSE(page().buttonTab(0)->latched());

    // The default button brings button 3 back: the list entry and the look follow.
    nextChoice = choice(fn::Forward, 0);
    page().openPicker(3);
    EXPECT_EQ(store.macroIdList()[3], 0u);
    EXPECT_EQ(store.active().button(3).displayName(), u"Forward");
    EXPECT_FALSE(page().buttonTab(3)->latched());

    // A clicked tab opens the picker once the press has been handled.
    nextChoice.reset();
    QTest::mouseClick(page().buttonTab(2), Qt::LeftButton, {}, QPoint(40, 15));
    QCoreApplication::processEvents();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[3].button, 2);
}

// z408ctl can switch the window's profile while the picker runs its own loop: the choice is for
// the profile the picker was opened for, never for the one active when it ends.
TEST_F(MainSetPageTest, PickerChoiceGoesOnlyToTheProfileItWasOpenedFor) {
    store.loadTableAndActiveProfile();
    ASSERT_TRUE(store.createDefaultProfileFile(store.profilePath(1)));
    ASSERT_TRUE(store.selectProfile(0));
    struct Case {
        const char* what;
        std::vector<int> switches;  // entries chosen while the picker is open
        int activeAfter;
        bool applied;
    };
    const Case cases[] = {
        {"nothing switched", {}, 0, true},
        {"switched to profile 2", {1}, 1, false},
        {"switched away and back", {1, 0}, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(store.selectProfile(0));
        store.active().button(4).setFunctionType(fn::Back);
        notices.shown.clear();
        page().setPickerOpener([&](int, const QString&) {
            for (int e : c.switches) EXPECT_TRUE(store.selectProfile(e));
            return std::optional<PickerChoice>(choice(fn::Mute, 0));
        });
        page().openPicker(4);
        ASSERT_EQ(store.activeEntry(), c.activeAfter);
        EXPECT_EQ(store.active().button(4).functionType() == fn::Mute, c.applied);
        EXPECT_EQ(notices.shown.size(), c.applied ? 0u : 1u);
        if (!c.applied) {
            EXPECT_EQ(notices.shown[0].text,
                      "The profile was switched while the dialog was open: the new one was left "
                      "unchanged.");
        }
    }
}

// A macro deleted from Macro.cfg behind the program's back: the picker does not name it as if
// the button still had it.
TEST_F(MainSetPageTest, PickerMarksAMacroThatLeftTheLibrary) {
    constexpr uint32_t kStored = 0x15000009;
    MacroEntry& m = macros.slot(7);
    m.setRecordSize(4108);
    m.setTag(kMacroTagUsed);
    m.setId(kStored);
    m.setName(u"Small");
    store.active().button(2).setFunctionType(fn::Macro);
    store.active().button(2).setMacroId(kStored);
    store.active().button(2).setDisplayName(u"Small");
    store.macroIdList()[2] = kStored;
    page().openPicker(2);
    macros.slot(7) = MacroEntry{};
    page().openPicker(2);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].currentFunction, QStringLiteral("Small"));
    EXPECT_EQ(calls[1].currentFunction, QStringLiteral("Small (deleted from the macro library)"));
    EXPECT_EQ(store.active().button(2).displayName(), u"Small");  // the profile keeps its name
}

TEST_F(MainSetPageTest, BuiltInNamesAreTranslatedBeforeThePickerOpens) {
    chooseChinese(true);
    store.active().button(6).setDisplayName(u"Scroll down");
    // Cancelled: the translated name stays in the profile.
    page().openPicker(0);
    page().openPicker(5);
    page().openPicker(6);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].currentFunction, QStringLiteral("单击"));
    EXPECT_EQ(store.active().button(0).displayName(), u"单击");
    EXPECT_EQ(calls[1].currentFunction, QStringLiteral("滚轮前滚"));
    EXPECT_EQ(store.active().button(6).displayName(), u"滚轮后滚");
    // Catalogue names of a choice and the rule messages come in Chinese as well.
    nextChoice = choice(fn::Snipe, 0);
    page().openPicker(5);
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].text, "此按键不可使用狙击功能!");
    nextChoice = choice(fn::Mute, 0);
    page().openPicker(4);
    EXPECT_EQ(store.active().button(4).displayName(), u"静音");

    chooseChinese(false);
    nextChoice.reset();
    page().openPicker(0);
    EXPECT_EQ(store.active().button(0).displayName(), u"Click");
    page().openPicker(4);  // not a pair member: stays
    EXPECT_EQ(store.active().button(4).displayName(), u"静音");
}

// Built-in names follow every language on the screen; the profile keeps what it stored.
TEST_F(MainSetPageTest, BuiltInNamesShowInTheLanguageChosen) {
    store.active().button(1).setDisplayName(u"中键");  // stored by the Chinese interface
    store.active().button(2).setFunctionType(fn::Macro);
    store.active().button(2).setMacroId(kMacroId);
    store.active().button(2).setDisplayName(u"Reload");
    store.macroIdList()[2] = kMacroId;
    macros.slot(3).setRecordSize(4108);
    macros.slot(3).setTag(kMacroTagUsed);
    const auto show = [&](int32_t id) {
        language.ApplyLanguage(LanguageRequest::AtStartup, id, false, notices);
        page().refreshTooltips();
        calls.clear();
        for (int b : {0, 1, 2, 6}) page().openPicker(b);
        EXPECT_EQ(calls.size(), 4u);
    };
    const ProfileSettings stored = store.active();

    show(5);  // German
    EXPECT_EQ(calls[0].currentFunction, QStringLiteral("Linksklick"));
    EXPECT_EQ(calls[1].currentFunction, QStringLiteral("Mittelklick"));
    EXPECT_EQ(calls[2].currentFunction, QStringLiteral("Reload"));
    EXPECT_EQ(calls[3].currentFunction, QStringLiteral("Nach unten scrollen"));
    EXPECT_EQ(page().buttonTab(0)->accessibleName(), QStringLiteral("Linke Taste: Linksklick"));
    EXPECT_EQ(page().buttonTab(2)->accessibleName(), QStringLiteral("Rechte Taste: Reload"));

    show(10);  // Russian
    EXPECT_EQ(calls[0].currentFunction, QStringLiteral("Левая кнопка"));
    EXPECT_EQ(calls[3].currentFunction, QStringLiteral("Прокрутка вниз"));

    show(kLanguageEnglish);
    EXPECT_EQ(calls[0].currentFunction, QStringLiteral("Click"));
    EXPECT_EQ(calls[2].currentFunction, QStringLiteral("Reload"));
    EXPECT_EQ(calls[3].currentFunction, QStringLiteral("Scroll"));
    EXPECT_EQ(page().buttonTab(0)->accessibleName(), QStringLiteral("Left button: Click"));
    // Only what the picker has always done before opening changed the profile: the Chinese
    // name of button 1 became English on the way.
    ProfileSettings expected = stored;
    expected.button(1).setDisplayName(u"Middle");
    EXPECT_EQ(store.active(), expected);
}

TEST_F(MainSetPageTest, HintsAndMarkersFollowThePointer) {
    struct Case {
        QPoint pos;
        std::vector<int> hints;
    } cases[] = {
        {{80, 70}, {12}},    // a DPI button
        {{150, 172}, {13}},  // pointer-speed slider
        {{500, 172}, {15}},  // lift-off slider
        {{80, 210}, {14}},   // precision
        {{300, 310}, {16}},  // a report-rate button
        {{500, 380}, {18}},  // scroll by screen (English)
        {{60, 425}, {65}},   // tab 0
        {{100, 35}, {61}},   // the DPI section label
        {{400, 140}, {62}},  // the sensor section label
        {{800, 60}, {}},     // nothing
    };
    for (const auto& c : cases) {
        hints.hints.clear();
        moveTo(c.pos);
        EXPECT_EQ(hints.hints, c.hints) << c.pos.x() << "," << c.pos.y();
    }

    // Over a slider the move goes to its bar or thumb, not to the page: the hint still shows.
    struct SliderCase {
        CPngHSliderBar* slider;
        int hint;
    } sliders[] = {{page().speedSlider(), 13}, {page().heightSlider(), 15}};
    for (const auto& c : sliders) {
        QWidget* thumb = c.slider->thumb();
        const QRect bar = c.slider->geometry();
        for (const QPoint pos : {thumb->mapTo(&page(), thumb->rect().center()),
                                 QPoint(bar.right() - 3, bar.center().y())}) {
            QWidget* under = page().childAt(pos);
            ASSERT_TRUE(under == thumb || under == c.slider) << pos.x() << "," << pos.y();
            hints.hints.clear();
            const QPoint local = under->mapFrom(&page(), pos);
            QMouseEvent e(QEvent::MouseMove, QPointF(local), under->mapToGlobal(QPointF(local)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(under, &e);
            EXPECT_EQ(hints.hints, std::vector<int>{c.hint})
                << (under == thumb ? "thumb " : "bar ") << pos.x() << "," << pos.y();
        }
    }

    // Tab 1 spans 98..214: its marker lights only 17 px in from either side.
    page().updateMarkers(QPoint(150, 420), true);
    for (int i = 0; i < kButtonCount; ++i) EXPECT_EQ(page().marker(i)->latched(), i == 1) << i;
    page().updateMarkers(QPoint(110, 420), true);
    EXPECT_FALSE(page().marker(1)->latched());
    page().updateMarkers(QPoint(150, 420), false);  // the window is not in front
    EXPECT_FALSE(page().marker(1)->latched());
}

}  // namespace
}  // namespace z408
