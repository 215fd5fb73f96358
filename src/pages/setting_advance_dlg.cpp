// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "pages/setting_advance_dlg.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>

#include "common/program_texts.h"
#include "common/user_notices.h"
#include "functions/function_catalogue.h"
#include "i18n/language_strings.h"
#include "skin/skin_layout.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/skin_accessible.h"
#include "widgets/skin_image.h"
#include "widgets/text_fit.h"

namespace z408 {
namespace {

struct RowSpec {
    const char16_t* labelKey;
    QRect label;
};

constexpr const char16_t* kBrowseKey = u"str_browse";
const std::array<RowSpec, CSetting_AdvanceDlg::kRowCount> kRows = {{
    {u"str_advanced_sound", QRect(QPoint(41, 36), QPoint(126, 55))},
    {u"str_advanced_exe", QRect(QPoint(41, 63), QPoint(126, 82))},
    {u"str_advanced_file", QRect(QPoint(41, 89), QPoint(126, 108))},
    {u"str_advanced_dir", QRect(QPoint(41, 116), QPoint(126, 135))},
}};
const QColor kLabelColour(88, 95, 105);
constexpr int kTextCell = 14;

QString text(const LanguageStrings& texts, const char16_t* key) {
    return QString::fromStdU16String(texts.text(key));
}

}  // namespace

CSetting_AdvanceDlg::CSetting_AdvanceDlg(const QString& programDirectory, bool chineseLayout,
                                         int buttonIndex, const LanguageStrings& texts,
                                         UserNotices& notices, QWidget* parent)
    : CSkinPage(QStringLiteral("advanced"), programDirectory, chineseLayout, parent),
      button_(buttonIndex),
      texts_(texts),
      notices_(notices) {
    const skin::PageSkin layout =
        skin::pageSkin("advanced", chineseLayout ? skin::Layout::Chinese : skin::Layout::English);
    auto make = [&](const std::string& name) {
        return makeSkinButton(this, layout, name, normalImage(), downImage(), overImage());
    };
    for (int k = 0; k < kRowCount; ++k) {
        const std::string n = std::to_string(k);
        auto* choice = make("choice" + n);
        choice->setCheckMode(CGDIBitmapBtn::CheckMode::Latch);
        setAccessibleKind(choice, AccessibleKind::RadioButton);  // one kind of program to run
        choice->setUserValue(static_cast<int>(softwareValue(k)));
        connect(choice, &QAbstractButton::clicked, this, [this, k] { chooseRow(k); });
        auto* path = make("path" + n);
        // A single click does nothing; a double click browses.
        path->installEventFilter(this);
        path->setHoverLooksEnabled(false);
        // Shows the chosen path; the browse button beside it chooses.
        setAccessibleKind(path, AccessibleKind::Picture);
        path->SetTextColors(QColor(189, 189, 200), QColor(189, 189, 200), QColor(189, 189, 200));
        auto* browser = make("browse" + n);
        connect(browser, &QAbstractButton::clicked, this, [this, k] { browse(k); });
        choices_[static_cast<size_t>(k)] = choice;
        paths_[static_cast<size_t>(k)] = path;
        browses_[static_cast<size_t>(k)] = browser;
    }
    releaseStateImages();
    setTooltips();
    chooser_ = [this](int row) { return askForPath(row, window()); };
}

uint32_t CSetting_AdvanceDlg::softwareValue(int row) const {
    return softwarePickerValue(static_cast<SoftwareKind>(0xC0 + 0x10 * row), button_);
}

void CSetting_AdvanceDlg::setTooltips() {
    for (CGDIBitmapBtn* b : browses_) {
        b->SetText(text(texts_, kBrowseKey));
        b->SetTooltip(text(texts_, kBrowseKey), true);
    }
    // The rows' captions are painted beside their boxes: the boxes carry them for screen readers,
    // and a browse button says which row it chooses for.
    for (size_t k = 0; k < kRows.size(); ++k) {
        const QString row = text(texts_, kRows[k].labelKey);
        choices_[k]->setAccessibleName(row);
        browses_[k]->setAccessibleName(text(texts_, kBrowseKey) + QStringLiteral(" (") + row +
                                       QLatin1Char(')'));
    }
    update();
}

void CSetting_AdvanceDlg::chooseRow(int row) {
    for (int k = 0; k < kRowCount; ++k) choices_[static_cast<size_t>(k)]->setLatched(k == row);
}

void CSetting_AdvanceDlg::browse(int row) {
    if (row < 0 || row >= kRowCount) return;
    chooseRow(row);
    const QString chosen = chooser_ ? chooser_(row) : QString();
    if (chosen.isEmpty()) return;
    // A button keeps at most 259 units of a path; a shortened one would name another file.
    if (static_cast<size_t>(chosen.size()) > kMaxPathUnits) {
        notices_.info(notices_.programText(ProgramText::PathTooLong));
        return;
    }
    setPath(row, chosen);
}

void CSetting_AdvanceDlg::setPath(int row, const QString& path) {
    const auto r = static_cast<size_t>(row);
    pathTexts_[r] = path;
    paths_[r]->SetText(path);
    paths_[r]->SetTooltip(path, true);
}

void CSetting_AdvanceDlg::fillChoice(PickerChoice& choice) const {
    SoftwareRows rows;
    for (size_t k = 0; k < rows.paths.size(); ++k) {
        rows.chosen[k] = choices_[k]->latched();
        rows.paths[k] = pathTexts_[k].toStdU16String();
    }
    fillSoftwareChoice(rows, choice);
}

QString CSetting_AdvanceDlg::startFolder(int row) {
    const QString home = QDir::homePath();
    switch (row) {
        case Sound:
            for (const char* dir : {"/usr/share/sounds/freedesktop/stereo", "/usr/share/sounds"})
                if (QFileInfo(QString::fromLatin1(dir)).isDir()) return QString::fromLatin1(dir);
            return home;
        case Program:
            return QStringLiteral("/usr/bin");
        default:
            return home;
    }
}

QString CSetting_AdvanceDlg::askForPath(int row, QWidget* owner) {
    if (row == Folder) return QFileDialog::getExistingDirectory(owner, QString(), startFolder(row));
    // Desktop sounds are Ogg as often as WAV, and programs and files on Linux need no extension.
    static const char* const kFilters[] = {"(*.wav* *.oga *.ogg)", "(*)", "(*)"};
    QFileDialog dialog(owner, QString(), startFolder(row), QString::fromLatin1(kFilters[row]));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.front();
}

bool CSetting_AdvanceDlg::eventFilter(QObject* watched, QEvent* event) {
    for (int k = 0; k < kRowCount; ++k) {
        if (watched != paths_[static_cast<size_t>(k)]) continue;
        switch (event->type()) {
            case QEvent::MouseButtonDblClick:
                if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) browse(k);
                return true;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
                return true;
            default:
                return false;
        }
    }
    return CSkinPage::eventFilter(watched, event);
}

void CSetting_AdvanceDlg::paintEvent(QPaintEvent* event) {
    CSkinPage::paintEvent(event);
    QPainter p(this);
    p.setFont(skinFont(kTextCell, QFont::Light));
    p.setPen(kLabelColour);
    for (const RowSpec& row : kRows) {
        const QString label = fitLine(text(texts_, row.labelKey), p, row.label.width());
        p.drawText(row.label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, label);
    }
}

}  // namespace z408
