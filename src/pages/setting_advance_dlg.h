// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The picker's advanced page: four rows that let a button make the computer play a sound, start
// a program, open a file or open a folder. Each row has a choice button, a field showing the
// chosen path and a browse button; the first chosen row with a path is the page's choice.
#include <QString>
#include <array>
#include <functional>

#include "functions/picker_rules.h"
#include "pages/skin_page.h"

namespace z408 {

class CGDIBitmapBtn;
class LanguageStrings;
class UserNotices;

class CSetting_AdvanceDlg : public CSkinPage {
    Q_OBJECT
  public:
    static constexpr int kRowCount = 4;
    enum Row { Sound, Program, File, Folder };

    CSetting_AdvanceDlg(const QString& programDirectory, bool chineseLayout, int buttonIndex,
                        const LanguageStrings& texts, UserNotices& notices,
                        QWidget* parent = nullptr);

    void fillChoice(PickerChoice& choice) const;
    // Turns row k's choice on and the others off.
    void chooseRow(int row);
    // Row k's chooser: choose the row, ask for a path, and show it when one was given. A path
    // longer than a button holds is refused with a notice, and the field keeps its text.
    void browse(int row);
    void setTooltips();

    CGDIBitmapBtn* choiceButton(int row) const { return choices_[static_cast<size_t>(row)]; }
    CGDIBitmapBtn* pathField(int row) const { return paths_[static_cast<size_t>(row)]; }
    CGDIBitmapBtn* browseButton(int row) const { return browses_[static_cast<size_t>(row)]; }
    QString path(int row) const { return pathTexts_[static_cast<size_t>(row)]; }
    // The software value row k gives this button.
    uint32_t softwareValue(int row) const;

    // Where a row's chooser starts.
    static QString startFolder(int row);
    // The file or folder dialog of a row; gives an empty text when cancelled. Tests replace it.
    using PathChooser = std::function<QString(int row)>;
    void setPathChooser(PathChooser chooser) { chooser_ = std::move(chooser); }
    // Shown over `owner`, so that it stays above the modal picker.
    static QString askForPath(int row, QWidget* owner);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setPath(int row, const QString& path);

    int button_;
    const LanguageStrings& texts_;
    UserNotices& notices_;
    std::array<CGDIBitmapBtn*, kRowCount> choices_{};
    std::array<CGDIBitmapBtn*, kRowCount> paths_{};
    std::array<CGDIBitmapBtn*, kRowCount> browses_{};
    std::array<QString, kRowCount> pathTexts_;
    PathChooser chooser_;
};

}  // namespace z408
