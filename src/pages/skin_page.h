#pragma once
// What every page of the main window is built on: a child window of the pages rectangle that
// draws its normal skin image and keeps the pressed and hover images its controls are cut from.
// Enter, Escape and Space are discarded on every page.
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

    const QImage& normalImage() const { return normal_; }
    const QImage& downImage() const { return down_; }
    const QImage& overImage() const { return over_; }
    QString skinId() const { return skinId_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QString skinId_;
    QImage normal_, down_, over_;
};

}  // namespace z408
