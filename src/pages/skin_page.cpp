// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "pages/skin_page.h"

#include <QKeyEvent>
#include <QPainter>

#include "i18n/languages.h"
#include "skin/skin_layout.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/irr_button.h"
#include "widgets/keyboard_focus.h"
#include "widgets/skin_caption.h"
#include "widgets/skin_image.h"

namespace z408 {

bool isDiscardedKey(const QKeyEvent* e) {
    const int k = e->key();
    return k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape || k == Qt::Key_Space;
}

CGDIBitmapBtn* makeSkinButton(QWidget* parent, const skin::PageSkin& layout, std::string_view name,
                              const QImage& normal, const QImage& down, const QImage& over) {
    auto* b = new CGDIBitmapBtn(parent);
    b->setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    QRect rect;
    if (const skin::Control* c = skin::findControl(layout, name))
        rect = QRect(c->rect.left, c->rect.top, c->rect.width(), c->rect.height());
    b->SetBitmaps(rect, normal, over, down, normal);
    return b;
}

std::array<QString, 3> skinImagePaths(const QString& skinId, const QString& programDirectory,
                                      bool chineseLayout) {
    const skin::PageSkin page = skin::pageSkin(
        skinId.toStdString(), chineseLayout ? skin::Layout::Chinese : skin::Layout::English);
    std::array<QString, 3> out;
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = skinPath(programDirectory, QString::fromStdString(page.files[i]));
    return out;
}

CSkinPage::CSkinPage(const QString& skinId, const QString& programDirectory, bool chineseLayout,
                     QWidget* parent)
    : QWidget(parent),
      skinId_(skinId),
      layout_(skin::pageSkin(skinId.toStdString(),
                             chineseLayout ? skin::Layout::Chinese : skin::Layout::English)) {
    const skin::PageSkin& page = layout_;
    // Until the page is told the interface language, its texts follow the installation's.
    languageId_ = [chineseLayout]() -> int64_t {
        return chineseLayout ? kLanguageSimplifiedChinese : kLanguageEnglish;
    };
    const std::array<QString, 3> paths = skinImagePaths(skinId, programDirectory, chineseLayout);
    normalPath_ = paths[0];
    normal_ = LoadSkinImage(normalPath_);
    hasNormal_ = !normal_.isNull();
    downPath_ = paths[1];
    overPath_ = paths[2];
    setAttribute(Qt::WA_OpaquePaintEvent, hasNormal_);
    resize(page.width, page.height);
    for (const skin::Control& c : page.controls)
        if (c.look == skin::Look::Panel) panels_.push_back(c.rect);
}

const QImage& CSkinPage::normalImage() const {
    if (normal_.isNull() && hasNormal_) normal_ = LoadSkinImage(normalPath_);
    return normal_;
}

const QImage& CSkinPage::downImage() {
    if (down_.isNull()) down_ = LoadSkinImage(downPath_);
    return down_;
}

const QImage& CSkinPage::overImage() {
    if (over_.isNull()) over_ = LoadSkinImage(overPath_);
    return over_;
}

void CSkinPage::releaseStateImages() {
    down_ = QImage();
    over_ = QImage();
}

void CSkinPage::releaseImages() {
    releaseStateImages();
    normal_ = QImage();
}

void CSkinPage::setVisible(bool visible) {
    if (!visible) releaseImages();
    QWidget::setVisible(visible);
}

QList<QWidget*> CSkinPage::tabChain() const {
    return readingOrderOf(this, panels_);
}

void CSkinPage::setCaptionLanguage(std::function<int64_t()> languageId) {
    languageId_ = std::move(languageId);
    for (const skin::Control& c : layout_.controls) {
        // A text under a button cut from the images is drawn by the button, over its picture.
        if (c.text == ProgramText::Count) continue;
        const QString name = QString::fromStdString(c.name);
        auto text = [this, c] { return captionText(c, captionLanguage()); };
        if (auto* b = findChild<CGDIBitmapBtn*>(name, Qt::FindDirectChildrenOnly))
            b->SetSkinCaption(c, text);
        else if (auto* q = findChild<CIrrButton*>(name, Qt::FindDirectChildrenOnly))
            q->SetSkinCaption(c, text);
    }
    update();
}

int64_t CSkinPage::captionLanguage() const {
    return languageId_();
}

void CSkinPage::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QImage& normal = normalImage();
    if (!normal.isNull()) p.drawImage(event->rect(), normal, event->rect());
    paintLanguageCaptions(p, layout_, captionLanguage(), event->rect());
}

void CSkinPage::keyPressEvent(QKeyEvent* event) {
    if (isDiscardedKey(event)) return;
    QWidget::keyPressEvent(event);
}

void CSkinPage::keyReleaseEvent(QKeyEvent* event) {
    if (isDiscardedKey(event)) return;
    QWidget::keyReleaseEvent(event);
}

}  // namespace z408
