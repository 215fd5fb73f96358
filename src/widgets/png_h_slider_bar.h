// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A horizontal slider: a track window painted from a piece of the page image, with a movable
// CPngHSlider thumb. Clicking the track jumps to the value under the pointer; both clicks and
// drags report sliderMoved(value, id).
#include <QImage>
#include <QRect>
#include <QWidget>

namespace z408 {

class CPngHSlider;

class CPngHSliderBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE SetPos)

  public:
    explicit CPngHSliderBar(QWidget* owner = nullptr);

    // Places the bar at (left, top, right, bottom) of `owner` and makes its thumb from the image.
    bool Create(const QString& thumbPath, int left, int top, int right, int bottom, QWidget* owner,
                int id);
    bool Create(const QImage& thumb, int left, int top, int right, int bottom, QWidget* owner,
                int id);
    void SetBackground(int x, int y, int width, int height, const QImage& page);
    void SetRange(int minimum, int maximum);
    // The click track in the owner's coordinates.
    void SetTrackRect(int left, int top, int right, int bottom);
    void SetPos(int value);
    void Enable(bool on) { setEnabled(on); }

    int value() const;
    int id() const { return id_; }
    CPngHSlider* thumb() const { return thumb_; }
    QSize sizeHint() const override;

    // The value a click at `d` pixels right of the track's left edge selects.
    static int valueAt(int d, int trackWidth, int minimum, int maximum);

  signals:
    void sliderMoved(int value, int id);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Arrows, PageUp/PageDown, Home and End move the thumb and report as a click does.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void report(int value);

    CPngHSlider* thumb_;
    QWidget* owner_ = nullptr;
    QImage background_;
    QRect track_;  // owner coordinates
    int id_ = 0, min_ = 0, max_ = 10;
};

}  // namespace z408
