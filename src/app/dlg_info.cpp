// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "app/dlg_info.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "common/program_texts.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/keyboard_focus.h"
#include "widgets/skin_image.h"

namespace z408 {
namespace {

// Resource numbers of the two forms: background (normal), pressed, hover.
constexpr int kTwoButtonLooks[3] = {1006, 1008, 1004};
constexpr int kOneButtonLooks[3] = {1007, 1009, 1005};

const QRect kCloseRect(QPoint(300, 0), QPoint(329, 29));
const QRect kOkRectOne(QPoint(240, 127), QPoint(306, 159));
const QRect kOkRectTwo(QPoint(178, 127), QPoint(244, 159));
const QRect kCancelRect(QPoint(245, 127), QPoint(311, 159));
const QRect kTitleRect(QPoint(10, 9), QPoint(100, 23));
const QRect kMessageRect(QPoint(90, 73), QPoint(305, 91));
constexpr int kMessageBottom = 124;  // just above the buttons
const QRect kMessageArea(kMessageRect.left(), kMessageRect.top(), kMessageRect.width(),
                         kMessageBottom - kMessageRect.top());
constexpr int kMessageFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

const QColor kTextColour(0x53, 0x61, 0x67);  // 0x00676153 as red, green, blue
const QColor kCaptionActive(0xFF, 0xFF, 0xFF);

QRect exclusive(const QRect& r) {
    return QRect(r.topLeft(), r.bottomRight() - QPoint(1, 1));
}

// The work area of the screen the box appears on.
QRect workArea(const QWidget* parent) {
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

}  // namespace

CDlgInfo::CDlgInfo(const QString& text, InfoButtons buttons, InfoCountdown countdown, bool chinese,
                   int64_t languageId, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      text_(text),
      caption_(QString::fromUtf8(programText(ProgramText::InfoBoxCaption, languageId))),
      twoButtons_(buttons == InfoButtons::OkCancel),
      countdownOn_(countdown == InfoCountdown::Closes),
      chinese_(chinese) {
    setWindowTitle(QStringLiteral("TarvoZ408InfoDlg"));
    setModal(true);
    const int* looks = twoButtons_ ? kTwoButtonLooks : kOneButtonLooks;
    background_ = loadResourceImage(looks[0]);
    const QImage pressed = loadResourceImage(looks[1]);
    const QImage hover = loadResourceImage(looks[2]);
    setFixedSize(background_.isNull() ? QSize(330, 170) : background_.size());

    auto makeButton = [&](const QRect& rect, const QString& caption) {
        auto* b = new CGDIBitmapBtn(this);
        const QRect r = exclusive(rect);
        b->SetBitmaps(r, background_, hover, pressed, background_);
        b->SetText(caption);
        b->SetTextColors(kTextColour, kCaptionActive, kCaptionActive);
        return b;
    };
    close_ = makeButton(kCloseRect, QString());
    ok_ = makeButton(twoButtons_ ? kOkRectTwo : kOkRectOne, okText(0));
    connect(close_, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
    if (twoButtons_) {
        cancel_ =
            makeButton(kCancelRect, chinese ? QStringLiteral("取消") : QStringLiteral("Cancel"));
        connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
    }
    // OK holds the focus, so Enter still accepts and Space presses OK; Tab goes on to Cancel
    // and the close button.
    chainTabOrder({ok_, cancel_, close_});
    ok_->setFocus(Qt::OtherFocusReason);

    const QRect area = workArea(parent);
    if (countdownOn_) {
        remaining_ = kCountdownSeconds;
        ok_->SetText(okText(remaining_));
        // Out of the way in the lower right corner while it counts down.
        move(area.left() + area.width() - width() - 10, area.top() + area.height() - height());
        countdown_.setInterval(kCountdownTickMs);
        connect(&countdown_, &QTimer::timeout, this, &CDlgInfo::countdownTick);
        countdown_.start();
    } else {
        move(area.center() - rect().center());
    }
}

QString CDlgInfo::okText(int seconds) const {
    const QString ok = chinese_ ? QStringLiteral("确定") : QStringLiteral("OK");
    if (!countdownOn_) return ok;
    return QStringLiteral("%1 (%2s)").arg(ok).arg(seconds);
}

QString CDlgInfo::okCaption() const {
    return ok_->text();
}

void CDlgInfo::countdownTick() {
    if (remaining_ <= 0) {
        countdown_.stop();
        reject();
        return;
    }
    ok_->SetText(okText(remaining_));
    --remaining_;
}

void CDlgInfo::done(int result) {
    countdown_.stop();
    QDialog::done(result);
}

bool CDlgInfo::messageFits(const QString& text) {
    const QFontMetrics fm(skinFont(14, QFont::Light));
    return fm.boundingRect(kMessageArea, kMessageFlags, text).height() <= kMessageArea.height();
}

void CDlgInfo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!background_.isNull()) p.drawImage(0, 0, background_);
    p.setFont(skinFont(14, QFont::Light));
    p.setPen(kTextColour);
    p.drawText(kTitleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
    // Word-wrapped from the text's first line down to the buttons; what does not fit ends in an
    // ellipsis.
    const QFontMetrics fm(p.font());
    QString shown = text_;
    if (!messageFits(shown)) {
        while (!shown.isEmpty() &&
               fm.boundingRect(kMessageArea, kMessageFlags, shown + QStringLiteral("…")).height() >
                   kMessageArea.height())
            shown.chop(1);
        shown += QStringLiteral("…");
    }
    p.drawText(kMessageArea, kMessageFlags, shown);
}

void CDlgInfo::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            accept();
            return;
        case Qt::Key_Escape:
            reject();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void CDlgInfo::mousePressEvent(QMouseEvent* event) {
    // The box has no title bar: it is dragged by its body.
    if (event->button() == Qt::LeftButton && windowHandle()) windowHandle()->startSystemMove();
    QDialog::mousePressEvent(event);
}

}  // namespace z408
