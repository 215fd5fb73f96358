// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "pages/dlg_led_set.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "common/program_texts.h"
#include "common/text.h"
#include "config/profile_store.h"
#include "i18n/language_context.h"
#include "lighting/colours.h"
#include "lighting/lighting_params.h"
#include "pages/skin_controls.h"
#include "skin/skin_layout.h"
#include "widgets/bitmap_edit.h"
#include "widgets/color_btn.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/keyboard_focus.h"
#include "widgets/png_h_slider.h"
#include "widgets/png_h_slider_bar.h"
#include "widgets/skin_accessible.h"
#include "widgets/skin_image.h"
#include "widgets/text_fit.h"

namespace z408 {
namespace {

// Caption and hint of each mode's button, mode 1 first.
struct ModeButtonText {
    const char* layoutName;
    const char16_t* captionKey;
    int hint;
};
constexpr std::array<ModeButtonText, kLightingModeCount> kModes{{
    {"mode1", u"str_led_brealways", 31},
    {"mode2", u"str_led_norbre", 29},
    {"mode3", u"str_led_apmbre", 27},
    {"mode4", u"str_ledspe", 26},
    {"mode5", u"str_led_symphony", 33},
    {"mode6", u"str_led_off", 28},
}};
constexpr std::array<const char16_t*, kMulticolourSlots> kMulticolourKeys = {
    u"str_multicolor1", u"str_multicolor2", u"str_multicolor3"};
constexpr const char16_t* kSingleColourKey = u"str_choose_color";

constexpr int kHintMulticolourOff = 34;
constexpr int kHintMulticolourOn = 35;
constexpr int kHintMode5Speed = 36;
constexpr int kHintProximityOn = 37;
constexpr int kHintProximityOff = 38;
constexpr int kHintRgb = 39;
constexpr int kHintMode2Speed = 76;
constexpr int kHintMode1Level = 32;
constexpr std::array<int, kMulticolourSlots> kHintMulticolour = {77, 78, 79};
constexpr int kHintCurrentColour = 82;
constexpr int kHintSingleColour = 83;

// The section labels painted in the page image and their hints.
constexpr std::pair<const char*, int> kLabels[] = {
    {"labelBacklight", 75}, {"labelProximity", 80}, {"labelColour", 81},
    {"labelCurrent", 82},   {"labelPreset", 84},    {"labelCustom", 85},
};

// The slider thumb is taller than the groove: the bar reaches this far above and below it.
constexpr int kSliderOverhang = 4;
// Colour buttons sit inside the wells' frames.
constexpr int kWellInset = 4;

const QColor kValueColour(21, 140, 185);
const QColor kValueColourOff(70, 76, 86);
const QColor kCaptionColour(189, 189, 200);
const QColor kSelectedRing(250, 214, 96);
const QColor kFadedWheel(10, 11, 14, 140);

QColor toQColor(uint32_t colour) {
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

QString languageText(const LanguageContext& language, std::u16string_view key) {
    return QString::fromStdU16String(language.strings().text(key));
}

}  // namespace

CDlgLEDSet::CDlgLEDSet(const QString& programDirectory, bool chineseLayout,
                       LanguageContext& language, ProfileStore& profiles, QWidget* parent)
    : CSkinPage(QStringLiteral("lighting"), programDirectory, chineseLayout, parent),
      language_(language),
      profiles_(profiles) {
    setObjectName(QStringLiteral("CDlgLEDSet"));
    setMouseTracking(true);  // hints and the wheel's cursor follow the pointer
    createControls(programDirectory, chineseLayout);
    setCaptionLanguage([&language] { return int64_t{language.languageId()}; });
    refreshTexts();
    showView();
}

ProfileSettings& CDlgLEDSet::profile() {
    return profiles_.active();
}

void CDlgLEDSet::createControls(const QString& programDirectory, bool chineseLayout) {
    const skin::PageSkin layout =
        skin::pageSkin("lighting", chineseLayout ? skin::Layout::Chinese : skin::Layout::English);
    auto rectOf = [&](std::string_view name) {
        const skin::Control* c = skin::findControl(layout, name);
        return c ? toQRect(c->rect) : QRect();
    };
    const QImage& normal = normalImage();
    const QImage& down = downImage();
    const QImage& over = overImage();
    // Two-state buttons: the page latches them from the profile, a click alone does not.
    // Swatches and the multicolour toggle can be switched off; they then fade into the page.
    auto twoState = [&](std::string_view name) {
        auto* b = new CGDIBitmapBtn(this);
        b->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        b->SetBitmaps(rectOf(name), normal, over, down, normal);
        b->setCheckMode(CGDIBitmapBtn::CheckMode::Latch);
        return b;
    };
    for (int m = 1; m <= kLightingModeCount; ++m) {
        CGDIBitmapBtn* b = twoState(kModes[static_cast<size_t>(m - 1)].layoutName);
        setAccessibleKind(b, AccessibleKind::RadioButton);  // one mode lights the mouse
        // The caption stays clear of the lamp at the right end of the button.
        b->setCaptionRect(QRect(0, 0, b->width() - 18, b->height()));
        connect(b, &QAbstractButton::clicked, this, [this, m] {
            model_.selectMode(profile(), m);
            showView();
        });
        modes_[static_cast<size_t>(m - 1)] = b;
    }
    proximityOn_ = twoState("proximityOn");
    proximityOff_ = twoState("proximityOff");
    for (CGDIBitmapBtn* b : {proximityOn_, proximityOff_}) {
        setAccessibleKind(b, AccessibleKind::RadioButton);
        b->setCaptionRect(QRect(0, 0, b->width() - 18, b->height()));
        connect(b, &QAbstractButton::clicked, this, [this, b] {
            model_.setProximity(profile(), b == proximityOn_);
            showView();
        });
    }
    multicolour_ = twoState("multicolour");
    connect(multicolour_, &QAbstractButton::clicked, this, [this] {
        model_.toggleMulticolour(profile());
        showView();
    });
    for (int k = 0; k < kSwatchCount; ++k) {
        CGDIBitmapBtn* b = twoState("swatch" + std::to_string(k));
        // The swatch in use is the one on.
        setAccessibleKind(b, AccessibleKind::RadioButton);
        connect(b, &QAbstractButton::clicked, this, [this, k] {
            model_.choosePreset(profile(), k);
            showView();
        });
        swatches_[static_cast<size_t>(k)] = b;
    }

    auto colourButton = [&](std::string_view name) {
        auto* b = new CColorBtn(this);
        b->setGeometry(rectOf(name).adjusted(kWellInset, kWellInset, -kWellInset, -kWellInset));
        b->setDrawBorder(true);
        return b;
    };
    for (int i = 0; i < kMulticolourSlots; ++i) {
        CColorBtn* b = colourButton("multicolour" + std::to_string(i + 1));
        // The well being edited is the current one.
        setAccessibleKind(b, AccessibleKind::RadioButton);
        setDescribedByToolTip(b, false);
        connect(b, &QAbstractButton::clicked, this, [this, i] {
            model_.chooseMulticolourColour(profile(), i);
            showView();
        });
        multicolourColours_[static_cast<size_t>(i)] = b;
    }
    // Shows the colour of modes 1 and 2; it has no command of its own.
    singleColour_ = colourButton("singleColour");
    setAccessibleKind(singleColour_, AccessibleKind::Picture);
    setDescribedByToolTip(singleColour_, false);
    // Its caption follows the language, so the page writes it beside the well, within the
    // column of mode buttons above it.
    const QRect well = rectOf("singleColour");
    singleColourCaption_ = QRect(QPoint(well.right() + 10, well.top()),
                                 QPoint(rectOf("mode6").right(), well.bottom()));

    const QString thumb = skinPath(programDirectory, QStringLiteral("Slider.png"));
    auto makeSlider = [&](std::string_view name, LightingSlider id, int minimum, int maximum) {
        const QRect r = rectOf(name).adjusted(0, -kSliderOverhang, 0, kSliderOverhang);
        auto* s = new CPngHSliderBar(this);
        s->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        s->Create(thumb, r.left(), r.top(), r.right() + 1, r.bottom() + 1, this,
                  static_cast<int>(id));
        s->SetBackground(r.left(), r.top(), r.width(), r.height(), normal);
        s->SetTrackRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
        s->thumb()->SetPlacement(1);
        s->SetRange(minimum, maximum);
        connect(s, &CPngHSliderBar::sliderMoved, this, &CDlgLEDSet::sliderMoved);
        return s;
    };
    mode1Slider_ =
        makeSlider("mode1Slider", LightingSlider::Mode1Level, kMode1LevelMin, kMode1LevelMax);
    mode2Slider_ =
        makeSlider("mode2Slider", LightingSlider::Mode2Speed, kMode2SpeedMin, kMode2SpeedMax);
    mode5Slider_ =
        makeSlider("mode5Slider", LightingSlider::Mode5Speed, kMode5SpeedMin, kMode5SpeedMax);
    const char* channels[3] = {"red", "green", "blue"};
    for (int c = 0; c < 3; ++c) {
        const std::string name = channels[c];
        rgbSliders_[static_cast<size_t>(c)] = makeSlider(
            name + "Slider", static_cast<LightingSlider>(static_cast<int>(LightingSlider::Red) + c),
            kColourChannelMin, kColourChannelMax);
        // Display only: the values follow the sliders and the wheel.
        const QRect r = rectOf(name + "Value").adjusted(3, 1, -3, -1);
        auto* box = new CBitmapEdit(this, 13);
        box->setGeometry(r);
        box->SetBackground(r.left(), r.top(), r.width(), r.height(), normal);
        box->setAlignment(Qt::AlignCenter);
        box->setEnabled(false);
        valueBoxes_[static_cast<size_t>(c)] = box;
    }

    for (const auto& [name, hint] : kLabels) labels_.emplace_back(rectOf(name), hint);
    wheel_ = rectOf("colourWheel");
    preview_ = rectOf("currentColour");
    // The arrows choose among the modes and the two proximity settings, as a click would; among
    // the swatches they only move, and Space takes the colour.
    makeKeyRow({modes_.begin(), modes_.end()}, 2, true);
    makeKeyRow({proximityOn_, proximityOff_}, 2, true);
    constexpr int kSwatchesPerLine = 7;
    makeKeyRow({swatches_.begin(), swatches_.end()}, kSwatchesPerLine, false);
    releaseStateImages();  // every control holds its own cut now
}

void CDlgLEDSet::refreshTexts() {
    for (int m = 1; m <= kLightingModeCount; ++m)
        modes_[static_cast<size_t>(m - 1)]->SetText(
            languageText(language_, kModes[static_cast<size_t>(m - 1)].captionKey));
    proximityOn_->SetText(languageText(language_, u"str_led_body_on"));
    proximityOff_->SetText(languageText(language_, u"str_led_body_off"));
    for (int i = 0; i < kMulticolourSlots; ++i)
        multicolourColours_[static_cast<size_t>(i)]->SetTooltip(
            languageText(language_, kMulticolourKeys[static_cast<size_t>(i)]), true);
    singleColour_->SetTooltip(languageText(language_, kSingleColourKey), true);
    nameControls();
    update();
}

void CDlgLEDSet::nameControls() {
    const int64_t id = language_.languageId();
    auto program = [id](ProgramText t) { return QString::fromUtf8(programText(t, id)); };
    const std::string proximity(programText(ProgramText::CaptionProximity, id));
    for (CGDIBitmapBtn* b : {proximityOn_, proximityOff_}) {
        b->setAccessibleName(QString::fromStdString(formatText(
            programText(ProgramText::AccessNamedValue, id), {proximity, b->text().toStdString()})));
        b->setAccessibleDescription(languageText(language_, u"str_proximity_sensing"));
    }
    multicolour_->setAccessibleName(program(ProgramText::AccessCustomColours));
    multicolour_->setAccessibleDescription(languageText(language_, u"str_led_changeClolor"));
    for (int k = 0; k < kSwatchCount; ++k) {
        swatches_[static_cast<size_t>(k)]->setAccessibleName(
            QString::fromStdString(presetColourName(k, id)));
        setDescribedByToolTip(swatches_[static_cast<size_t>(k)], false);
    }
    const std::array<std::pair<CPngHSliderBar*, const char16_t*>, 3> effectSliders{{
        {mode1Slider_, u"str_led_brightness"},
        {mode2Slider_, u"str_breath_speed"},
        {mode5Slider_, u"str_led_symphonySpeed"},
    }};
    for (const auto& [slider, description] : effectSliders) {
        slider->setAccessibleName(program(slider == mode1Slider_ ? ProgramText::AccessBrightness
                                                                 : ProgramText::AccessSpeed));
        slider->setAccessibleDescription(languageText(language_, description));
    }
    constexpr std::array<ProgramText, 3> channels{ProgramText::AccessRed, ProgramText::AccessGreen,
                                                  ProgramText::AccessBlue};
    for (size_t c = 0; c < channels.size(); ++c) {
        rgbSliders_[c]->setAccessibleName(program(channels[c]));
        valueBoxes_[c]->setAccessibleName(program(channels[c]));
    }
    nameColourWells();
}

void CDlgLEDSet::nameColourWells() {
    // "Color 1 #FF0000": the well and the colour it holds now.
    auto name = [this](CColorBtn* well) {
        const QColor c = well->color();
        const uint32_t colour =
            colourRef(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
                      static_cast<uint8_t>(c.blue()));
        well->setAccessibleName(well->toolTip() + QLatin1Char(' ') +
                                QString::fromStdString(colourHexText(colour)));
    };
    for (CColorBtn* well : multicolourColours_) name(well);
    name(singleColour_);
}

void CDlgLEDSet::refreshLightingPage() {
    model_.refresh(profile());
    showView();
}

void CDlgLEDSet::showView() {
    const LightingPageView& v = model_.view();
    for (size_t i = 0; i < modes_.size(); ++i) modes_[i]->setLatched(v.modeSelected[i]);
    mode1Slider_->Enable(v.mode1SliderEnabled);
    mode2Slider_->Enable(v.mode2SliderEnabled);
    mode5Slider_->Enable(v.mode5SliderEnabled);
    mode1Slider_->SetPos(v.mode1Position);
    mode2Slider_->SetPos(v.mode2Position);
    mode5Slider_->SetPos(v.mode5Position);
    multicolour_->setEnabled(v.multicolourEnabled);
    multicolour_->setLatched(v.multicolourOn);
    const int slot = model_.editSlot();
    for (int i = 0; i < kMulticolourSlots; ++i) {
        CColorBtn* b = multicolourColours_[static_cast<size_t>(i)];
        b->setEnabled(v.multicolourEnabled);
        b->setColor(toQColor(v.colours[static_cast<size_t>(i)]));
        b->setCurrent(slot == i);
    }
    singleColour_->setColor(toQColor(v.colours[kSingleColourSlot]));
    singleColour_->setCurrent(slot == kSingleColourSlot);
    proximityOn_->setLatched(v.proximityOn);
    proximityOff_->setLatched(!v.proximityOn);
    for (int k = 0; k < kSwatchCount; ++k) {
        CGDIBitmapBtn* b = swatches_[static_cast<size_t>(k)];
        b->setEnabled(v.swatchesEnabled);
        b->setLatched(k == v.selectedSwatch);
    }
    for (size_t c = 0; c < 3; ++c) {
        rgbSliders_[c]->Enable(v.rgbEnabled);
        rgbSliders_[c]->SetPos(v.rgb[c]);
        CBitmapEdit* box = valueBoxes_[c];
        QPalette pal = box->palette();
        pal.setColor(QPalette::Text, v.rgbEnabled ? kValueColour : kValueColourOff);
        box->setPalette(pal);
        box->setText(QString::asprintf("%d", v.rgb[c]));
    }
    nameColourWells();
    // The preview, the selection ring of the edited well and the caption are painted here.
    update();
}

void CDlgLEDSet::sliderMoved(int value, int id) {
    if (model_.sliderMoved(profile(), id, value)) showView();
}

CGDIBitmapBtn* CDlgLEDSet::modeButton(int mode) const {
    if (mode < 1 || mode > kLightingModeCount) return nullptr;
    return modes_[static_cast<size_t>(mode - 1)];
}

CColorBtn* CDlgLEDSet::multicolourButton(int slot) const {
    if (slot < 0 || slot >= kMulticolourSlots) return nullptr;
    return multicolourColours_[static_cast<size_t>(slot)];
}

CGDIBitmapBtn* CDlgLEDSet::swatch(int index) const {
    if (index < 0 || index >= kSwatchCount) return nullptr;
    return swatches_[static_cast<size_t>(index)];
}

CPngHSliderBar* CDlgLEDSet::slider(LightingSlider id) const {
    switch (id) {
        case LightingSlider::Mode1Level:
            return mode1Slider_;
        case LightingSlider::Mode2Speed:
            return mode2Slider_;
        case LightingSlider::Mode5Speed:
            return mode5Slider_;
        case LightingSlider::Red:
        case LightingSlider::Green:
        case LightingSlider::Blue:
            return rgbSliders_[static_cast<size_t>(static_cast<int>(id) -
                                                   static_cast<int>(LightingSlider::Red))];
    }
    return nullptr;
}

CBitmapEdit* CDlgLEDSet::valueBox(int channel) const {
    if (channel < 0 || channel >= 3) return nullptr;
    return valueBoxes_[static_cast<size_t>(channel)];
}

std::vector<int> CDlgLEDSet::hintsAt(const QPoint& pos) const {
    const std::pair<const QWidget*, int> controls[] = {
        {modes_[3], kModes[3].hint},
        {modes_[2], kModes[2].hint},
        {modes_[5], kModes[5].hint},
        {modes_[1], kModes[1].hint},
        {mode2Slider_, kHintMode2Speed},
        {modes_[0], kModes[0].hint},
        {mode1Slider_, kHintMode1Level},
        {modes_[4], kModes[4].hint},
        {multicolour_, multicolour_->latched() ? kHintMulticolourOn : kHintMulticolourOff},
        {multicolourColours_[0], kHintMulticolour[0]},
        {multicolourColours_[1], kHintMulticolour[1]},
        {multicolourColours_[2], kHintMulticolour[2]},
        {mode5Slider_, kHintMode5Speed},
        {proximityOn_, kHintProximityOn},
        {proximityOff_, kHintProximityOff},
        {singleColour_, kHintSingleColour},
        {rgbSliders_[0], kHintRgb},
        {rgbSliders_[1], kHintRgb},
        {rgbSliders_[2], kHintRgb},
    };
    std::vector<int> hints;
    for (const auto& [control, hint] : controls)
        if (control->geometry().adjusted(-1, -1, 1, 1).contains(pos)) hints.push_back(hint);
    for (const auto& [rect, hint] : labels_)
        if (rect.adjusted(-1, -1, 1, 1).contains(pos)) hints.push_back(hint);
    if (preview_.adjusted(-1, -1, 1, 1).contains(pos)) hints.push_back(kHintCurrentColour);
    return hints;
}

bool CDlgLEDSet::inWheel(const QPoint& pos) const {
    return insideEllipse(wheel_.left(), wheel_.top(), wheel_.right() + 1, wheel_.bottom() + 1,
                         pos.x(), pos.y());
}

void CDlgLEDSet::updateCursor(const QPoint& pos) {
    if (model_.colourEditing() && inWheel(pos))
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
}

void CDlgLEDSet::mouseMoveEvent(QMouseEvent* event) {
    CSkinPage::mouseMoveEvent(event);
    const QPoint pos = event->position().toPoint();
    updateCursor(pos);
    for (int hint : hintsAt(pos)) emit hintRequested(hint);
}

void CDlgLEDSet::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && model_.colourEditing() && inWheel(pos)) {
        // The wheel's pixel as the page shows it: the page image under the pointer.
        if (!normalImage().valid(pos)) return;  // no skin image: nothing to pick
        const QRgb pixel = normalImage().pixel(pos);
        if (model_.pickColour(profile(), colourRef(static_cast<uint8_t>(qRed(pixel)),
                                                   static_cast<uint8_t>(qGreen(pixel)),
                                                   static_cast<uint8_t>(qBlue(pixel)))))
            showView();
        event->accept();  // a pick does not move the window
        return;
    }
    CSkinPage::mousePressEvent(event);
}

void CDlgLEDSet::mouseReleaseEvent(QMouseEvent* event) {
    updateCursor(event->position().toPoint());
    CSkinPage::mouseReleaseEvent(event);
}

void CDlgLEDSet::mouseDoubleClickEvent(QMouseEvent* event) {
    updateCursor(event->position().toPoint());
    CSkinPage::mouseDoubleClickEvent(event);
}

void CDlgLEDSet::paintEvent(QPaintEvent* event) {
    CSkinPage::paintEvent(event);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    // While no colour is edited the wheel does not react: it fades like the swatches.
    if (!model_.colourEditing()) {
        p.setPen(Qt::NoPen);
        p.setBrush(kFadedWheel);
        p.drawEllipse(QRectF(wheel_));
    }

    // The edited well gets a ring in the frame around its colour button.
    const int slot = model_.editSlot();
    const CColorBtn* edited = slot == kSingleColourSlot ? singleColour_
                              : slot >= 0 && slot < kMulticolourSlots
                                  ? multicolourColours_[static_cast<size_t>(slot)]
                                  : nullptr;
    if (edited) {
        p.setPen(QPen(kSelectedRing, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(edited->geometry()).adjusted(-2, -2, 2, 2), 3, 3);
    }

    p.setFont(skinFont(15, QFont::Normal));
    p.setPen(kCaptionColour);
    p.drawText(singleColourCaption_, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               fitLine(languageText(language_, kSingleColourKey), p, singleColourCaption_.width()));

    // The preview: the edited colour with its name and value, or the empty well.
    const std::optional<uint32_t> colour = model_.editedColour(profiles_.active());
    if (!colour) return;
    const QRectF area = QRectF(preview_).adjusted(kWellInset, kWellInset, -kWellInset, -kWellInset);
    const QColor fill = toQColor(*colour);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(area, 3, 3);
    const QString name = languageText(language_, slot == kSingleColourSlot
                                                     ? kSingleColourKey
                                                     : kMulticolourKeys[static_cast<size_t>(slot)]);
    const QString value = QStringLiteral("#%1%2%3")
                              .arg(fill.red(), 2, 16, QLatin1Char('0'))
                              .arg(fill.green(), 2, 16, QLatin1Char('0'))
                              .arg(fill.blue(), 2, 16, QLatin1Char('0'))
                              .toUpper();
    // Dark text on light colours, light text on dark ones.
    const int luma = (299 * fill.red() + 587 * fill.green() + 114 * fill.blue()) / 1000;
    p.setPen(luma > 140 ? QColor(20, 20, 24) : QColor(245, 245, 250));
    p.setFont(skinFont(14, QFont::Normal));
    // The name keeps clear of the value at the right.
    const QRectF textArea = area.adjusted(8, 0, -8, 0);
    const int nameRoom =
        static_cast<int>(textArea.width()) - p.fontMetrics().horizontalAdvance(value) - 6;
    p.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               fitLine(name, p, nameRoom));
    p.drawText(area.adjusted(8, 0, -8, 0), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
               value);
}

}  // namespace z408
