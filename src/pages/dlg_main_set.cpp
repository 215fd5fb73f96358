// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "pages/dlg_main_set.h"

#include <QCursor>
#include <QMouseEvent>
#include <QRegularExpressionValidator>

#include "common/program_texts.h"
#include "common/resource_numbers.h"
#include "common/text.h"
#include "common/user_notices.h"
#include "config/button_assignment.h"
#include "config/profile_store.h"
#include "functions/function_catalogue.h"
#include "i18n/language_context.h"
#include "macros/macro_library.h"
#include "macros/macro_usage.h"
#include "pages/skin_controls.h"
#include "skin/skin_layout.h"
#include "widgets/bitmap_edit.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/irr_button.h"
#include "widgets/keyboard_focus.h"
#include "widgets/png_h_slider.h"
#include "widgets/png_h_slider_bar.h"
#include "widgets/skin_accessible.h"
#include "widgets/skin_image.h"

namespace z408 {
namespace {

// The thumb stands out above and below the track.
constexpr int kThumbOverhang = 4;
const QColor kLineCountColour(21, 140, 185);
const QColor kLineCountColourOff(70, 76, 86);
constexpr int kLineCountFontHeight = 13;
constexpr int kEditSideMargin = 2;  // what QLineEdit keeps free left and right of its text

QRect layoutRect(const skin::PageSkin& page, const std::string& name) {
    const skin::Control* c = skin::findControl(page, name);
    return c ? toQRect(c->rect) : QRect();
}

QString languageText(const LanguageContext& language, std::u16string_view key) {
    return QString::fromStdU16String(language.strings().text(key));
}

QPolygon tabShape(const skin::PageSkin& page, int button) {
    QPolygon shape;
    if (const skin::Control* c = skin::findControl(page, "button" + std::to_string(button)))
        for (const skin::Point& p : c->quad) shape << QPoint(p.x, p.y);
    return shape;
}

}  // namespace

CDlgMainSet::CDlgMainSet(const QString& programDirectory, bool chineseLayout,
                         LanguageContext& language, ProfileStore& profiles,
                         const MacroLibrary& macros, UserNotices& notices,
                         const KeyboardLayout* layout, QWidget* parent)
    : CSkinPage(QStringLiteral("settings"), programDirectory, chineseLayout, parent),
      language_(language),
      profiles_(profiles),
      macros_(macros),
      notices_(notices),
      layout_(layout) {
    setObjectName(QStringLiteral("CDlgMainSet"));
    setMouseTracking(true);  // hints follow the pointer without a button held
    createControls(programDirectory, chineseLayout);
    setCaptionLanguage([&language] { return int64_t{language.languageId()}; });
    refreshTooltips();
    markerTimer_.setInterval(kMarkerIntervalMs);
    connect(&markerTimer_, &QTimer::timeout, this,
            [this] { updateMarkers(mapFromGlobal(QCursor::pos()), window()->isActiveWindow()); });
    lineCommitTimer_.setInterval(kLineCommitIntervalMs);
    connect(&lineCommitTimer_, &QTimer::timeout, this, [this] {
        if (scrollLines_->latched()) commitScrollLines();
    });
    lineCommitTimer_.start();
}

void CDlgMainSet::enterEvent(QEnterEvent* event) {
    CSkinPage::enterEvent(event);
    markerTimer_.start();
}

void CDlgMainSet::leaveEvent(QEvent* event) {
    CSkinPage::leaveEvent(event);
    markerTimer_.stop();
    // The pointer is off the page: its last tick puts out the marker it lit.
    updateMarkers(mapFromGlobal(QCursor::pos()), window()->isActiveWindow());
}

void CDlgMainSet::createControls(const QString& programDirectory, bool chineseLayout) {
    const skin::PageSkin page =
        skin::pageSkin("settings", chineseLayout ? skin::Layout::Chinese : skin::Layout::English);
    const QImage& normal = normalImage();
    const QImage& down = downImage();
    const QImage& over = overImage();
    auto button = [&](const std::string& name, bool twoState) {
        auto* b = new CGDIBitmapBtn(this);
        b->setObjectName(QString::fromStdString(name));
        b->SetBitmaps(layoutRect(page, name), normal, over, down, normal);
        // Two-state buttons are turned on and off by the page's rules, never by the click alone.
        if (twoState) b->setCheckMode(CGDIBitmapBtn::CheckMode::Latch);
        return b;
    };

    for (int i = 0; i < kDpiChoiceCount; ++i) {
        dpi_[static_cast<size_t>(i)] = button("dpi" + std::to_string(i), true);
        // Each reads its own value; the shared tooltip would repeat after every one.
        dpi_[static_cast<size_t>(i)]->setAccessibleName(QString::fromStdString(dpiChoiceName(i)));
        setDescribedByToolTip(dpi_[static_cast<size_t>(i)], false);
        connect(dpi_[static_cast<size_t>(i)], &QAbstractButton::clicked, this,
                [this, i] { clickDpi(i); });
    }
    precision_ = button("precision", true);
    connect(precision_, &QAbstractButton::clicked, this, &CDlgMainSet::clickPrecision);
    for (int i = 0; i < kReportRateChoiceCount; ++i) {
        rates_[static_cast<size_t>(i)] = button("rate" + std::to_string(i), true);
        // One rate is in force: a radio group, each named by its rate.
        setAccessibleKind(rates_[static_cast<size_t>(i)], AccessibleKind::RadioButton);
        rates_[static_cast<size_t>(i)]->setAccessibleName(
            QString::fromStdString(reportRateName(i)));
        setDescribedByToolTip(rates_[static_cast<size_t>(i)], false);
        connect(rates_[static_cast<size_t>(i)], &QAbstractButton::clicked, this,
                [this, i] { clickReportRate(i); });
    }
    scrollLines_ = button("scrollLines", true);
    connect(scrollLines_, &QAbstractButton::clicked, this, &CDlgMainSet::clickScrollLines);
    scrollScreen_ = button("scrollScreen", true);
    // By lines or by screen: one of the two.
    setAccessibleKind(scrollLines_, AccessibleKind::RadioButton);
    setAccessibleKind(scrollScreen_, AccessibleKind::RadioButton);
    connect(scrollScreen_, &QAbstractButton::clicked, this, &CDlgMainSet::clickScrollScreen);
    lineUp_ = button("lineUp", false);
    connect(lineUp_, &QAbstractButton::clicked, this, [this] { stepLines(1); });
    lineDown_ = button("lineDown", false);
    connect(lineDown_, &QAbstractButton::clicked, this, [this] { stepLines(-1); });
    for (int i = 0; i < kButtonCount; ++i) {
        CGDIBitmapBtn* m = button("marker" + std::to_string(i), true);
        m->setHoverLooksEnabled(false);
        m->setAttribute(Qt::WA_TransparentForMouseEvents);  // a picture, lit by the page
        setAccessibleKind(m, AccessibleKind::Picture);
        markers_[static_cast<size_t>(i)] = m;
    }
    for (size_t i = 0; i < sectionLabels_.size(); ++i)
        sectionLabels_[i] = layoutRect(page, "label" + std::to_string(i + 1));

    // The built-in picture the slider tracks and the line-count field take their background from:
    // the button tabs' pressed look.
    const QImage background =
        loadResourceImage(chineseLayout ? res::kButtonTabsChinese : res::kButtonTabsEnglish);
    const QString thumb = skinPath(programDirectory, QStringLiteral("Slider.png"));
    auto slider = [&](const char* name, int id, int minimum, int maximum) {
        const QRect r = layoutRect(page, name);
        auto* s = new CPngHSliderBar(this);
        s->setObjectName(QString::fromLatin1(name));
        const QRect box = r.adjusted(0, -kThumbOverhang, 0, kThumbOverhang);
        s->Create(thumb, box.left(), box.top(), box.left() + box.width(), box.top() + box.height(),
                  this, id);
        s->SetBackground(box.left(), box.top(), box.width(), box.height(), background);
        s->SetTrackRect(box.left(), box.top(), box.left() + box.width(), box.top() + box.height());
        s->thumb()->SetPlacement(1);
        s->SetRange(minimum, maximum);
        connect(s, &CPngHSliderBar::sliderMoved, this, &CDlgMainSet::sliderMoved);
        return s;
    };
    speed_ = slider("speedSlider", kSpeedSliderId, kPointerSpeedMin, kPointerSpeedMax);
    height_ = slider("heightSlider", kHeightSliderId, kHeightSliderMin, kHeightSliderMax);

    // The Chinese layout's field is 16 pixels wide: two digits fit only without the edit's own
    // side margins.
    const QRect field = layoutRect(page, "lineCount").adjusted(0, 1, 0, -1);
    lineCount_ = new CBitmapEdit(this, kLineCountFontHeight);
    lineCount_->setTextMargins(-kEditSideMargin, 0, -kEditSideMargin, 0);
    lineCount_->setObjectName(QStringLiteral("lineCount"));
    lineCount_->setProperty("controlId", kLineCountId);
    lineCount_->setGeometry(field);
    lineCount_->SetBackground(field.x(), field.y(), field.width(), field.height(), background);
    lineCount_->setAlignment(Qt::AlignCenter);
    lineCount_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), lineCount_));
    QPalette palette = lineCount_->palette();
    palette.setColor(QPalette::Text, kLineCountColour);
    lineCount_->setPalette(palette);
    // Scrolling by screen disables the count: it must not look as if it took typing.
    lineCount_->SetDisabledLook(kLineCountColourOff);

    const int tabsPressed = chineseLayout ? res::kButtonTabsChinese : res::kButtonTabsEnglish;
    for (int i = 0; i < kButtonCount; ++i) {
        auto* tab = new CIrrButton(this);
        tab->setObjectName(QStringLiteral("button%1").arg(i));
        tab->Create(QString(), tabShape(page, i), this);
        // Normal, pressed (the selected look), hover, disabled.
        tab->SetBitmaps(tabsPressed + 1, tabsPressed + 2, tabsPressed, tabsPressed + 1);
        tab->setCheckMode(true);
        // Latched only shows that the function differs from the default: pressing opens the
        // picker.
        setAccessibleKind(tab, AccessibleKind::PushButton);
        // The picker runs its own loop: open it once the press has been handled.
        connect(
            tab, &QAbstractButton::clicked, this, [this, i] { openPicker(i); },
            Qt::QueuedConnection);
        tabs_[static_cast<size_t>(i)] = tab;
    }
    // The arrows walk the DPI choices (two lines of seven, each turned on or off by Space as by
    // a click) and the button tabs; in the report rates and the wheel's two ways they choose.
    makeKeyRow({dpi_.begin(), dpi_.end()}, kDpiChoiceCount / 2, false);
    makeKeyRow({rates_.begin(), rates_.end()}, kReportRateChoiceCount, true);
    makeKeyRow({scrollLines_, scrollScreen_}, 1, true);
    makeKeyRow({tabs_.begin(), tabs_.end()}, kButtonCount, false);
    releaseStateImages();  // every control holds its own cut now
}

QList<QWidget*> CDlgMainSet::tabChain() const {
    QList<QWidget*> chain(dpi_.begin(), dpi_.end());
    chain << speed_ << precision_ << height_;
    chain.append(QList<QWidget*>(rates_.begin(), rates_.end()));
    chain << scrollLines_ << lineCount_ << lineUp_ << lineDown_ << scrollScreen_;
    chain.append(QList<QWidget*>(tabs_.begin(), tabs_.end()));
    return chain;
}

void CDlgMainSet::refreshTooltips() {
    const QString dpi = languageText(language_, u"str_dpiwant");
    for (CGDIBitmapBtn* b : dpi_) b->SetTooltip(dpi, true);
    precision_->SetTooltip(languageText(language_, u"str_improveAccuracy"), true);
    const QString rate = languageText(language_, u"str_rollingrate");
    for (CGDIBitmapBtn* b : rates_) b->SetTooltip(rate, true);
    scrollLines_->SetTooltip(languageText(language_, u"str_rollerColumn"), true);
    scrollScreen_->SetTooltip(languageText(language_, u"str_rollerScreen"), true);

    const int64_t id = language_.languageId();
    auto program = [id](ProgramText t) { return QString::fromUtf8(programText(t, id)); };
    lineUp_->setAccessibleName(program(ProgramText::AccessMoreLines));
    lineDown_->setAccessibleName(program(ProgramText::AccessFewerLines));
    lineCount_->setAccessibleName(program(ProgramText::CaptionLinesPerNotch));
    speed_->setAccessibleName(program(ProgramText::CaptionPointerSpeed));
    speed_->setAccessibleDescription(languageText(language_, u"str_mouseSpeed"));
    height_->setAccessibleName(program(ProgramText::CaptionLiftOff));
    height_->setAccessibleDescription(languageText(language_, u"str_sheight"));
    for (int b = 0; b < kButtonCount; ++b) nameTab(b);
}

void CDlgMainSet::nameTab(int button) {
    // "Forward button: Ctrl + F": the button, then its function as the tab shows it.
    const int64_t id = language_.languageId();
    const auto which = static_cast<ProgramText>(static_cast<int>(ProgramText::ButtonLeft) + button);
    const std::string function = utf16ToUtf8(functionShown(button));
    tabs_[static_cast<size_t>(button)]->setAccessibleName(QString::fromStdString(formatText(
        programText(ProgramText::AccessNamedValue, id), {programText(which, id), function})));
}

std::u16string CDlgMainSet::functionShown(int button) const {
    const ProfileSettings& profile = profiles_.active();
    const CatalogueEntry* entry = findFunction(profile.button(button).functionType());
    const std::u16string key = entry ? utf8ToUtf16(entry->pickerKey) : std::u16string();
    const std::u16string_view text =
        key.empty() ? std::u16string_view() : std::u16string_view(language_.strings().text(key));
    return currentFunctionName(profile, profiles_.macroIdList(), macros_, button,
                               language_.languageId(), text);
}

void CDlgMainSet::refreshFromProfile() {
    const ProfileSettings& p = profiles_.active();
    std::array<uint32_t, kDpiLevelCount> levels{};
    for (int i = 0; i < kDpiLevelCount; ++i) levels[static_cast<size_t>(i)] = p.dpiLevel(i);
    const DpiSelection on = dpiSelectionFromLevels(levels);
    for (size_t i = 0; i < dpi_.size(); ++i) dpi_[i]->setLatched(on[i]);

    // A stored value outside the slider's range shows at the nearest end; the profile keeps it.
    speed_->SetPos(static_cast<int>(std::min<uint32_t>(p.pointerSpeed(), kPointerSpeedMax)));
    precision_->setLatched(p.enhancePrecision() == 1);
    height_->SetPos(static_cast<int>(std::min<uint32_t>(p.heightSlider(), kHeightSliderMax)));

    const int rate = z408::reportRateButton(p.reportRateCode());
    for (int i = 0; i < kReportRateChoiceCount; ++i)
        rates_[static_cast<size_t>(i)]->setLatched(i == rate);

    const bool byScreen = p.wheelLines() == -1;
    lineCountValue_ = byScreen ? 1 : p.wheelLines();
    scrollScreen_->setLatched(byScreen);
    scrollLines_->setLatched(!byScreen);
    lineCount_->setEnabled(!byScreen);
    lineUp_->setEnabled(!byScreen);
    lineDown_->setEnabled(!byScreen);

    for (int b = 0; b < kButtonCount; ++b) showTabLook(b);
    showLineCount();
}

void CDlgMainSet::commitScrollLines() {
    const LineCount committed = commitLineCount(lineCount_->text().toStdString());
    const QString text = QString::fromStdString(committed.text);
    if (lineCount_->text() != text) lineCount_->setText(text);
    lineCount_->setCursorPosition(static_cast<int>(text.size()));
    lineCountValue_ = committed.value;
    profiles_.active().setWheelLines(committed.value);
}

void CDlgMainSet::clickDpi(int index) {
    DpiSelection on{};
    for (size_t i = 0; i < dpi_.size(); ++i) on[i] = dpi_[i]->latched();
    clickDpiButton(on, index);
    for (size_t i = 0; i < dpi_.size(); ++i) dpi_[i]->setLatched(on[i]);
    const auto levels = dpiLevelsFromSelection(on);
    ProfileSettings& p = profiles_.active();
    for (int i = 0; i < kDpiLevelCount; ++i) p.setDpiLevel(i, levels[static_cast<size_t>(i)]);
}

void CDlgMainSet::clickPrecision() {
    precision_->setLatched(!precision_->latched());
    profiles_.active().setEnhancePrecision(precision_->latched() ? 1 : 0);
}

void CDlgMainSet::clickReportRate(int index) {
    if (index < 0 || index >= kReportRateChoiceCount) return;
    for (int i = 0; i < kReportRateChoiceCount; ++i)
        rates_[static_cast<size_t>(i)]->setLatched(i == index);
    profiles_.active().setReportRateCode(kReportRateChoices[static_cast<size_t>(index)].code);
}

void CDlgMainSet::sliderMoved(int value, int id) {
    if (value < 0) return;
    if (id == kSpeedSliderId) profiles_.active().setPointerSpeed(static_cast<uint32_t>(value));
    if (id == kHeightSliderId) profiles_.active().setHeightSlider(static_cast<uint32_t>(value));
}

void CDlgMainSet::setScrollByLines(bool byLines) {
    scrollLines_->setLatched(byLines);
    scrollScreen_->setLatched(!byLines);
    lineCount_->setEnabled(byLines);
    lineUp_->setEnabled(byLines);
    lineDown_->setEnabled(byLines);
    profiles_.active().setWheelLines(byLines ? lineCountValue_ : -1);
}

void CDlgMainSet::clickScrollLines() {
    setScrollByLines(true);
}

void CDlgMainSet::clickScrollScreen() {
    setScrollByLines(false);
}

void CDlgMainSet::stepLines(int step) {
    lineCountValue_ = stepLineCount(lineCountValue_, step);
    profiles_.active().setWheelLines(lineCountValue_);
    showLineCount();
}

void CDlgMainSet::showLineCount() {
    lineCount_->setText(QString::number(lineCountValue_));
}

void CDlgMainSet::showTabLook(int button) {
    tabs_[static_cast<size_t>(button)]->setLatched(differsFromDefault(profiles_.active(), button));
    nameTab(button);
}

void CDlgMainSet::openPicker(int button) {
    if (button < 0 || button >= kButtonCount || pickerButton_ != -1) return;
    pickerButton_ = button;
    ProfileSettings& profile = profiles_.active();
    const bool chinese = language_.ChineseTextFlag() != 0;
    // Stays translated whatever the user does in the picker.
    translateDisplayName(profile, button, chinese);
    // The picker's choice belongs to this profile: z408ctl may switch the window to another one
    // while the picker runs its own loop.
    const int entry = profiles_.activeEntry();
    std::optional<PickerChoice> choice;
    if (opener_) choice = opener_(button, QString::fromStdU16String(functionShown(button)));
    if (choice && profiles_.stillActive(entry)) {
        choice->button = button;
        AssignmentContext context;
        context.chinese = language_.ChineseTextFlag() != 0;
        context.languageId = language_.languageId();
        context.layout = layout_;
        context.macroName = [this](uint32_t id) -> std::optional<std::u16string> {
            const std::optional<size_t> slot = macros_.findMacroById(id);
            if (!slot) return std::nullopt;
            return macros_.slot(*slot).name();
        };
        const AssignmentResult result =
            assignFunction(profile, profiles_.macroIdList(), *choice, context);
        if (!result.message.empty()) notices_.info(result.message);
    }
    pickerButton_ = -1;
    showTabLook(button);
}

void CDlgMainSet::updateMarkers(const QPoint& pointerInPage, bool windowInFront) {
    for (size_t i = 0; i < tabs_.size(); ++i) {
        const QRect middle = tabs_[i]->geometry().adjusted(kMarkerInset, 0, -kMarkerInset, 0);
        markers_[i]->setLatched(windowInFront && middle.contains(pointerInPage));
    }
}

void CDlgMainSet::showHints(const QPoint& pos) {
    auto near = [&](const QRect& r) { return r.adjusted(-1, -1, 1, 1).contains(pos); };
    auto hint = [&](int number) { emit hintRequested(number); };
    for (const CGDIBitmapBtn* b : dpi_)
        if (near(b->geometry())) hint(main_set_hint::Dpi);
    if (near(speed_->geometry())) hint(main_set_hint::PointerSpeed);
    if (near(precision_->geometry())) hint(main_set_hint::Precision);
    if (near(height_->geometry())) hint(main_set_hint::Height);
    for (const CGDIBitmapBtn* b : rates_)
        if (near(b->geometry())) hint(main_set_hint::ReportRate);
    if (near(scrollLines_->geometry())) hint(main_set_hint::ScrollLines);
    if (near(scrollScreen_->geometry())) hint(main_set_hint::ScrollScreen);
    for (const CIrrButton* t : tabs_)
        if (near(t->geometry())) hint(main_set_hint::ButtonTab);
    constexpr std::array<int, 6> kSectionHints = {
        main_set_hint::DpiSection,  main_set_hint::PointerSpeed, main_set_hint::SensorSection,
        main_set_hint::RateSection, main_set_hint::WheelSection, main_set_hint::ButtonTab};
    for (size_t i = 0; i < sectionLabels_.size(); ++i)
        if (near(sectionLabels_[i])) hint(kSectionHints[i]);
}

void CDlgMainSet::mouseMoveEvent(QMouseEvent* event) {
    CSkinPage::mouseMoveEvent(event);
    showHints(event->position().toPoint());
}

}  // namespace z408
