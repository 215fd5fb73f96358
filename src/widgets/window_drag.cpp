// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/window_drag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace z408 {

bool WindowDrag::press(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) return false;
    QWindow* handle = window_.windowHandle();
    if (handle && handle->startSystemMove()) return true;
    dragging_ = true;
    offset_ = event.globalPosition().toPoint() - window_.frameGeometry().topLeft();
    return true;
}

bool WindowDrag::move(const QMouseEvent& event) {
    if (!dragging_ || !(event.buttons() & Qt::LeftButton)) return false;
    window_.move(event.globalPosition().toPoint() - offset_);
    return true;
}

void WindowDrag::release(const QMouseEvent& event) {
    if (event.button() == Qt::LeftButton) dragging_ = false;
}

}  // namespace z408
