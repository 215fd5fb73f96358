// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A borderless popup drawn from an optional PNG background (a stretchable frame with 32-pixel
// corners) with per-pixel alpha, or as a blue-framed white box. Subclasses draw their texts and
// their images over it. Losing activation closes it; closing emits closing().
#include <QImage>
#include <QWidget>

namespace z408 {

class CWndPopup : public QWidget {
    Q_OBJECT

  public:
    explicit CWndPopup(QWidget* owner = nullptr);

    void Create(QWidget* owner, const QPoint& screenPos);
    void SetBackground(int pngResource);
    void SetBackgroundImage(const QImage& png);

    // The popup as it is shown (with alpha).
    QImage render() const;

  signals:
    void closing();

  protected:
    virtual void drawTexts(QPainter& p) const = 0;
    virtual void drawImages(QPainter& p) const = 0;
    QFont popupFont() const;

    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QImage background_;
    bool closed_ = false;
};

}  // namespace z408
