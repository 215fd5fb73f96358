#pragma once
// A borderless popup drawn from an optional PNG background (a stretchable frame with 32-pixel
// corners) with per-pixel alpha, or as a blue-framed white box. Subclasses draw their texts and
// their images over it. Losing activation closes it; on closing it tells its parent with
// WM_LANGUAGE_SELECT (0, 0).
#include <QImage>
#include <QWidget>

#include "common/messages.h"

namespace z408 {

class CWndPopup : public QWidget {
    Q_OBJECT

  public:
    explicit CWndPopup(QWidget* owner = nullptr);

    // The owner receives `notifyMessage` through the sink when an item is chosen.
    void Create(QWidget* owner, const QPoint& screenPos, uint32_t notifyMessage);
    void SetBackground(int pngResource);
    void SetBackgroundImage(const QImage& png);
    void setMessageSink(MessageSink* sink) { sink_ = sink; }
    uint32_t notifyMessage() const { return notifyMessage_; }

    // The popup as it is shown (with alpha).
    QImage render() const;

  signals:
    void closing();

  protected:
    virtual void drawTexts(QPainter& p) const = 0;
    virtual void drawImages(QPainter& p) const = 0;
    void notify(uintptr_t wParam, intptr_t lParam);
    QFont popupFont() const;

    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QImage background_;
    uint32_t notifyMessage_ = 0;
    MessageSink* sink_ = nullptr;
    bool closed_ = false;
};

}  // namespace z408
