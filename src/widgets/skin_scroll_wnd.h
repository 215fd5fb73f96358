// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Replaces the scroll bars of a scroll area (a list) by skinned ones that mirror its range, page
// and position; UnskinWndScroll gives the area plain bars again.
#include <QImage>
#include <QObject>
#include <QPointer>

#include "widgets/skin_scroll_bar.h"

class QAbstractScrollArea;

namespace z408 {

class CSkinScrollWnd : public QObject {
    Q_OBJECT

  public:
    CSkinScrollWnd(QAbstractScrollArea* area, const QImage& skin);

    QAbstractScrollArea* area() const { return area_; }
    CSkinScrollBar* verticalBar() const { return vertical_; }
    CSkinScrollBar* horizontalBar() const { return horizontal_; }
    // Puts plain scroll bars back.
    void restore();

  private:
    QPointer<QAbstractScrollArea> area_;
    QPointer<CSkinScrollBar> vertical_, horizontal_;
};

// The frame object lives as a child of the area and goes with it.
CSkinScrollWnd* SkinWndScroll(QAbstractScrollArea* area, const QImage& skin);
void UnskinWndScroll(CSkinScrollWnd* frame);

}  // namespace z408
