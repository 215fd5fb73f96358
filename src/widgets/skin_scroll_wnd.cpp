// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/skin_scroll_wnd.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

#include "widgets/skin_scroll_bar.h"

namespace z408 {

CSkinScrollWnd::CSkinScrollWnd(QAbstractScrollArea* area, const QImage& skin)
    : QObject(area), area_(area) {
    setObjectName(QStringLiteral("SkinScrollBarFrame"));
    // The area adopts the bars: range, page and position are the area's own from then on.
    vertical_ = new CSkinScrollBar(Qt::Vertical, skin);
    horizontal_ = new CSkinScrollBar(Qt::Horizontal, skin);
    area->setVerticalScrollBar(vertical_);
    area->setHorizontalScrollBar(horizontal_);
}

void CSkinScrollWnd::restore() {
    if (!area_) return;
    area_->setVerticalScrollBar(new QScrollBar(Qt::Vertical));
    area_->setHorizontalScrollBar(new QScrollBar(Qt::Horizontal));
}

CSkinScrollWnd* SkinWndScroll(QAbstractScrollArea* area, const QImage& skin) {
    if (!area) return nullptr;
    return new CSkinScrollWnd(area, skin);
}

void UnskinWndScroll(CSkinScrollWnd* frame) {
    if (!frame) return;
    frame->restore();
    frame->deleteLater();
}

}  // namespace z408
