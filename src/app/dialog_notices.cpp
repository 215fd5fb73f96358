// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "app/dialog_notices.h"

#include <QMessageBox>

#include "app/dlg_info.h"
#include "common/text.h"
#include "i18n/language_context.h"

namespace z408 {

bool DialogNotices::show(const Notice& notice) {
    const QString text = QString::fromStdString(notice.text);
    if (notice.style == NoticeStyle::MessageBox) {
        QMessageBox::information(parent_, QString::fromStdString(notice.caption), text);
        return true;
    }
    CDlgInfo box(text, notice.withCancel ? InfoButtons::OkCancel : InfoButtons::Ok,
                 InfoCountdown::None, languageId(), parent_);
    return box.exec() == QDialog::Accepted;
}

std::string DialogNotices::text(std::string_view key) const {
    return language_.strings().utf8(utf8ToUtf16(key));
}

bool DialogNotices::chinese() const {
    return language_.ChineseTextFlag() != 0;
}

int32_t DialogNotices::languageId() const {
    return language_.languageId();
}

}  // namespace z408
