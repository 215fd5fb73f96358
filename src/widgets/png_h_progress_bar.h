// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A horizontal bar that fills from the left in proportion to its value. Unless read-only it can
// be dragged; the value under the pointer at release is reported with progressDragged.
#include <QImage>
#include <QWidget>

namespace z408 {

class CPngHProgressBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE SetPos)
    Q_PROPERTY(bool readOnly READ readOnly WRITE SetReadOnly)
    Q_PROPERTY(bool dragging READ dragging)

  public:
    explicit CPngHProgressBar(QWidget* owner = nullptr);

    // Places the bar at `rect` of the owner (owner coordinates).
    void Create(const QRect& rect, QWidget* owner, int id);
    // Keeps the pieces at (x, y, width, height) of the background and the fill page images.
    void SetImages(int x, int y, int width, int height, const QImage& background,
                   const QImage& fill);
    void SetRange(int minimum, int maximum);
    void SetPos(int value);
    void SetReadOnly(bool on) { readOnly_ = on; }
    void SetDraggable(bool on) { draggable_ = on; }

    int value() const { return value_; }
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    bool readOnly() const { return readOnly_; }
    bool dragging() const { return dragging_; }
    // Width in pixels of the filled part.
    int fillWidth() const;
    QSize sizeHint() const override;

  signals:
    void progressDragged(int value, int id);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    int valueAtPointer(const QPointF& local) const;

    QWidget* owner_ = nullptr;
    QImage background_, fill_;
    int id_ = 0, min_ = 0, max_ = 10, value_ = 0;
    bool readOnly_ = false, draggable_ = true, dragging_ = false;
};

}  // namespace z408
