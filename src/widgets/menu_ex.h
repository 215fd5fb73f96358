// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A skinned popup menu: items of 22 pixels with a small icon and a text, separators, a hot item
// under the pointer. Choosing an item emits itemChosen with the item's data; the owner closes the
// menu.
#include <QImage>
#include <QVector>

#include "widgets/wnd_popup.h"

namespace z408 {

class CMenuEx : public CWndPopup {
    Q_OBJECT
    Q_PROPERTY(int hotItem READ hotItem)

  public:
    struct Item {
        bool separator = false;
        int id = 0;  // also the icon's resource number
        intptr_t data = 0;
        QImage icon;
        QString text;
        QRect rect;
    };

    explicit CMenuEx(QWidget* owner = nullptr);

    void AddItem(const QString& text, int iconResource, intptr_t itemData);
    void AddItem(const QString& text, const QImage& icon, intptr_t itemData);
    void AddSeparator();
    const QVector<Item>& items() const { return items_; }
    int hotItem() const { return hot_; }
    QSize sizeHint() const override { return size(); }

  signals:
    void itemChosen(intptr_t data);

  protected:
    void drawTexts(QPainter& p) const override;
    void drawImages(QPainter& p) const override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void layoutItems();
    int itemAt(const QPoint& pos) const;
    void setHot(int index);

    QVector<Item> items_;
    int hot_ = -1;
};

}  // namespace z408
