// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The macro page's game-preset menu: a popup column of skinned items (normal, hover and pressed
// item images) under the preset button. Choosing an item emits presetChosen with the item's id;
// the page closes the menu.
#include <QImage>
#include <QVector>
#include <QWidget>

namespace z408 {

class CPresetMenu : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int hotItem READ hotItem)

  public:
    struct Item {
        int id = 0;
        QString text;
    };

    explicit CPresetMenu(QWidget* owner = nullptr);

    // Item looks: normal, hover, pressed (each one item high, the menu's width); text colours in
    // the same order. The menu opens at `screenPos` with one row of `itemHeight` per item.
    void CreateMenuEx(QWidget* owner, int itemHeight, const QPoint& screenPos,
                      const QColor (&textColours)[3], const QImage (&looks)[3],
                      const QVector<Item>& items);
    void DestroyMenuEx() { close(); }

    int hotItem() const { return hot_; }
    const QVector<Item>& items() const { return items_; }
    QSize sizeHint() const override;

  signals:
    void presetChosen(int id);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    int itemAt(const QPoint& pos) const;

    QVector<Item> items_;
    QImage looks_[3];
    QColor text_[3];
    int itemHeight_ = 24;
    int hot_ = -1;
    bool pressed_ = false;
};

}  // namespace z408
