// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The main settings page (tab 1): the fourteen DPI values of which one to seven make the DPI
// levels, pointer speed and precision, the lift-off slider, the report rate, wheel scrolling by
// lines or by screen, and the seven button tabs that open the function picker. Every control
// edits the active profile in memory; Apply writes it into the mouse.
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>

#include "config/settings_page_rules.h"
#include "functions/assignment_rules.h"
#include "pages/skin_page.h"

namespace z408 {

class CBitmapEdit;
class CGDIBitmapBtn;
class CIrrButton;
class CPngHSliderBar;
class KeyboardLayout;
class LanguageContext;
class MacroLibrary;
class ProfileStore;
class UserNotices;

// Hint numbers the page sends with hintRequested.
namespace main_set_hint {
inline constexpr int Dpi = 12, PointerSpeed = 13, Precision = 14, Height = 15, ReportRate = 16,
                     ScrollLines = 17, ScrollScreen = 18, DpiSection = 61, SensorSection = 62,
                     RateSection = 63, WheelSection = 64, ButtonTab = 65;
}

class CDlgMainSet : public CSkinPage {
    Q_OBJECT
  public:
    // Opens the function picker for a button (0..6) showing its current display name, and
    // returns the choice, or nothing when the picker was left without one.
    using PickerOpener =
        std::function<std::optional<PickerChoice>(int button, const QString& currentFunction)>;

    static constexpr int kSpeedSliderId = 2560;
    static constexpr int kHeightSliderId = 2562;
    static constexpr int kLineCountId = 2563;
    static constexpr int kMarkerIntervalMs = 200;
    static constexpr int kLineCommitIntervalMs = 4000;
    // The pointer lights a tab's marker only over the tab's middle: this much is left off each
    // side, where the slanted edges of neighbouring tabs meet.
    static constexpr int kMarkerInset = 17;

    // The Chinese layout (its own rectangles for the scroll controls) is fixed here. `layout`
    // names keys of combinations (US layout when null). Everything borrowed must outlive the page.
    CDlgMainSet(const QString& programDirectory, bool chineseLayout, LanguageContext& language,
                ProfileStore& profiles, const MacroLibrary& macros, UserNotices& notices,
                const KeyboardLayout* layout, QWidget* parent);

    void setPickerOpener(PickerOpener opener) { opener_ = std::move(opener); }

    // Sets every control from the active profile.
    void refreshFromProfile();
    // Brings the typed line count to 1..30, shows it and stores it in the profile.
    void commitScrollLines();
    // Tooltips again from the current language.
    void refreshTooltips();

    // What the controls do (public so that tests can drive them).
    void clickDpi(int index);
    void clickPrecision();
    void clickReportRate(int index);
    void sliderMoved(int value, int id);
    void clickScrollLines();
    void clickScrollScreen();
    void stepLines(int step);
    void openPicker(int button);
    // markerTimer()'s tick: lights the marker of the tab under the pointer while the window is in
    // front.
    void updateMarkers(const QPoint& pointerInPage, bool windowInFront);

    CGDIBitmapBtn* dpiButton(int i) const { return dpi_[static_cast<size_t>(i)]; }
    CGDIBitmapBtn* precisionButton() const { return precision_; }
    CGDIBitmapBtn* reportRateButton(int i) const { return rates_[static_cast<size_t>(i)]; }
    CGDIBitmapBtn* scrollLinesButton() const { return scrollLines_; }
    CGDIBitmapBtn* scrollScreenButton() const { return scrollScreen_; }
    CGDIBitmapBtn* lineUpButton() const { return lineUp_; }
    CGDIBitmapBtn* lineDownButton() const { return lineDown_; }
    CBitmapEdit* lineCountEdit() const { return lineCount_; }
    CPngHSliderBar* speedSlider() const { return speed_; }
    CPngHSliderBar* heightSlider() const { return height_; }
    CGDIBitmapBtn* marker(int i) const { return markers_[static_cast<size_t>(i)]; }
    CIrrButton* buttonTab(int i) const { return tabs_[static_cast<size_t>(i)]; }
    int pickerButton() const { return pickerButton_; }
    int lineCount() const { return lineCountValue_; }
    QTimer& lineCommitTimer() { return lineCommitTimer_; }
    QTimer& markerTimer() { return markerTimer_; }
    // Section by section: the DPI choices, pointer speed and precision, lift-off, report rate,
    // wheel scrolling, then the button tabs.
    QList<QWidget*> tabChain() const override;

  protected:
    // The marker timer runs only while the pointer is over the page: elsewhere no marker can
    // light, and an idle program should not wake five times a second to find that out.
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void createControls(const QString& programDirectory, bool chineseLayout);
    void setScrollByLines(bool byLines);
    void showLineCount();
    void showTabLook(int button);
    // The screen reader's name of a button tab: the button and its function.
    void nameTab(int button);
    // The function the button has, as the current language names it.
    std::u16string functionShown(int button) const;
    // Posts the hint of every control within a pixel of `pos` (page coordinates).
    void showHints(const QPoint& pos);

    LanguageContext& language_;
    ProfileStore& profiles_;
    const MacroLibrary& macros_;
    UserNotices& notices_;
    const KeyboardLayout* layout_;
    PickerOpener opener_;

    std::array<CGDIBitmapBtn*, kDpiChoiceCount> dpi_{};
    CPngHSliderBar* speed_ = nullptr;
    CGDIBitmapBtn* precision_ = nullptr;
    CPngHSliderBar* height_ = nullptr;
    std::array<CGDIBitmapBtn*, kReportRateChoiceCount> rates_{};
    CGDIBitmapBtn* scrollLines_ = nullptr;
    CBitmapEdit* lineCount_ = nullptr;
    CGDIBitmapBtn* lineUp_ = nullptr;
    CGDIBitmapBtn* lineDown_ = nullptr;
    CGDIBitmapBtn* scrollScreen_ = nullptr;
    std::array<CGDIBitmapBtn*, kButtonCount> markers_{};
    std::array<CIrrButton*, kButtonCount> tabs_{};
    // The section labels are part of the page image; only their places matter, for the hints.
    std::array<QRect, 6> sectionLabels_{};

    int pickerButton_ = -1;   // the button whose picker is open
    int lineCountValue_ = 1;  // the page's copy of the lines per notch
    QTimer markerTimer_;
    QTimer lineCommitTimer_;
};

}  // namespace z408
