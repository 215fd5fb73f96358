// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A preview page for the gallery: paints one skin image and carries the skin widgets built from
// the layout table, so the result shows how a page looks with real widgets on it.
#include <QImage>
#include <QMap>
#include <QWidget>
#include <functional>
#include <vector>

#include "skin/skin_layout.h"

namespace z408::gallery {

struct PaintedText {
    QRect rect;
    QString text;
    QColor colour;
    int pixelSize = 14;
    int flags = Qt::AlignLeft | Qt::AlignVCenter;
};

class SkinPage : public QWidget {
  public:
    // Loads the page's triplet (program-dir/skins/... or numbered resources) and places a widget
    // on every control of the table.
    SkinPage(const skin::PageSkin& page, const QString& programDir, QWidget* parent = nullptr);

    QWidget* control(const QString& name) const { return controls_.value(name); }
    const QImage& image(int state) const { return images_[state]; }
    void addText(const PaintedText& text) { texts_.push_back(text); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void build(const skin::Control& c, const QString& programDir);

    skin::PageSkin page_;
    QImage images_[3];
    QMap<QString, QWidget*> controls_;
    std::vector<PaintedText> texts_;
};

}  // namespace z408::gallery
