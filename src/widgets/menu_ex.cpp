// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/menu_ex.h"

#include <QMouseEvent>
#include <QPainter>

#include "widgets/skin_image.h"
#include "widgets/text_fit.h"

namespace z408 {

namespace {
constexpr int kTop = 6, kItemHeight = 22, kSeparatorHeight = 4, kWidth = 116;
const QColor kHot(0, 147, 209), kHotText(245, 245, 245), kText(5, 5, 5), kSeparator(245, 245, 245);
}  // namespace

CMenuEx::CMenuEx(QWidget* owner) : CWndPopup(owner) {
    setMouseTracking(true);
    layoutItems();
}

void CMenuEx::AddItem(const QString& text, int iconResource, intptr_t itemData) {
    AddItem(text, loadResourceImage(iconResource), itemData);
    items_.back().id = iconResource;
}

void CMenuEx::AddItem(const QString& text, const QImage& icon, intptr_t itemData) {
    Item item;
    item.text = text;
    item.icon = icon;
    item.data = itemData;
    items_.push_back(item);
    layoutItems();
}

void CMenuEx::AddSeparator() {
    Item item;
    item.separator = true;
    items_.push_back(item);
    layoutItems();
}

void CMenuEx::layoutItems() {
    int y = kTop;
    for (Item& item : items_) {
        if (item.separator) {
            item.rect = QRect(QPoint(32, y + 2), QPoint(109, y + 2));
            y += kSeparatorHeight;
        } else {
            item.rect = QRect(6, y, 104, kItemHeight);
            y += kItemHeight;
        }
    }
    setFixedSize(kWidth, y + 3);
    update();
}

void CMenuEx::drawTexts(QPainter& p) const {
    p.setFont(popupFont());
    for (int i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        if (item.separator) {
            p.fillRect(item.rect, kSeparator);
            continue;
        }
        if (i == hot_) p.fillRect(item.rect, kHot);
        p.setPen(i == hot_ ? kHotText : kText);
        const QRect textRect(item.rect.left() + 30, item.rect.top(), 82, item.rect.height());
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   fitLine(item.text, p.font(), textRect.width(), this));
    }
}

void CMenuEx::drawImages(QPainter& p) const {
    for (const Item& item : items_) {
        if (item.separator || item.icon.isNull()) continue;
        const int x = item.rect.left() + (25 - item.icon.width()) / 2;
        const int y = item.rect.top() + (item.rect.height() - item.icon.height()) / 2;
        p.drawImage(x, y, item.icon);
    }
}

int CMenuEx::itemAt(const QPoint& pos) const {
    for (int i = 0; i < items_.size(); ++i)
        if (!items_[i].separator && items_[i].rect.contains(pos)) return i;
    return -1;
}

void CMenuEx::setHot(int index) {
    if (index == hot_) return;
    hot_ = index;
    update();
}

void CMenuEx::mouseMoveEvent(QMouseEvent* event) {
    setHot(itemAt(event->position().toPoint()));
}

void CMenuEx::mousePressEvent(QMouseEvent* event) {
    // A press outside the popup closes it; inside, the choice is made on release.
    if (!rect().contains(event->position().toPoint())) close();
}

void CMenuEx::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint pos = event->position().toPoint();
    if (hot_ >= 0 && hot_ < items_.size() && items_[hot_].rect.contains(pos)) {
        const intptr_t chosen = items_[hot_].data;
        emit itemChosen(chosen);
    }
}

void CMenuEx::leaveEvent(QEvent* event) {
    setHot(-1);
    CWndPopup::leaveEvent(event);
}

}  // namespace z408
