#include "pages/skin_page.h"

#include <QKeyEvent>
#include <QPainter>

#include "skin/skin_layout.h"
#include "widgets/skin_image.h"

namespace z408 {

bool isDiscardedKey(const QKeyEvent* e) {
    const int k = e->key();
    return k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape || k == Qt::Key_Space;
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
    : QWidget(parent), skinId_(skinId) {
    const skin::PageSkin page = skin::pageSkin(
        skinId.toStdString(), chineseLayout ? skin::Layout::Chinese : skin::Layout::English);
    const std::array<QString, 3> paths = skinImagePaths(skinId, programDirectory, chineseLayout);
    normal_ = LoadSkinImage(paths[0]);
    downPath_ = paths[1];
    overPath_ = paths[2];
    setAttribute(Qt::WA_OpaquePaintEvent, !normal_.isNull());
    resize(page.width, page.height);
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

void CSkinPage::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (!normal_.isNull()) p.drawImage(event->rect(), normal_, event->rect());
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
