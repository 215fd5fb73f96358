// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "app/dlg_info.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <limits>

#include "common/program_texts.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/keyboard_focus.h"
#include "widgets/skin_image.h"
#include "widgets/text_fit.h"

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

const QColor kTextColour(0x53, 0x61, 0x67);  // 0x00676153 as red, green, blue
const QColor kCaptionActive(0xFF, 0xFF, 0xFF);

QRect exclusive(const QRect& r) {
    return QRect(r.topLeft(), r.bottomRight() - QPoint(1, 1));
}

// One line of the message: the font's line spacing.
int lineStep() {
    return QFontMetrics(skinFont(14, QFont::Light)).lineSpacing();
}

// The form's image made `growth` pixels taller: the row just above the buttons is repeated, so
// the frame and the panel go on and the buttons' strip moves down whole.
QImage grown(const QImage& form, int growth) {
    if (form.isNull() || growth <= 0) return form;
    QImage out(form.width(), form.height() + growth, form.format());
    QPainter p(&out);
    p.drawImage(QPoint(0, 0), form, QRect(0, 0, form.width(), kMessageBottom));
    const QImage row = form.copy(0, kMessageBottom - 1, form.width(), 1);
    for (int y = 0; y < growth; ++y) p.drawImage(QPoint(0, kMessageBottom + y), row);
    p.drawImage(QPoint(0, kMessageBottom + growth), form,
                QRect(0, kMessageBottom, form.width(), form.height() - kMessageBottom));
    return out;
}

// The work area of the screen the box appears on.
QRect workArea(const QWidget* parent) {
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

}  // namespace

CDlgInfo::CDlgInfo(const QString& text, InfoButtons buttons, InfoCountdown countdown,
                   int64_t languageId, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      text_(text),
      caption_(QString::fromUtf8(programText(ProgramText::InfoBoxCaption, languageId))),
      twoButtons_(buttons == InfoButtons::OkCancel),
      countdownOn_(countdown == InfoCountdown::Closes),
      languageId_(languageId) {
    setWindowTitle(QStringLiteral("TarvoZ408InfoDlg"));
    setModal(true);
    const int* looks = twoButtons_ ? kTwoButtonLooks : kOneButtonLooks;
    const QImage form = loadResourceImage(looks[0]);
    const QImage pressed = loadResourceImage(looks[1]);
    const QImage hover = loadResourceImage(looks[2]);
    const QSize formSize = form.isNull() ? QSize(330, 170) : form.size();
    const QRect area = workArea(parent);
    // A long notice makes the box taller rather than losing its end, within the screen.
    growth_ = std::min(growthFor(text), std::max(0, area.height() - formSize.height()));
    background_ = grown(form, growth_);
    setFixedSize(formSize + QSize(0, growth_));

    auto makeButton = [&](const QRect& rect, const QString& caption) {
        auto* b = new CGDIBitmapBtn(this);
        const QRect r = exclusive(rect);
        b->SetBitmaps(r, form, hover, pressed, form);
        if (r.top() >= kMessageBottom) b->move(r.topLeft() + QPoint(0, growth_));
        b->SetText(caption);
        b->SetTextColors(kTextColour, kCaptionActive, kCaptionActive);
        return b;
    };
    close_ = makeButton(kCloseRect, QString());
    ok_ = makeButton(twoButtons_ ? kOkRectTwo : kOkRectOne, okText(0));
    connect(close_, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
    // The caption and the message are painted: a screen reader reads them as the box's name
    // and description, and the cross by what it does.
    setAccessibleName(caption_);
    setAccessibleDescription(text_);
    close_->setAccessibleName(QString::fromUtf8(programText(ProgramText::AccessClose, languageId)));
    if (twoButtons_) {
        cancel_ = makeButton(kCancelRect,
                             QString::fromUtf8(programText(ProgramText::InfoCancel, languageId)));
        connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
    }
    // OK holds the focus, so Enter still accepts and Space presses OK; Tab goes on to Cancel
    // and the close button.
    chainTabOrder({ok_, cancel_, close_});
    ok_->setFocus(Qt::OtherFocusReason);

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
    const QString ok = QString::fromUtf8(programText(ProgramText::InfoOk, languageId_));
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

QStringList CDlgInfo::messageLines(const QString& text) {
    const QFont font = skinFont(14, QFont::Light);
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        const QStringList wrapped =
            wrappedLines(paragraph, font, kMessageArea.width(), std::numeric_limits<int>::max());
        if (wrapped.isEmpty())
            lines << QString();
        else
            lines << wrapped;
    }
    return lines;
}

int CDlgInfo::growthFor(const QString& text) {
    const int needed = static_cast<int>(messageLines(text).size()) * lineStep();
    return std::clamp(needed - kMessageArea.height(), 0, kMaxGrowth);
}

bool CDlgInfo::messageFits(const QString& text) {
    return static_cast<int>(messageLines(text).size()) * lineStep() <=
           kMessageArea.height() + kMaxGrowth;
}

QStringList CDlgInfo::shownLines() const {
    QStringList lines = messageLines(text_);
    const int room = std::max(1, (kMessageArea.height() + growth_) / lineStep());
    if (lines.size() > room) {
        noteOverflow(text_, static_cast<int>(lines.size()) * lineStep(), room * lineStep(), this);
        // The last line that has room takes the rest, cut with an ellipsis.
        QStringList rest = lines.mid(room - 1);
        lines = lines.mid(0, room - 1);
        lines << QFontMetrics(skinFont(14, QFont::Light))
                     .elidedText(rest.join(QLatin1Char(' ')), Qt::ElideRight, kMessageArea.width());
    }
    return lines;
}

void CDlgInfo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!background_.isNull()) p.drawImage(0, 0, background_);
    p.setFont(skinFont(14, QFont::Light));
    p.setPen(kTextColour);
    p.drawText(kTitleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               fitLine(caption_, p, kTitleRect.width()));
    // From the text's first line down to the buttons, which the box moved down as far as the
    // text needs.
    const QStringList lines = shownLines();
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(QRect(kMessageArea.left(), kMessageArea.top() + i * lineStep(),
                         kMessageArea.width(), lineStep()),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, lines[i]);
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
