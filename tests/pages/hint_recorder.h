// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Records the hint numbers a page asks the window to show, in order.
#include <QObject>
#include <vector>

#include "pages/skin_page.h"

namespace z408::test {

class HintRecorder {
  public:
    // The recorder outlives the pages it follows.
    void follow(CSkinPage& page) {
        QObject::connect(&page, &CSkinPage::hintRequested,
                         [this](int number) { hints.push_back(number); });
    }
    std::vector<int> hints;
};

}  // namespace z408::test
