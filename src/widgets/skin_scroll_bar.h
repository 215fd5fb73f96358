// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A scroll bar drawn from a skin bitmap of 9 × 3 square cells (columns: vertical first arrow,
// second arrow, track, thumb, then the same four for horizontal bars; rows: normal, hover,
// pressed). Arrows and the track repeat while held (first after 500 ms, then every 100 ms);
// dragging the thumb moves the content when the thumb is released.
#include <QImage>
#include <QScrollBar>
#include <QTimer>

namespace z408 {

// Where the parts of a bar of `length` pixels lie, from the mirrored Windows-style range
// (`maximum` includes the last page), the page size and the position.
struct SkinScrollGeometry {
    int arrow = 0;        // length of each arrow
    int track = 0;        // length between the arrows
    int thumbLength = 0;  // 0 when there is nothing to scroll or no room
    int thumbStart = 0;   // from the bar's start
};
SkinScrollGeometry skinScrollGeometry(int length, int cell, int minimum, int maximum, int page,
                                      int position);

class CSkinScrollBar : public QScrollBar {
    Q_OBJECT

  public:
    enum class Part { None, FirstArrow, SecondArrow, PageBefore, PageAfter, Thumb };

    CSkinScrollBar(Qt::Orientation orientation, const QImage& skin, QWidget* parent = nullptr);

    void setSkin(const QImage& skin);
    int cellSize() const { return cell_; }
    SkinScrollGeometry currentGeometry() const;
    Part partAt(const QPoint& pos) const;
    Part pressedPart() const { return pressed_; }
    bool thumbDragging() const { return dragging_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    int along(const QPoint& p) const { return orientation() == Qt::Vertical ? p.y() : p.x(); }
    int length() const { return orientation() == Qt::Vertical ? height() : width(); }
    QRect partRect(int start, int len) const;
    QRect cellRect(int kind, int row) const;
    void repeatStep();
    void stopRepeat();
    bool stepOnce();

    QImage skin_;
    int cell_ = 12;
    Part pressed_ = Part::None;
    Part hover_ = Part::None;
    bool dragging_ = false;
    int dragPressAlong_ = 0, dragPressValue_ = 0, trackValue_ = 0;
    QPoint lastPointer_;
    QTimer delayTimer_, repeatTimer_;
};

}  // namespace z408
