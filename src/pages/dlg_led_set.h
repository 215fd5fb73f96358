// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The lighting page: the six lighting modes with their level and speed sliders, mode 5's
// multicolour toggle and its three colours, the single colour, 26 preset swatches, red, green and
// blue sliders, the colour wheel, proximity sensing, and a preview of the colour being edited.
// Every change goes into the active profile at once; the rules live in LightingPageModel and the
// widgets only show its view and forward their clicks.
#include <QRect>
#include <QString>
#include <array>
#include <utility>
#include <vector>

#include "lighting/lighting_page_model.h"
#include "pages/skin_page.h"

namespace z408 {

class CBitmapEdit;
class CColorBtn;
class CGDIBitmapBtn;
class CPngHSliderBar;
class LanguageContext;
class ProfileStore;

class CDlgLEDSet : public CSkinPage {
    Q_OBJECT
  public:
    static constexpr int kSwatchCount = 26;

    CDlgLEDSet(const QString& programDirectory, bool chineseLayout, LanguageContext& language,
               ProfileStore& profiles, QWidget* parent = nullptr);

    // Sets every control from the active profile.
    void refreshLightingPage();
    // Captions and tooltips again from the current language.
    void refreshTexts();

    const LightingPageModel& model() const { return model_; }
    CGDIBitmapBtn* modeButton(int mode) const;  // 1..6
    CGDIBitmapBtn* multicolourToggle() const { return multicolour_; }
    CColorBtn* multicolourButton(int slot) const;  // 0..2
    CColorBtn* singleColourButton() const { return singleColour_; }
    CGDIBitmapBtn* proximityButton(bool on) const { return on ? proximityOn_ : proximityOff_; }
    CGDIBitmapBtn* swatch(int index) const;  // 0..25
    CPngHSliderBar* slider(LightingSlider id) const;
    CBitmapEdit* valueBox(int channel) const;  // 0 red, 1 green, 2 blue
    // The colour wheel's rectangle and the current-colour preview's, in page coordinates.
    QRect colourWheelRect() const { return wheel_; }
    QRect previewRect() const { return preview_; }
    // The hint numbers of the controls under `pos` (page coordinates), in the order sent.
    std::vector<int> hintsAt(const QPoint& pos) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    // What a screen reader calls the controls, in the current language.
    void nameControls();
    void nameColourWells();
    void createControls(const QString& programDirectory, bool chineseLayout);
    // Brings every widget up to the model's view.
    void showView();
    void sliderMoved(int value, int id);
    bool inWheel(const QPoint& pos) const;
    // The cross cursor over the wheel while it reacts.
    void updateCursor(const QPoint& pos);
    ProfileSettings& profile();

    LanguageContext& language_;
    ProfileStore& profiles_;
    LightingPageModel model_;

    std::array<CGDIBitmapBtn*, kLightingModeCount> modes_{};
    CGDIBitmapBtn* multicolour_ = nullptr;
    std::array<CColorBtn*, kMulticolourSlots> multicolourColours_{};
    CColorBtn* singleColour_ = nullptr;
    CGDIBitmapBtn* proximityOn_ = nullptr;
    CGDIBitmapBtn* proximityOff_ = nullptr;
    std::array<CGDIBitmapBtn*, kSwatchCount> swatches_{};
    CPngHSliderBar* mode1Slider_ = nullptr;
    CPngHSliderBar* mode2Slider_ = nullptr;
    CPngHSliderBar* mode5Slider_ = nullptr;
    std::array<CPngHSliderBar*, 3> rgbSliders_{};
    std::array<CBitmapEdit*, 3> valueBoxes_{};
    // Section labels of the page image, with their hints.
    std::vector<std::pair<QRect, int>> labels_;
    QRect wheel_, preview_, singleColourCaption_;
};

}  // namespace z408
