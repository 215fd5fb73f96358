// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Helpers shared by the widget tests: a sink that records posted messages, solid page images
// and a parent that records the pointer moves it receives.
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <vector>

#include "common/messages.h"

namespace z408::test {

struct Posted {
    Msg msg;
    uintptr_t wParam;
    intptr_t lParam;
};

class RecordingSink : public MessageSink {
  public:
    void post(Msg msg, uintptr_t wParam, intptr_t lParam) override {
        posted.push_back({msg, wParam, lParam});
    }
    std::vector<Posted> posted;
};

inline QImage solidImage(QSize size, QColor colour) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

// Each pixel's red is its x and green its y (mod 256), so a copy shows where it came from.
inline QImage positionImage(QSize size) {
    QImage img(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) img.setPixel(x, y, qRgb(x % 256, y % 256, 77));
    return img;
}

class MoveRecorder : public QWidget {
  public:
    MoveRecorder() { setMouseTracking(true); }
    std::vector<QPoint> moves;

  protected:
    void mouseMoveEvent(QMouseEvent* e) override { moves.push_back(e->position().toPoint()); }
};

// Moves the pointer to `pos` of `w`. Qt drops a move to where the pointer already is, so the
// pointer first goes one pixel aside.
inline void moveTo(QWidget* w, QPoint pos) {
    QTest::mouseMove(w, pos + QPoint(1, 1));
    QTest::mouseMove(w, pos);
}

inline QRgb pixelOf(QWidget& w, QPoint at) {
    return w.grab().toImage().pixel(at);
}

}  // namespace z408::test
