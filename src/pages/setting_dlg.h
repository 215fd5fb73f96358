// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The function picker: the modal window in which the user chooses a new function for one mouse
// button. Four pages (key combination, macro, basic list, advanced) share one place under their
// tabs; a disable box, a default button and OK complete it. The picker changes nothing itself:
// the opener reads the choice and applies it under the assignment rules.
//
// Use:
//     PickerContext context{programDir, language, macroLibrary, hook, windows, notices, layout};
//     CSettingDlg picker(context, button, currentFunctionText, settingsPage);
//     if (picker.exec() == QDialog::Accepted) apply(picker.choice());
//
// exec() ends with Accepted only when a function was chosen (choice().value != 0): OK with a
// usable page or the disable box on, or the default button. Close, and OK with nothing chosen,
// end with Rejected. While the key-combination page is shown the input hook forwards every key
// of the desktop to it; every way out of the picker switches that forwarding off again.
#include <QDialog>
#include <QImage>
#include <QString>
#include <array>

#include "functions/picker_rules.h"
#include "shell/input_hook.h"
#include "widgets/window_drag.h"

namespace z408 {

class CGDIBitmapBtn;
class CSetting_AdvanceDlg;
class CSetting_BaseDlg;
class CSetting_MacroDlg;
class CSetting_SingleComboDlg;
class CSkinPage;
class KeyboardLayout;
class LanguageContext;
class MacroLibrary;
class UserNotices;
class WindowDirectory;

// What the picker needs from the program; everything is borrowed for the picker's life.
struct PickerContext {
    QString programDirectory;
    // Texts, the Chinese text flag (game names) and the installation layout (skins).
    LanguageContext& language;
    const MacroLibrary& macros;
    // The system-wide input hook, or null where there is none; `windows` is the directory the
    // hook was made with (its WindowSinks), where the picker enters its key page while it is
    // open. With no hook, or one that is not installed or reports nothing, the key page takes
    // the keys typed into the picker itself.
    InputHook* hook;
    WindowDirectory* windows;
    // Tells that a chosen path is too long for a button.
    UserNotices& notices;
    // Names captured keys: the desktop's layout (desktop::X11KeyboardLayout) or the US one.
    const KeyboardLayout& keyboardLayout;
};

class CSettingDlg : public QDialog {
    Q_OBJECT
  public:
    // The hook's number for the key-combination page while a picker is open (1 is the main
    // window, 3 the macro page).
    static constexpr WindowId kKeyPageWindowId = WindowId{4};

    // `button` 0..6 (left, middle, right, forward, back, wheel up, wheel down); `currentFunction`
    // is the button's display name as the settings page shows it. Centred on `parent`.
    CSettingDlg(const PickerContext& context, int button, const QString& currentFunction,
                QWidget* parent = nullptr);
    ~CSettingDlg() override;

    // The result; meaningful after exec() returned Accepted.
    const PickerChoice& choice() const { return choice_; }

    // What the controls do (public so that tests can drive them).
    void showPage(PickerPage page);
    void toggleDisable();
    void pressOk();
    void pressDefault();
    void pressClose();
    // Sets tooltips and captions again from the current language texts.
    void refreshTexts();

    PickerPage currentPage() const { return current_; }
    bool disabled() const;
    CGDIBitmapBtn* tab(PickerPage page) const { return tabs_[index(page)]; }
    CGDIBitmapBtn* disableBox() const { return disable_; }
    CGDIBitmapBtn* okButton() const { return ok_; }
    CGDIBitmapBtn* defaultButton() const { return default_; }
    CGDIBitmapBtn* closeButton() const { return close_; }
    CSkinPage* page(PickerPage page) const { return pages_[index(page)]; }
    CSetting_SingleComboDlg* comboPage() const { return combo_; }
    CSetting_MacroDlg* macroPage() const { return macro_; }
    CSetting_BaseDlg* basePage() const { return base_; }
    CSetting_AdvanceDlg* advancedPage() const { return advanced_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

  private:
    static size_t index(PickerPage p) { return static_cast<size_t>(p) - 1; }
    void stopForwarding();
    // Ends the run: Accepted when something was chosen.
    void finish();
    bool keyEvent(QObject* watched, QKeyEvent* event);
    // The key page is shown and takes every key.
    bool capturing() const;
    // A combination typed by someone working with the keyboard: the capture stops listening
    // and the focus goes to OK, so that Tab, Space and Enter work the picker again.
    void endCaptureForKeyboard();
    void listenForKeys(bool on);
    // The key page stays shown but stops listening.
    void pauseCapture();

    PickerContext context_;
    QString currentFunction_;
    PickerChoice choice_;
    PickerPage current_ = PickerPage::KeyCombination;
    QImage normal_;
    std::array<CGDIBitmapBtn*, kPickerPageCount> tabs_{};
    std::array<CSkinPage*, kPickerPageCount> pages_{};
    CSetting_SingleComboDlg* combo_ = nullptr;
    CSetting_MacroDlg* macro_ = nullptr;
    CSetting_BaseDlg* base_ = nullptr;
    CSetting_AdvanceDlg* advanced_ = nullptr;
    CGDIBitmapBtn* close_ = nullptr;
    CGDIBitmapBtn* disable_ = nullptr;
    CGDIBitmapBtn* default_ = nullptr;
    CGDIBitmapBtn* ok_ = nullptr;
    // The keyboard ended the capture; showing the key page again restarts it.
    bool captureEnded_ = false;
    WindowDrag drag_{*this};
};

}  // namespace z408
