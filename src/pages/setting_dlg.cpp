// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "pages/setting_dlg.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "common/program_texts.h"
#include "i18n/language_context.h"
#include "pages/setting_advance_dlg.h"
#include "pages/setting_base_dlg.h"
#include "pages/setting_macro_dlg.h"
#include "pages/setting_single_combo_dlg.h"
#include "shell/window_directory.h"
#include "skin/skin_layout.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/keyboard_focus.h"
#include "widgets/skin_accessible.h"
#include "widgets/skin_image.h"
#include "widgets/text_fit.h"

namespace z408 {
namespace {

struct TabSpec {
    const char* layoutName;
    const char16_t* textKey;
};
// In page order.
constexpr std::array<TabSpec, kPickerPageCount> kTabs = {{
    {"tabCombo", u"str_key_com"},
    {"tabMacro", u"str_macro_set"},
    {"tabBasic", u"str_basic"},
    {"tabAdvanced", u"str_advance"},
}};

const QPoint kPagePosition(21, 74);
const QRect kTitleRect(QPoint(75, 1), QPoint(316, 19));
// Runs on under the title to the close button: the function's name in the person's language
// ("Riduci a icona tutte le finestre") needs more than the space left of the title.
const QRect kCurrentRect(QPoint(5, 16), QPoint(369, 37));
const QRect kDisableLabelRect(QPoint(46, 258), QPoint(105, 277));
const QColor kTitleColour(88, 95, 105);
const QColor kTextColour(189, 189, 200);
const QColor kTabText(83, 97, 103);
constexpr int kTextCell = 14;

void drawLine(QPainter& p, const QRect& r, const QString& text, Qt::Alignment align) {
    const QString shown = fitLine(text, p, r.width());
    p.drawText(r, static_cast<int>(align | Qt::AlignVCenter | Qt::TextSingleLine), shown);
}

}  // namespace

CSettingDlg::CSettingDlg(const PickerContext& context, int button, const QString& currentFunction,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      context_(context),
      currentFunction_(currentFunction) {
    setModal(true);
    choice_.button = button;
    const bool chineseLayout = context_.language.ChineseLayoutFlag() != 0;
    const skin::PageSkin layout =
        skin::pageSkin("picker", chineseLayout ? skin::Layout::Chinese : skin::Layout::English);
    const std::array<QString, 3> paths =
        skinImagePaths(QStringLiteral("picker"), context_.programDirectory, chineseLayout);
    normal_ = LoadSkinImage(paths[0]);
    const QImage down = LoadSkinImage(paths[1]);
    const QImage over = LoadSkinImage(paths[2]);
    setFixedSize(normal_.isNull() ? QSize(layout.width, layout.height) : normal_.size());

    // Centred on the owner window, or on the screen without one.
    const QRect around = parent ? parent->window()->frameGeometry()
                                : (QGuiApplication::primaryScreen()
                                       ? QGuiApplication::primaryScreen()->availableGeometry()
                                       : QRect(0, 0, width(), height()));
    move(around.left() + (around.width() - width()) / 2,
         around.top() + (around.height() - height()) / 2);

    auto make = [&](const char* name) {
        return makeSkinButton(this, layout, name, normal_, down, over);
    };
    close_ = make("close");
    for (size_t i = 0; i < kTabs.size(); ++i) {
        auto* t = make(kTabs[i].layoutName);
        t->setCheckMode(CGDIBitmapBtn::CheckMode::Latch);
        setAccessibleKind(t, AccessibleKind::PageTab);
        t->SetTextColors(kTabText, Qt::white, Qt::white);
        const auto page = static_cast<PickerPage>(i + 1);
        connect(t, &QAbstractButton::clicked, this, [this, page] { showPage(page); });
        tabs_[i] = t;
    }
    disable_ = make("disable");
    disable_->setCheckMode(CGDIBitmapBtn::CheckMode::Toggle);
    default_ = make("default");
    ok_ = make("ok");
    connect(close_, &QAbstractButton::clicked, this, &CSettingDlg::pressClose);
    connect(disable_, &QAbstractButton::clicked, this,
            [this] { showPage(PickerPage::KeyCombination); });
    connect(default_, &QAbstractButton::clicked, this, &CSettingDlg::pressDefault);
    connect(ok_, &QAbstractButton::clicked, this, &CSettingDlg::pressOk);

    const bool hookAvailable = context_.hook && context_.windows && context_.hook->installed();
    const LanguageStrings& texts = context_.language.strings();
    combo_ = new CSetting_SingleComboDlg(context_.programDirectory, chineseLayout,
                                         context_.keyboardLayout, hookAvailable, this);
    macro_ = new CSetting_MacroDlg(context_.programDirectory, chineseLayout,
                                   context_.language.ChineseTextFlag() != 0,
                                   context_.language.languageId(), context_.macros, this);
    base_ = new CSetting_BaseDlg(context_.programDirectory, chineseLayout, texts, this);
    advanced_ = new CSetting_AdvanceDlg(context_.programDirectory, chineseLayout, button, texts,
                                        context_.notices, this);
    pages_ = {combo_, macro_, base_, advanced_};
    for (CSkinPage* p : pages_) {
        LanguageContext& language = context_.language;
        p->setCaptionLanguage([&language] { return int64_t{language.languageId()}; });
        p->move(kPagePosition);
        p->hide();
    }
    if (hookAvailable) context_.windows->add(kKeyPageWindowId, &combo_->hookSink());
    connect(combo_, &CSetting_SingleComboDlg::combinationTyped, this,
            &CSettingDlg::endCaptureForKeyboard);

    // Tab: the page tabs, the shown page, then the disable box, Default, OK and close.
    QList<QWidget*> chain(tabs_.begin(), tabs_.end());
    for (CSkinPage* p : pages_) chain.append(p->tabChain());
    chain << disable_ << default_ << ok_ << close_;
    chainTabOrder(chain);
    makeKeyRow({tabs_.begin(), tabs_.end()}, kPickerPageCount, false);

    // Keys are looked at before any control of the picker sees them.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);

    refreshTexts();
    showPage(PickerPage::KeyCombination);
}

CSettingDlg::~CSettingDlg() {
    stopForwarding();
    listenForKeys(false);
    if (context_.windows) context_.windows->remove(kKeyPageWindowId, &combo_->hookSink());
}

void CSettingDlg::refreshTexts() {
    const LanguageStrings& texts = context_.language.strings();
    auto t = [&](const char16_t* key) { return QString::fromStdU16String(texts.text(key)); };
    for (size_t i = 0; i < kTabs.size(); ++i) {
        tabs_[i]->SetText(t(kTabs[i].textKey));
        tabs_[i]->SetTooltip(t(kTabs[i].textKey), true);
    }
    disable_->SetTooltip(t(u"str_disable"), true);
    default_->SetText(t(u"str_default_setting"));
    default_->SetTooltip(t(u"str_default_setting"), true);
    ok_->SetText(t(u"str_ok"));
    ok_->SetTooltip(t(u"str_ok"), true);
    close_->setAccessibleName(
        QString::fromUtf8(programText(ProgramText::AccessClose, context_.language.languageId())));
    advanced_->setTooltips();
    update();
}

bool CSettingDlg::disabled() const {
    return disable_->latched();
}

void CSettingDlg::showPage(PickerPage page) {
    if (disabled()) {
        for (CGDIBitmapBtn* t : tabs_) t->setLatched(false);
        for (CSkinPage* p : pages_) p->hide();
        listenForKeys(false);
        return;
    }
    current_ = page;
    captureEnded_ = false;
    for (size_t i = 0; i < pages_.size(); ++i) {
        tabs_[i]->setLatched(i == index(page));
        pages_[i]->setVisible(i == index(page));
    }
    listenForKeys(page == PickerPage::KeyCombination);
    if (page == PickerPage::KeyCombination && KeyboardFocus::keyboardLeads()) {
        constexpr uint32_t kEnterKey = 0x0D, kSpaceKey = 0x20;
        const nav::Key k = KeyboardFocus::lastActivationKey();
        if (k == nav::Key::Enter || k == nav::Key::Space)
            combo_->ignoreStartingKey(k == nav::Key::Enter ? kEnterKey : kSpaceKey);
    }
    if (!context_.hook) return;
    if (page == PickerPage::KeyCombination && context_.windows) {
        context_.hook->setTarget(kKeyPageWindowId);
        context_.hook->setForwarding(HookInputs::Keyboard);
    } else {
        context_.hook->setForwarding(HookInputs::Neither);
    }
}

void CSettingDlg::toggleDisable() {
    disable_->setLatched(!disable_->latched());
    showPage(PickerPage::KeyCombination);
}

void CSettingDlg::pressOk() {
    if (disabled()) {
        fillDisableChoice(choice_);
    } else if (!combo_->isHidden()) {
        combo_->fillChoice(choice_);
    } else if (!macro_->isHidden()) {
        macro_->fillChoice(choice_);
    } else if (!base_->isHidden()) {
        base_->fillChoice(choice_);
    } else if (!advanced_->isHidden()) {
        advanced_->fillChoice(choice_);
    }
    finish();
}

void CSettingDlg::pressDefault() {
    fillDefaultChoice(choice_);
    finish();
}

void CSettingDlg::pressClose() {
    done(QDialog::Rejected);
}

void CSettingDlg::finish() {
    done(choice_.value != 0 ? QDialog::Accepted : QDialog::Rejected);
}

void CSettingDlg::done(int result) {
    // Every way out, the window manager's close included, ends the key forwarding.
    stopForwarding();
    listenForKeys(false);
    QDialog::done(result);
}

void CSettingDlg::stopForwarding() {
    if (context_.hook) context_.hook->setForwarding(HookInputs::Neither);
}

bool CSettingDlg::capturing() const {
    return !disabled() && !combo_->isHidden() && !captureEnded_;
}

void CSettingDlg::listenForKeys(bool on) {
    // The keys the capture takes are its own, not the keyboard's navigation.
    if (on)
        KeyboardFocus::setListeningWindow(this, false);
    else if (KeyboardFocus::listening(this))
        KeyboardFocus::setListeningWindow(nullptr, false);
}

void CSettingDlg::endCaptureForKeyboard() {
    // Someone using the pointer goes on changing the key until OK is clicked, as always.
    if (!capturing() || !KeyboardFocus::keyboardLeads()) return;
    pauseCapture();
    ok_->setFocus(Qt::TabFocusReason);
}

void CSettingDlg::pauseCapture() {
    captureEnded_ = true;
    listenForKeys(false);
    stopForwarding();
}

bool CSettingDlg::keyEvent(QObject* watched, QKeyEvent* event) {
    // While the key page is shown every key is the user's answer to it and nothing else; the
    // event is taken at its first receiver, so it is counted once.
    if (capturing()) {
        combo_->ownKeyEvent(*event);
        return true;
    }
    const nav::Chord chord = chordOf(*event);
    const nav::WindowCommand command = nav::windowCommand(chord, 0);
    if (command.action != nav::WindowAction::None) {
        if (event->type() == QEvent::KeyPress && !disabled()) {
            const int step = command.action == nav::WindowAction::NextPage ? 1 : -1;
            const auto next = static_cast<PickerPage>(
                nav::cyclePage(static_cast<int>(current_), kPickerPageCount, step));
            showPage(next);
            // Passing the key page on the way to another must not start a capture there: Space
            // or Enter on its tab does.
            if (next == PickerPage::KeyCombination) pauseCapture();
            tab(next)->setFocus(Qt::TabFocusReason);
        }
        return true;
    }
    // Space and Enter press the focused control; Escape and stray Enters close nothing.
    if (nav::activates(chord) && watched != this && watched == QApplication::focusWidget())
        return false;
    return isDiscardedKey(event);
}

bool CSettingDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        return keyEvent(watched, static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

void CSettingDlg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!normal_.isNull()) p.drawImage(0, 0, normal_);
    const LanguageStrings& texts = context_.language.strings();
    p.setFont(skinFont(kTextCell, QFont::Light));
    p.setPen(kTitleColour);
    drawLine(p, kTitleRect, QString::fromStdU16String(texts.text(u"str_panel")), Qt::AlignHCenter);
    p.setPen(kTextColour);
    drawLine(p, kCurrentRect,
             QString::fromStdU16String(texts.text(u"str_cur_function")) + currentFunction_,
             Qt::AlignLeft);
    drawLine(p, kDisableLabelRect, QString::fromStdU16String(texts.text(u"str_disable")),
             Qt::AlignLeft);
}

// The surface moves the picker, as a caption would.
void CSettingDlg::mousePressEvent(QMouseEvent* event) {
    drag_.press(*event);
}
void CSettingDlg::mouseMoveEvent(QMouseEvent* event) {
    drag_.move(*event);
}
void CSettingDlg::mouseReleaseEvent(QMouseEvent* event) {
    drag_.release(*event);
}

}  // namespace z408
