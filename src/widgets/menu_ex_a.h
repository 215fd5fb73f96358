// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The language popup: the twelve languages with their menu icons, each item's data its
// language number 1 … 12, which itemChosen carries.
#include "widgets/menu_ex.h"

namespace z408 {

class CMenuExA : public CMenuEx {
    Q_OBJECT

  public:
    explicit CMenuExA(QWidget* owner = nullptr);

    // Creates the popup at `screenPos` with the background resource 129 and the twelve items.
    void Create(QWidget* owner, const QPoint& screenPos);
};

}  // namespace z408
