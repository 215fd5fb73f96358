// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// What every page of the main window is built on: a child window of the pages rectangle that
// draws its normal skin image. The pressed and hover images, which the page's controls are cut
// from, are read when first asked for and can be let go once every control holds its cut
// (three page images cost about 5 MB). A page put out of sight (another tab; the window hidden in
// the tray, through releaseImages()) lets its normal image go too and reads it again when next
// drawn. Enter, Escape and Space are discarded on every page.
#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "skin/skin_layout.h"

class QKeyEvent;

namespace z408 {

class CGDIBitmapBtn;

// Enter, Escape and Space neither press a button nor close anything on the pages and the
// function picker.
bool isDiscardedKey(const QKeyEvent* event);

// A bitmap button on `parent` at the layout's control `name` (named after it), its looks cut
// from the page's normal, down and over images.
CGDIBitmapBtn* makeSkinButton(QWidget* parent, const skin::PageSkin& layout, std::string_view name,
                              const QImage& normal, const QImage& down, const QImage& over);

// The normal, down and over image files of a page in the skin layout.
std::array<QString, 3> skinImagePaths(const QString& skinId, const QString& programDirectory,
                                      bool chineseLayout);

class CSkinPage : public QWidget {
    Q_OBJECT
  public:
    // `skinId` names the page in the skin layout ("settings", "lighting", "macro", "stats",
    // "support", and the picker's "combo", "pmacro", "base", "advanced"); the images are read
    // from the program directory's skins folder and the page takes the layout's size.
    CSkinPage(const QString& skinId, const QString& programDirectory, bool chineseLayout,
              QWidget* parent);

    // Read again here after releaseImages(); null only when the skin file is missing.
    const QImage& normalImage() const;
    const QImage& downImage();
    const QImage& overImage();
    // Frees the pressed and hover images (read again if asked for later).
    void releaseStateImages();
    // Frees every page image, the normal one included: nothing is drawn while the window is
    // hidden, and each control keeps its own cut.
    void releaseImages();
    QString skinId() const { return skinId_; }
    // Hiding a page (another tab is shown) lets its images go.
    void setVisible(bool visible) override;
    // The page's controls in the order Tab visits them; by default line by line from the top.
    virtual QList<QWidget*> tabChain() const;
    // The language the page's skin texts are drawn in, asked at every paint so that a switch
    // shows at the next update. Call once the page's controls exist: the check boxes and choices
    // among them draw their texts too.
    void setCaptionLanguage(std::function<int64_t()> languageId);
    int64_t captionLanguage() const;
    const skin::PageSkin& layout() const { return layout_; }

  signals:
    // The pointer is over something with a hint: the window's hint line shows hint `number`.
    void hintRequested(int number);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    QString skinId_;
    skin::PageSkin layout_;
    std::function<int64_t()> languageId_;
    QString normalPath_, downPath_, overPath_;
    bool hasNormal_ = false;          // the normal image was read once: worth reading again
    std::vector<skin::Rect> panels_;  // the page's panels, which group its controls for Tab
    mutable QImage normal_;
    QImage down_, over_;
};

}  // namespace z408
