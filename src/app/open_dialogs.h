// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Every dialog, menu and popup the program has open, whoever opened it: the window closes them
// all before it ends, so that no modal loop is still running over a page being destroyed.
class QWidget;

namespace z408 {

// Closes (rejects) every visible dialog, popup menu and modal window except `keep`; returns how
// many were open. Their event loops end once control returns to them.
int closeOpenDialogs(const QWidget* keep);

}  // namespace z408
