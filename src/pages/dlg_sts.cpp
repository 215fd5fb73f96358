// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "pages/dlg_sts.h"

#include <QMouseEvent>
#include <QPainter>
#include <limits>

#include "i18n/language_context.h"
#include "pages/skin_controls.h"
#include "skin/skin_layout.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/skin_accessible.h"
#include "widgets/skin_image.h"
#include "widgets/trophy_caption.h"

namespace z408 {
namespace {

constexpr const char* kStatisticsFileName = "Sts.cfg";
constexpr int kTravelRedrawMs = 5000;
const QColor kValueColour(0xDC, 0xDC, 0xDC);
constexpr int kValueFontHeight = 14;

struct ValueRows {
    int top, bottom;
};
constexpr std::array<ValueRows, CDlgSts::kValueCount> kValueRows{{{85, 106},
                                                                  {119, 139},
                                                                  {152, 172},
                                                                  {183, 203},
                                                                  {250, 270},
                                                                  {284, 304},
                                                                  {319, 339},
                                                                  {384, 404}}};

QString languageText(const LanguageContext& language, std::u16string_view key) {
    return QString::fromStdU16String(language.strings().text(key));
}

}  // namespace

CDlgSts::CDlgSts(const QString& programDirectory, std::filesystem::path dataDirectory,
                 bool chineseLayout, LanguageContext& language, UserNotices& notices,
                 std::unique_ptr<CursorSource> cursor, QWidget* parent)
    : CSkinPage(QStringLiteral("stats"), programDirectory, chineseLayout, parent),
      programDirectory_(programDirectory),
      dataDirectory_(std::move(dataDirectory)),
      chineseLayout_(chineseLayout),
      language_(language),
      statistics_(notices),
      sink_(this),
      cursor_(std::move(cursor)) {
    setObjectName(QStringLiteral("CDlgSts"));
    setMouseTracking(true);  // hints follow the pointer without a button held
    setCaptionLanguage([&language] { return int64_t{language.languageId()}; });
    travelRedraw_.setInterval(kTravelRedrawMs);
    connect(&travelRedraw_, &QTimer::timeout, this,
            [this] { update(valueRect(PointerTravel, chineseLayout_)); });
}

CDlgSts::~CDlgSts() {
    // The thread posts to this page: it ends before the page does.
    sampler_.reset();
    // Counters that were never loaded are zeros; writing them would wipe the user's file.
    if (initialised_) saveStatistics();
}

void CDlgSts::initialise() {
    if (initialised_) return;
    statistics_.load(statisticsFile());
    createControls();
    initialised_ = true;
    showLevel();
    // The sampling thread's first reading becomes the starting point: the display connection
    // belongs to that thread alone.
    if (cursor_) sampler_ = std::make_unique<CursorSampler>(*cursor_, sink_, samplingInterval_);
    travelRedraw_.start();
}

void CDlgSts::createControls() {
    const skin::PageSkin page =
        skin::pageSkin("stats", chineseLayout_ ? skin::Layout::Chinese : skin::Layout::English);
    const QImage& normal = normalImage();
    const QImage& down = downImage();
    const QImage& over = overImage();
    auto make = [&](std::string_view name) {
        auto* button = new CGDIBitmapBtn(this);
        if (const skin::Control* c = skin::findControl(page, name))
            button->SetBitmaps(toQRect(c->rect), normal, over, down, normal);
        return button;
    };
    // Display-only: check mode without toggling, lit by the page.
    auto makeLamp = [&](std::string_view name) {
        CGDIBitmapBtn* b = make(name);
        b->setCheckMode(CGDIBitmapBtn::CheckMode::Latch);
        setAccessibleKind(b, AccessibleKind::Picture);
        return b;
    };
    trophy_ = makeLamp("trophy");
    trophy_->setLatched(true);
    levelBar_ = makeLamp("levelBar");
    for (size_t i = 0; i < trophies_.size(); ++i)
        trophies_[i] = makeLamp("trophy" + std::to_string(i));
    reset_ = make("reset");
    connect(reset_, &CGDIBitmapBtn::clicked, this, &CDlgSts::resetClicked);
    refreshTooltips();
    releaseStateImages();  // every control holds its own cut now
}

void CDlgSts::refreshTooltips() {
    if (!trophy_) return;
    trophy_->SetTooltip(languageText(language_, u"str_cups"), true);
    // The reset button's picture carries no caption: the tooltip's text is its caption too.
    const QString reset = languageText(language_, u"str_resetSts");
    reset_->SetTooltip(reset, true);
    reset_->SetText(reset);
    drawTrophyTexts();
}

void CDlgSts::drawTrophyTexts() {
    if (!trophy_ || shownLevel_ == kNoLevelShown) return;
    const int64_t languageId = language_.languageId();
    QImage look = trophyPicture_;
    if (!look.isNull()) {
        QPainter p(&look);
        paintTrophyTexts(p, shownLevel_, languageId);
    }
    trophy_->SetLooks(look, look, look, look);
    trophy_->setAccessibleDescription(trophyText(TrophyText::Rank, shownLevel_, languageId) +
                                      QStringLiteral(", ") +
                                      trophyText(TrophyText::Level, shownLevel_, languageId));
}

void CDlgSts::saveStatistics() {
    statistics_.save(statisticsFile());
}

CGDIBitmapBtn* CDlgSts::trophyButton(int index) const {
    if (index < 0 || index >= kTrophyCount) return nullptr;
    return trophies_[static_cast<size_t>(index)];
}

std::array<QString, CDlgSts::kValueCount> CDlgSts::valueTexts(const StatisticsRecord& r) {
    // The counters are unsigned: above 2^31 they still read as the positive count.
    return {QString::number(r.leftClicks),   QString::number(r.middleClicks),
            QString::number(r.rightClicks),  QString::number(r.clickTotal()),
            QString::number(r.wheelForward), QString::number(r.wheelBackward),
            QString::number(r.wheelTotal()), QString::fromStdString(formatTravel(r.pointerTravel))};
}

QRect CDlgSts::valueRect(int value, bool chineseLayout) {
    if (value < 0 || value >= kValueCount) return {};
    const ValueRows rows = kValueRows[static_cast<size_t>(value)];
    int left = chineseLayout ? 167 : 152;
    if (value == PointerTravel && chineseLayout) left = 179;
    return QRect(left, rows.top, 75, rows.bottom - rows.top);
}

QRect CDlgSts::counterArea() const {
    QRect area;
    for (int v = LeftClicks; v <= WheelTotal; ++v) area |= valueRect(v, chineseLayout_);
    return area;
}

std::filesystem::path CDlgSts::statisticsFile() const {
    return dataDirectory_ / kStatisticsFileName;
}

bool CDlgSts::event(QEvent* event) {
    if (event->type() == MessageEvent::eventType()) {
        const auto* m = static_cast<MessageEvent*>(event);
        onMessage(m->msg(), m->wParam());
        return true;
    }
    return CSkinPage::event(event);
}

void CDlgSts::onMessage(Msg msg, uintptr_t wParam) {
    if (!initialised_) return;  // counts before the file is loaded would be overwritten by it
    switch (msg) {
        case Msg::ClickEvent:
            // Event codes are 32-bit: a wider value is no event of ours, not its low half.
            if (wParam > std::numeric_limits<uint32_t>::max()) return;
            if (!statistics_.count(static_cast<uint32_t>(wParam))) return;
            showLevel();
            update(counterArea());
            break;
        case Msg::CursorSample: {
            if (!sampler_) return;
            const CursorPoint p = sampler_->latest();
            if (haveStartPoint_) {
                statistics_.sample(p.x, p.y);
            } else {
                statistics_.setLastPoint(p.x, p.y);
                haveStartPoint_ = true;
            }
            break;  // drawn by the travel redraw
        }
        default:
            break;
    }
}

void CDlgSts::showLevel() {
    if (!trophy_) return;
    const int level = statistics_.updateTrophyLevel();
    // The pictures are read only when the level changes, not on every paint.
    if (level != shownLevel_) {
        trophyPicture_ = LoadSkinImage(
            skinPath(programDirectory_, QStringLiteral("trophy/trophy%1Down.bmp").arg(level)));
        for (size_t i = 0; i < trophies_.size(); ++i)
            trophies_[i]->setLatched(static_cast<int>(i) <= level);
        shownLevel_ = level;
        drawTrophyTexts();
    }
    levelBar_->resize(levelBarWidth(level), levelBar_->height());
    levelBar_->setLatched(true);
}

void CDlgSts::resetClicked() {
    if (!statistics_.reset(statisticsFile())) return;
    shownLevel_ = kNoLevelShown;
    showLevel();
    update();
}

void CDlgSts::paintEvent(QPaintEvent* event) {
    CSkinPage::paintEvent(event);
    QPainter p(this);
    p.setFont(skinFont(kValueFontHeight, QFont::Light));
    p.setPen(kValueColour);
    const auto texts = shownValues();
    for (int v = 0; v < kValueCount; ++v)
        p.drawText(valueRect(v, chineseLayout_),
                   Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                   texts[static_cast<size_t>(v)]);
}

void CDlgSts::mouseMoveEvent(QMouseEvent* event) {
    CSkinPage::mouseMoveEvent(event);
    if (!trophy_) return;
    const QPoint pos = event->position().toPoint();
    const std::pair<const CGDIBitmapBtn*, int> hinted[] = {{trophy_, kHintTrophy},
                                                           {reset_, kHintResetStatistics}};
    for (const auto& [control, hint] : hinted)
        if (control->geometry().adjusted(-1, -1, 1, 1).contains(pos))
            emit hintRequested(static_cast<int>(hint));
}

}  // namespace z408
