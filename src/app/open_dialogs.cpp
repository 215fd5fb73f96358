// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "app/open_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace z408 {
namespace {
// A popup that refuses to close must not keep the loop below going for ever.
constexpr int kMaxPopupCloses = 32;
}  // namespace

int closeOpenDialogs(const QWidget* keep) {
    int closed = 0;
    // Popups first: a menu may sit on top of a dialog it belongs to.
    for (int i = 0; i < kMaxPopupCloses; ++i) {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup) break;
        popup->close();
        ++closed;
    }
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) windows.append(w);
    for (const QPointer<QWidget>& guard : windows) {
        // Closing one window may delete another (a menu of a dialog).
        QWidget* w = guard.data();
        if (w == nullptr || w == keep || !w->isVisible()) continue;
        if (auto* dialog = qobject_cast<QDialog*>(w)) {
            // done() ends an exec() whatever the dialog does with close requests.
            dialog->done(QDialog::Rejected);
            ++closed;
        } else if (w->isModal() || w->windowType() == Qt::Popup) {
            w->close();
            ++closed;
        }
    }
    return closed;
}

}  // namespace z408
