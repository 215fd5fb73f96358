// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The logic libraries' messages to the user, shown as the program's information box (or a plain
// message box with its caption) over the main window.
#include "common/user_notices.h"

class QWidget;

namespace z408 {

class LanguageContext;

class DialogNotices final : public UserNotices {
  public:
    explicit DialogNotices(LanguageContext& language) : language_(language) {}

    bool show(const Notice& notice) override;
    std::string text(std::string_view key) const override;
    bool chinese() const override;
    int32_t languageId() const override;

    // The window the boxes are shown over (none before the main window exists).
    void setParentWindow(QWidget* parent) { parent_ = parent; }

  private:
    LanguageContext& language_;
    QWidget* parent_ = nullptr;
};

}  // namespace z408
