#pragma once
// What every page of the main window is built on: a child window of the pages rectangle that
// draws its normal skin image. The pressed and hover images, which the page's controls are cut
// from, are read when first asked for and can be let go once every control holds its cut
// (three page images cost about 5 MB). A page put out of sight (another tab; the window hidden in
// the tray, through releaseImages()) lets its normal image go too and reads it again when next
// drawn. Enter, Escape and Space are discarded on every page.
#include <QImage>
#include <QString>
#include <QWidget>

namespace z408 {

class CSkinPage : public QWidget {
    Q_OBJECT
  public:
    // `skinId` names the page in the skin layout ("settings", "lighting", "macro", "stats",
    // "support"); the images are read from the program directory's skins folder.
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

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    QString skinId_;
    QString normalPath_, downPath_, overPath_;
    bool hasNormal_ = false;  // the normal image was read once: worth reading again
    mutable QImage normal_;
    QImage down_, over_;
};

}  // namespace z408
