// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The support page: the program's and the mouse's version, the firmware update check, the
// maker's web site, profile import and export, and restoring the default settings. It also
// serves the update check as its window side (the 2-second timer and the burner request).
#include <QString>
#include <QTimer>
#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pages/skin_page.h"
#include "update/update_checker.h"

namespace z408 {

class CGDIBitmapBtn;
class LanguageContext;
class ProfileStore;
class UserNotices;

inline constexpr const char* kProgramVersionText = "V1.0.1";

class CDlgSupport : public CSkinPage, public UpdateActions {
    Q_OBJECT
  public:
    // The widgets in their fixed order; the hint numbers and mouse-move hints follow it.
    enum Widget {
        Update,
        WebSite,
        Import,
        Export,
        RestoreDefaults,
        DriverVersion,
        FirmwareVersion
    };
    static constexpr int kWidgetCount = 7;

    CDlgSupport(const QString& programDirectory, bool chineseLayout, LanguageContext& language,
                UserNotices& notices, ProfileStore& profiles, QWidget* parent = nullptr);

    // The mouse's firmware number as decimal text ("" when it did not answer). Forwarded to the
    // update checker when one is set.
    void setDeviceFirmwareVersionText(const QString& text);
    QString deviceFirmwareVersionText() const { return firmwareText_; }
    // The checker the update button drives (null: no update server configured). The checker
    // must have this page as its UpdateActions and be stopped before the page goes away.
    void setUpdateChecker(UpdateChecker* checker);
    // The address the web-site button opens ("" when none is configured).
    void setWebAddress(const QString& address);
    // Sets the five tooltips again from the current language texts.
    void refreshTooltips();

    CGDIBitmapBtn* widget(Widget w) const { return widgets_[static_cast<size_t>(w)]; }
    // The update check's timeout timer; exposed so the window's tests can inspect and hurry it.
    QTimer& updateTimeoutTimer() { return updateTimeoutTimer_; }

    // UpdateActions
    void startTimeoutTimer(uint32_t ms) override;
    void stopTimeoutTimer() override;
    void startFirmwareBurner() override;

  signals:
    // The update check wants the firmware burner started and the program closed. Emitted on the
    // user-interface thread or on the checker's worker thread.
    void firmwareBurnerRequested();
    // The user confirmed restoring the default settings.
    void restoreDefaultsRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

    // The open (save false) or save file dialog for a profile; an empty text when cancelled.
    virtual QString chooseFile(bool save);
    // Starts a program detached (the web-site button's xdg-open).
    virtual bool startProgram(const std::vector<std::string>& argv);

  private:
    void nameVersions();
    void onUpdate();
    void onWebSite();
    void onImport();
    void onExport();
    void onRestoreDefaults();

    UserNotices& notices_;
    LanguageContext& language_;
    ProfileStore& profiles_;
    UpdateChecker* checker_ = nullptr;
    QString firmwareText_;
    QString webAddress_;
    std::array<CGDIBitmapBtn*, kWidgetCount> widgets_{};
    QTimer updateTimeoutTimer_;
    // Counts timer starts, so a stop posted by the worker for an answered check cannot stop the
    // timer of a check started after it.
    std::atomic<uint64_t> timerStarts_{0};
};

}  // namespace z408
