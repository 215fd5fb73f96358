// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// An owner-drawn menu with 16 × 16 icons (the tray menu): every item measures 75 × 22; the
// selected item is framed and filled light blue-grey with blue text.
#include <QMenu>

namespace z408 {

class CXPMenu : public QMenu {
    Q_OBJECT

  public:
    explicit CXPMenu(QWidget* parent = nullptr);

    // Adds an item with the icon of a built-in resource; triggering it emits commandChosen(id).
    QAction* AddItem(int iconResource, const QString& text, int commandId);
    QAction* AddItem(const QImage& icon, const QString& text, int commandId);

  signals:
    void commandChosen(int commandId);
};

}  // namespace z408
