#include "pages/skin_page.h"

#include <QKeyEvent>
#include <QPainter>

#include "skin/skin_layout.h"
#include "widgets/skin_image.h"

namespace z408 {
namespace {

bool isDiscardedKey(const QKeyEvent* e) {
    const int k = e->key();
    return k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape || k == Qt::Key_Space;
}

}  // namespace

CSkinPage::CSkinPage(const QString& skinId, const QString& programDirectory, bool chineseLayout,
                     QWidget* parent)
    : QWidget(parent), skinId_(skinId) {
    const skin::PageSkin page = skin::pageSkin(
        skinId.toStdString(), chineseLayout ? skin::Layout::Chinese : skin::Layout::English);
    auto path = [&](size_t i) {
        return skinPath(programDirectory, QString::fromStdString(page.files[i]));
    };
    normalPath_ = path(0);
    normal_ = LoadSkinImage(normalPath_);
    hasNormal_ = !normal_.isNull();
    downPath_ = path(1);
    overPath_ = path(2);
    setAttribute(Qt::WA_OpaquePaintEvent, hasNormal_);
    resize(skin::kPageWidth, skin::kPageHeight);
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

void CSkinPage::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QImage& normal = normalImage();
    if (!normal.isNull()) p.drawImage(event->rect(), normal, event->rect());
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
