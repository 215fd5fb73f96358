// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The statistics page: click, wheel and pointer-travel counters kept in "Sts.cfg", drawn onto
// the page, and the trophy level they earn (the large trophy picture, thirteen small trophies and
// the level bar). Button and wheel events arrive as Msg::ClickEvent from the main window; the
// pointer is sampled by a thread of the page that posts Msg::CursorSample.
#include <QImage>
#include <QRect>
#include <QString>
#include <QTimer>
#include <array>
#include <chrono>
#include <filesystem>
#include <memory>

#include "pages/skin_page.h"
#include "stats/cursor_sampler.h"
#include "stats/cursor_source.h"
#include "stats/statistics.h"
#include "widgets/message_event.h"

namespace z408 {

class CGDIBitmapBtn;
class LanguageContext;
class UserNotices;

// Hint numbers the page sends with hintRequested.
inline constexpr int kHintTrophy = 54;
inline constexpr int kHintResetStatistics = 55;

class CDlgSts : public CSkinPage {
    Q_OBJECT
  public:
    // The values drawn on the page, in drawing order.
    enum Value {
        LeftClicks,
        MiddleClicks,
        RightClicks,
        ClickTotal,
        WheelForward,
        WheelBackward,
        WheelTotal,
        PointerTravel,
        kValueCount
    };

    // `cursor` may be null (no pointer travel is counted).
    CDlgSts(const QString& programDirectory, std::filesystem::path dataDirectory,
            bool chineseLayout, LanguageContext& language, UserNotices& notices,
            std::unique_ptr<CursorSource> cursor, QWidget* parent);
    // Stops the sampling thread, then saves the counters (when they were loaded).
    ~CDlgSts() override;

    // Loads "Sts.cfg", builds the controls, starts sampling the pointer and the travel redraw.
    void initialise();
    // Where Msg::ClickEvent (wParam: the hook's event code) is posted.
    MessageSink& sink() { return sink_; }
    // Writes "Sts.cfg" (the window calls it when the session ends).
    void saveStatistics();
    // Sets the tooltips, the reset caption and the trophy's texts again from the current language.
    void refreshTooltips();
    // Pause of the sampling thread between readings; takes effect at initialise().
    void setSamplingInterval(std::chrono::milliseconds interval) { samplingInterval_ = interval; }

    const Statistics& statistics() const { return statistics_; }
    // The trophy level whose images are shown; kNoLevelShown before the first and after a reset.
    int shownLevel() const { return shownLevel_; }
    CGDIBitmapBtn* trophyPicture() const { return trophy_; }
    CGDIBitmapBtn* levelBar() const { return levelBar_; }
    CGDIBitmapBtn* trophyButton(int index) const;
    CGDIBitmapBtn* resetButton() const { return reset_; }

    // The eight texts as drawn (counters unsigned, travel × 0.0001 with two decimals).
    static std::array<QString, kValueCount> valueTexts(const StatisticsRecord& record);
    std::array<QString, kValueCount> shownValues() const {
        return valueTexts(statistics_.record());
    }
    // Where a value is drawn; the Chinese layout's labels are wider.
    static QRect valueRect(int value, bool chineseLayout);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void onMessage(Msg msg, uintptr_t wParam);
    void createControls();
    // Raises the trophy level from the counters and brings the trophies and the bar up to it.
    void showLevel();
    // The trophy's look: its picture with the rank name and level line in the current language.
    void drawTrophyTexts();
    void resetClicked();
    QRect counterArea() const;
    std::filesystem::path statisticsFile() const;

    QString programDirectory_;
    std::filesystem::path dataDirectory_;
    bool chineseLayout_;
    LanguageContext& language_;
    Statistics statistics_;
    int shownLevel_ = kNoLevelShown;
    bool initialised_ = false;
    bool haveStartPoint_ = false;

    CGDIBitmapBtn* trophy_ = nullptr;
    QImage trophyPicture_;  // as read, without texts
    CGDIBitmapBtn* levelBar_ = nullptr;
    std::array<CGDIBitmapBtn*, kTrophyCount> trophies_{};
    CGDIBitmapBtn* reset_ = nullptr;
    QTimer travelRedraw_;

    QtMessageSink sink_;
    std::chrono::milliseconds samplingInterval_ = CursorSampler::kInterval;
    std::unique_ptr<CursorSource> cursor_;
    std::unique_ptr<CursorSampler> sampler_;  // after what it uses, so it stops first
};

}  // namespace z408
