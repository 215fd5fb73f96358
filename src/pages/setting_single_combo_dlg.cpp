// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "pages/setting_single_combo_dlg.h"

#include <QKeyEvent>
#include <QPainter>

#include "functions/key_tables.h"
#include "skin/skin_layout.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/message_event.h"
#include "widgets/skin_image.h"
#include "widgets/text_fit.h"

namespace z408 {
namespace {

// In KeyCapture::Box order.
constexpr std::array<const char*, KeyCapture::kBoxCount> kBoxNames = {"ctrl", "alt", "shift",
                                                                      "win"};
// What the modifier boxes are called, as keyboards print them.
constexpr std::array<const char*, KeyCapture::kBoxCount> kBoxCaptions = {"Ctrl", "Alt", "Shift",
                                                                         "Win"};
const QRect kKeyArea(QPoint(168, 77), QPoint(325, 99));
const QRect kKeyText(QPoint(170, 77), QPoint(325, 99));
const QColor kKeyColour(23, 148, 195);
constexpr int kTextCell = 14;

}  // namespace

CSetting_SingleComboDlg::CSetting_SingleComboDlg(const QString& programDirectory,
                                                 bool chineseLayout,
                                                 const KeyboardLayout& keyboardLayout,
                                                 bool hookAvailable, QWidget* parent)
    : CSkinPage(QStringLiteral("combo"), programDirectory, chineseLayout, parent),
      keyboardLayout_(keyboardLayout),
      sink_(std::make_unique<QtMessageSink>(this)),
      source_(hookAvailable ? KeySource::Undecided : KeySource::OwnEvents) {
    const skin::PageSkin layout =
        skin::pageSkin("combo", chineseLayout ? skin::Layout::Chinese : skin::Layout::English);
    for (size_t b = 0; b < boxes_.size(); ++b) {
        auto* box =
            makeSkinButton(this, layout, kBoxNames[b], normalImage(), downImage(), overImage());
        box->setCheckMode(CGDIBitmapBtn::CheckMode::Toggle);
        box->setAccessibleName(QString::fromLatin1(kBoxCaptions[b]));
        connect(box, &QAbstractButton::clicked, this, [this, b, box] {
            capture_.setBox(static_cast<KeyCapture::Box>(b), box->latched());
        });
        boxes_[b] = box;
    }
    releaseStateImages();
    hookWait_.setSingleShot(true);
    hookWait_.setInterval(kHookWaitMs);
    connect(&hookWait_, &QTimer::timeout, this, &CSetting_SingleComboDlg::hookStayedSilent);
}

CSetting_SingleComboDlg::~CSetting_SingleComboDlg() = default;

MessageSink& CSetting_SingleComboDlg::hookSink() {
    return *sink_;
}

bool CSetting_SingleComboDlg::event(QEvent* event) {
    if (event->type() == MessageEvent::eventType()) {
        const auto* m = static_cast<MessageEvent*>(event);
        if (m->msg() == Msg::HookEvent)
            hookKey(static_cast<uint32_t>(m->wParam()), static_cast<uint32_t>(m->lParam()));
        return true;
    }
    return CSkinPage::event(event);
}

void CSetting_SingleComboDlg::hookKey(uint32_t key, uint32_t flags) {
    // Once the page has taken keys from its own window, the hook's late copies would count
    // every press twice (and a modifier toggled twice is no toggle at all).
    if (source_ == KeySource::OwnEvents) return;
    if (source_ == KeySource::Undecided) {
        source_ = KeySource::Hook;
        hookWait_.stop();
        waiting_.clear();
    }
    applyKey(key, flags);
}

void CSetting_SingleComboDlg::ownKeyEvent(const QKeyEvent& event) {
    const HookKey k = hookKeyOf(event);
    if (k.key == 0) return;
    switch (source_) {
        case KeySource::Hook:
            return;
        case KeySource::OwnEvents:
            applyKey(k.key, k.flags);
            return;
        case KeySource::Undecided:
            waiting_.push_back(k);
            if (!hookWait_.isActive()) hookWait_.start();
            return;
    }
}

void CSetting_SingleComboDlg::hookStayedSilent() {
    if (source_ != KeySource::Undecided) return;
    source_ = KeySource::OwnEvents;
    const std::vector<HookKey> keys = std::move(waiting_);
    waiting_.clear();
    for (const HookKey& k : keys) applyKey(k.key, k.flags);
}

void CSetting_SingleComboDlg::applyKey(uint32_t key, uint32_t flags) {
    constexpr uint32_t kReleased = 0x80;
    if (startingKey_ != 0) {
        const bool starting = key == startingKey_;
        if (!starting || (flags & kReleased)) startingKey_ = 0;
        if (starting) return;
    }
    if (!(flags & kReleased))
        held_.insert(key);
    else if (held_.erase(key) == 0)
        return;
    if (capture_.keyEvent(key, flags)) {
        update(kKeyArea);
    } else {
        for (size_t b = 0; b < boxes_.size(); ++b)
            boxes_[b]->setLatched(capture_.boxOn(static_cast<KeyCapture::Box>(b)));
    }
    if ((flags & kReleased) && !KeyCapture::boxOfKey(key)) emit combinationTyped();
}

QString CSetting_SingleComboDlg::keyText() const {
    if (capture_.key() == 0) return {};
    return QString::fromStdString(keyName(capture_.key(), keyboardLayout_));
}

void CSetting_SingleComboDlg::paintEvent(QPaintEvent* event) {
    CSkinPage::paintEvent(event);
    const QString text = keyText();
    if (text.isEmpty()) return;
    QPainter p(this);
    p.setFont(skinFont(kTextCell, QFont::Light));
    p.setPen(kKeyColour);
    const QString shown = fitLine(text, p, kKeyText.width());
    p.drawText(kKeyText, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

}  // namespace z408
