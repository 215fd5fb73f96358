// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The macro page's event editor: the key choice with its key box and OK button, and the delay
// choice with its delay box and OK button. All six are hidden until Insert or Modify opens them;
// the page decides what the choices and the OK buttons do.
#include <QObject>
#include <QString>

namespace z408 {

class CBitmapEdit;
class CGDIBitmapBtn;
class CSkinPage;

class MacroEventEditor : public QObject {
    Q_OBJECT
  public:
    // Builds the controls on `page` at their places in the page's skin layout.
    MacroEventEditor(CSkinPage& page, bool chineseLayout);

    // Insert: both choices shown, neither chosen, boxes and OK buttons hidden.
    void showChoices();
    // The key half shown (choice ticked, box emptied, OK shown), the delay half hidden; the
    // delay choice stays visible when `keepOtherChoice` (while inserting either may be chosen).
    void openKey(bool keepOtherChoice);
    void openDelay(bool keepOtherChoice);
    // Everything hidden, both choices cleared, both boxes emptied.
    void hideAll();

    void setKeyText(const QString& text);
    QString delayText() const;
    void setCaptions(const QString& keyCaption, const QString& delayCaption);

    CGDIBitmapBtn* keyChoice() const { return keyChoice_; }
    CGDIBitmapBtn* delayChoice() const { return delayChoice_; }
    CGDIBitmapBtn* keyOk() const { return keyOk_; }
    CGDIBitmapBtn* delayOk() const { return delayOk_; }
    CBitmapEdit* keyBox() const { return keyBox_; }
    CBitmapEdit* delayBox() const { return delayBox_; }

  signals:
    void keyChoiceClicked();
    void delayChoiceClicked();
    void keyOkClicked();
    void delayOkClicked();

  private:
    CGDIBitmapBtn* keyChoice_ = nullptr;
    CGDIBitmapBtn* delayChoice_ = nullptr;
    CGDIBitmapBtn* keyOk_ = nullptr;
    CGDIBitmapBtn* delayOk_ = nullptr;
    CBitmapEdit* keyBox_ = nullptr;
    CBitmapEdit* delayBox_ = nullptr;
};

}  // namespace z408
