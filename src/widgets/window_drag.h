// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Moves a frameless top-level window while the left button is held on its surface, as a
// caption would: the window manager's own move where there is one, else by following the pointer.
#include <QPoint>

class QMouseEvent;
class QWidget;

namespace z408 {

class WindowDrag {
  public:
    explicit WindowDrag(QWidget& window) : window_(window) {}

    // The window's mouse handlers hand their events on; each returns true when it used the event.
    bool press(const QMouseEvent& event);
    bool move(const QMouseEvent& event);
    void release(const QMouseEvent& event);

  private:
    QWidget& window_;
    bool dragging_ = false;
    QPoint offset_;
};

}  // namespace z408
