#pragma once
// An edit field drawn over a piece of a background image, in the page's text colour.
#include <QImage>
#include <QLineEdit>

namespace z408 {

class CBitmapEdit : public QLineEdit {
    Q_OBJECT

  public:
    explicit CBitmapEdit(QWidget* parent = nullptr, int fontHeight = 14);

    // The field's background becomes the piece (x, y, width, height) of `image`.
    void SetBackground(int x, int y, int width, int height, const QImage& image);
    QImage background() const { return background_; }
    QSize sizeHint() const override;

  private:
    QImage background_;
};

}  // namespace z408
