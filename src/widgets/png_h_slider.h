// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The movable thumb of a CPngHSliderBar: a small window shaped like its PNG image that moves
// along a track in its parent's coordinates and can be dragged.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>

namespace z408 {

class CPngHSlider : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value)
    Q_PROPERTY(bool dragging READ dragging)

  public:
    explicit CPngHSlider(QWidget* parent = nullptr);

    // Image from a file; the thumb takes its size and its shape (the colour of the top-left
    // pixel, over black, is cut away).
    bool LoadImage(const QString& path);
    void SetImage(const QImage& image);
    // Track edges in the parent's coordinates.
    void SetTrack(int left, int top, int right, int bottom);
    // The bar's click rectangle in the owner's coordinates.
    void SetTrackRect(const QRect& rect) { clickTrack_ = rect; }
    void SetRange(int minimum, int maximum);
    void SetPos(int value);
    void SetPlacement(int mode) { placement_ = mode; }
    void SetDraggable(bool on) { draggable_ = on; }
    void SetEndLock(bool on) { endLock_ = on; }

    int value() const { return value_; }
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    bool dragging() const { return dragging_; }
    QSize sizeHint() const override { return image_.size(); }

  signals:
    // The thumb was dragged to a new value.
    void moved(int value);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int valueForLeft(int left) const;

    QImage image_;
    int trackLeft_ = 0, trackTop_ = 0, trackRight_ = 0, trackBottom_ = 0;
    QRect clickTrack_;
    int placement_ = 0;
    int min_ = 1, max_ = 10, value_ = 1;
    bool draggable_ = true, dragging_ = false, endLock_ = false;
    int pressX_ = 0;
};

}  // namespace z408
