// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/preset_menu.h"

#include <QMouseEvent>
#include <QPainter>

#include "widgets/skin_image.h"
#include "widgets/text_fit.h"

namespace z408 {

CPresetMenu::CPresetMenu(QWidget* owner) : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint) {
    setMouseTracking(true);
    setFont(skinFont(14, QFont::Normal));
}

void CPresetMenu::CreateMenuEx(QWidget* owner, int itemHeight, const QPoint& screenPos,
                               const QColor (&textColours)[3], const QImage (&looks)[3],
                               const QVector<Item>& items) {
    if (owner && owner != parentWidget()) setParent(owner, windowFlags());
    itemHeight_ = std::max(1, itemHeight);
    for (int i = 0; i < 3; ++i) {
        looks_[i] = looks[i];
        text_[i] = textColours[i];
    }
    items_ = items;
    hot_ = -1;
    resize(sizeHint());
    move(screenPos);
    show();
}

QSize CPresetMenu::sizeHint() const {
    const int width = looks_[0].isNull() ? 200 : looks_[0].width();
    return QSize(width, itemHeight_ * static_cast<int>(items_.size()));
}

int CPresetMenu::itemAt(const QPoint& pos) const {
    if (!rect().contains(pos)) return -1;
    const int index = pos.y() / itemHeight_;
    return index < items_.size() ? index : -1;
}

void CPresetMenu::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int i = 0; i < items_.size(); ++i) {
        const int state = i == hot_ ? (pressed_ ? 2 : 1) : 0;
        const QRect r(0, i * itemHeight_, width(), itemHeight_);
        if (looks_[state].isNull())
            p.fillRect(r, state ? QColor(0, 147, 209) : QColor(30, 32, 36));
        else
            p.drawImage(r, looks_[state]);
        p.setPen(text_[state]);
        const QRect textRect = r.adjusted(12, 0, -20, 0);
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   fitLine(items_[i].text, p.font(), textRect.width(), this));
    }
}

void CPresetMenu::mouseMoveEvent(QMouseEvent* event) {
    const int now = itemAt(event->position().toPoint());
    if (now != hot_) {
        hot_ = now;
        update();
    }
}

void CPresetMenu::mousePressEvent(QMouseEvent* event) {
    // A press outside the menu closes it, as losing the focus would.
    if (!rect().contains(event->position().toPoint())) {
        close();
        return;
    }
    pressed_ = true;
    update();
}

void CPresetMenu::mouseReleaseEvent(QMouseEvent* event) {
    pressed_ = false;
    const int index = itemAt(event->position().toPoint());
    update();
    if (index < 0) return;
    const int id = items_[index].id;
    emit presetChosen(id);
}

void CPresetMenu::leaveEvent(QEvent* event) {
    hot_ = -1;
    update();
    QWidget::leaveEvent(event);
}

}  // namespace z408
