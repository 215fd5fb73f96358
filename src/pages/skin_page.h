#pragma once
// What every page of the main window is built on: a child window of the pages rectangle that
// draws its normal skin image. The pressed and hover images, which the page's controls are cut
// from, are read when first asked for and can be let go once every control holds its cut
// (three page images cost about 5 MB). Enter, Escape and Space are discarded on every page.
#include <QImage>
#include <QString>
#include <QWidget>
#include <array>

class QKeyEvent;

namespace z408 {


// Enter, Escape and Space neither press a button nor close anything on the pages and the
// function picker.
bool isDiscardedKey(const QKeyEvent* event);

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

    const QImage& normalImage() const { return normal_; }
    const QImage& downImage();
    const QImage& overImage();
    // Frees the pressed and hover images (read again if asked for later).
    void releaseStateImages();
    QString skinId() const { return skinId_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    QString skinId_;
    QString downPath_, overPath_;
    QImage normal_, down_, over_;
};

}  // namespace z408
