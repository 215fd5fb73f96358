// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "pages/dlg_support.h"

#include <QFile>
#include <QFileDialog>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <climits>

#include "common/program_texts.h"
#include "common/text.h"
#include "common/user_notices.h"
#include "config/profile_store.h"
#include "desktop/process_runner.h"
#include "i18n/language_context.h"
#include "pages/skin_controls.h"
#include "shell/device_bring_up.h"
#include "skin/skin_layout.h"
#include "update/update_description.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/skin_accessible.h"
#include "widgets/skin_image.h"

namespace z408 {
namespace {

struct WidgetSpec {
    const char* layoutName;      // the control in the page's skin layout
    const char16_t* tooltipKey;  // null for the display-only areas
    intptr_t hint;
};

// In CDlgSupport::Widget order.
constexpr std::array<WidgetSpec, CDlgSupport::kWidgetCount> kWidgets{{
    {"update", u"str_update", 56},
    {"web", u"str_tarvoWeb", 57},
    {"import", u"str_importFile", 58},
    {"export", u"str_exportFile", 59},
    {"restore", u"str_defaultname", 60},
    {"driverVersion", nullptr, 89},
    {"firmwareVersion", nullptr, 90},
}};

// The two version texts: layout boxes, colour and a 12-point face (16 px em at 96 dpi, which is
// a 19 px character cell in skinFont's terms).
const QRect kProgramVersionBox(127, 169, 247, 192);
const QRect kFirmwareVersionBox(440, 169, 515, 192);
const QColor kVersionColour(193, 210, 238, 255);
constexpr int kVersionFontCell = 19;

std::filesystem::path localPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

CDlgSupport::CDlgSupport(const QString& programDirectory, bool chineseLayout,
                         LanguageContext& language, UserNotices& notices, ProfileStore& profiles,
                         QWidget* parent)
    : CSkinPage(QStringLiteral("support"), programDirectory, chineseLayout, parent),
      notices_(notices),
      language_(language),
      profiles_(profiles) {
    setMouseTracking(true);
    const skin::PageSkin layout =
        skin::pageSkin("support", chineseLayout ? skin::Layout::Chinese : skin::Layout::English);
    const QImage& normal = normalImage();
    const QImage& down = downImage();
    const QImage& over = overImage();
    for (size_t i = 0; i < kWidgets.size(); ++i) {
        auto* b = new CGDIBitmapBtn(this);
        b->setObjectName(QString::fromLatin1(kWidgets[i].layoutName));
        const skin::Control* control = skin::findControl(layout, kWidgets[i].layoutName);
        b->SetBitmaps(control ? toQRect(control->rect) : QRect(), normal, over, down, normal);
        widgets_[i] = b;
    }
    releaseStateImages();
    widget(DriverVersion)->setCheckMode(CGDIBitmapBtn::CheckMode::Latch);
    widget(FirmwareVersion)->setCheckMode(CGDIBitmapBtn::CheckMode::Latch);
    // The version lamps show, they take no presses.
    setAccessibleKind(widget(DriverVersion), AccessibleKind::Picture);
    setAccessibleKind(widget(FirmwareVersion), AccessibleKind::Picture);
    refreshTooltips();

    connect(widget(Update), &QAbstractButton::clicked, this, &CDlgSupport::onUpdate);
    connect(widget(WebSite), &QAbstractButton::clicked, this, &CDlgSupport::onWebSite);
    connect(widget(Import), &QAbstractButton::clicked, this, &CDlgSupport::onImport);
    connect(widget(Export), &QAbstractButton::clicked, this, &CDlgSupport::onExport);
    connect(widget(RestoreDefaults), &QAbstractButton::clicked, this,
            &CDlgSupport::onRestoreDefaults);

    setCaptionLanguage([&language] { return int64_t{language.languageId()}; });
    updateTimeoutTimer_.setSingleShot(true);
    connect(&updateTimeoutTimer_, &QTimer::timeout, this, [this] {
        if (checker_) checker_->timeoutElapsed();
    });
}

void CDlgSupport::refreshTooltips() {
    for (size_t i = 0; i < kWidgets.size(); ++i)
        if (kWidgets[i].tooltipKey)
            widgets_[i]->SetTooltip(
                QString::fromStdU16String(language_.strings().text(kWidgets[i].tooltipKey)), true);
    nameVersions();
}

void CDlgSupport::nameVersions() {
    // The versions are painted beside the lamps: a screen reader reads them as the lamps' names.
    auto text = [this](std::u16string_view key) {
        return QString::fromStdU16String(language_.strings().text(key));
    };
    widget(DriverVersion)
        ->setAccessibleName(text(u"str_driver_version") + QLatin1Char(' ') +
                            QString::fromLatin1(kProgramVersionText));
    widget(FirmwareVersion)
        ->setAccessibleName(
            text(u"str_firmware_version") + QLatin1Char(' ') +
            QString::fromStdString(firmwareVersionDisplay(firmwareText_.toStdString())));
}

void CDlgSupport::setDeviceFirmwareVersionText(const QString& text) {
    firmwareText_ = text;
    nameVersions();
    if (checker_) checker_->setDeviceFirmwareVersionText(text.toStdString());
    update();
}

void CDlgSupport::setUpdateChecker(UpdateChecker* checker) {
    checker_ = checker;
    if (checker_) checker_->setDeviceFirmwareVersionText(firmwareText_.toStdString());
}

void CDlgSupport::setWebAddress(const QString& address) {
    webAddress_ = address.trimmed();
}

void CDlgSupport::startTimeoutTimer(uint32_t ms) {
    // Called by the checker on this page's thread.
    timerStarts_.fetch_add(1);
    updateTimeoutTimer_.start(static_cast<int>(std::min<uint32_t>(ms, INT_MAX)));
}

void CDlgSupport::stopTimeoutTimer() {
    // Called from the checker's worker: the timer belongs to this page's thread.
    const uint64_t start = timerStarts_.load();
    QMetaObject::invokeMethod(
        this,
        [this, start] {
            if (timerStarts_.load() == start) updateTimeoutTimer_.stop();
        },
        Qt::QueuedConnection);
}

void CDlgSupport::startFirmwareBurner() {
    emit firmwareBurnerRequested();
}

void CDlgSupport::onUpdate() {
    if (!checker_) {
        notices_.info(notices_.programText(ProgramText::NoUpdateServer));
        return;
    }
    // Without the mouse there is no version to compare and nothing to burn: say so, instead of
    // an answer about a firmware nobody asked.
    if (!checker_->running()) {
        notices_.info(std::string(mouseMissingText(notices_.languageId())));
        return;
    }
    checker_->checkForUpdate();
}

void CDlgSupport::onWebSite() {
    if (webAddress_.isEmpty()) {
        notices_.info(notices_.programText(ProgramText::NoWebSite));
        return;
    }
    startProgram({"xdg-open", webAddress_.toStdString()});
}

void CDlgSupport::onImport() {
    // The file goes into the profile shown when the dialog opened, never into another one.
    const int entry = profiles_.activeEntry();
    const QString path = chooseFile(false);
    if (path.isEmpty() || !profiles_.stillActive(entry)) return;
    // An invalid file is reported by the store itself.
    if (profiles_.importProfile(localPath(path)))
        notices_.message(formatText(kImportSuccessText, {path.toStdString()}));
}

void CDlgSupport::onExport() {
    const int entry = profiles_.activeEntry();
    const QString path = chooseFile(true);
    if (path.isEmpty() || !profiles_.stillActive(entry)) return;
    // Success only when the whole record reached the disk, not merely when the file was created.
    const bool written = static_cast<bool>(profiles_.exportProfile(localPath(path)));
    notices_.message(
        formatText(written ? kExportSuccessText : kExportFailedText, {path.toStdString()}));
}

void CDlgSupport::onRestoreDefaults() {
    const int entry = profiles_.activeEntry();
    if (notices_.info(
            std::string(programText(ProgramText::RestoreDefaultsAsk, notices_.languageId())),
            true) &&
        profiles_.stillActive(entry))
        emit restoreDefaultsRequested();
}

QString CDlgSupport::chooseFile(bool save) {
    QFileDialog dialog(this);
    dialog.setNameFilter(QStringLiteral("CFG Files(*.cfg)"));
    dialog.setDefaultSuffix(QStringLiteral("cfg"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.front();
}

bool CDlgSupport::startProgram(const std::vector<std::string>& argv) {
    return desktop::startDetached(argv);
}

void CDlgSupport::paintEvent(QPaintEvent* event) {
    CSkinPage::paintEvent(event);
    QPainter p(this);
    p.setFont(skinFont(kVersionFontCell, QFont::Normal));
    p.setPen(kVersionColour);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    p.drawText(kProgramVersionBox, flags, QString::fromLatin1(kProgramVersionText));
    p.drawText(kFirmwareVersionBox, flags,
               QString::fromStdString(firmwareVersionDisplay(firmwareText_.toStdString())));
}

void CDlgSupport::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    for (size_t i = 0; i < kWidgets.size(); ++i)
        if (widgets_[i]->geometry().adjusted(-1, -1, 1, 1).contains(pos))
            emit hintRequested(static_cast<int>(kWidgets[i].hint));
    event->accept();
}

}  // namespace z408
