// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/keyboard_focus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>
#include <algorithm>

#include "skin/skin_palette.h"
#include "widgets/color_btn.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/irr_button.h"

namespace z408 {
namespace {

bool keyboardLeads_ = false;
QPointer<QWidget> listeningWindow_;
bool takeNavigationKeys_ = false;
nav::Key lastActivation_ = nav::Key::Other;

constexpr qreal kMarkPen = 1.5;

// A widget's place in its parent, as the layout's rules take it.
skin::Rect layoutRectOf(const QWidget* w) {
    const QRect g = w->geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}
constexpr qreal kMarkRadius = 3.0;

// Repaints the focused widget, whose mark comes or goes with who leads.
void repaintFocus() {
    if (QWidget* w = QApplication::focusWidget()) {
        w->update();
        // A list draws in its viewport, a button on itself: both are asked.
        for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            child->update();
    }
}

class LeadWatcher : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                KeyboardFocus::setKeyboardLeads(false);
                break;
            case QEvent::KeyPress:
            case QEvent::KeyRelease: {
                const auto* w = qobject_cast<QWidget*>(watched);
                const nav::Chord c = chordOf(*static_cast<QKeyEvent*>(event));
                if (!w || !nav::isNavigationKey(c)) break;
                // A recording in that window hears the keys through the desktop's hook: here
                // they must neither move the focus nor press what holds it.
                if (KeyboardFocus::listening(w->window())) return takeNavigationKeys_;
                if (event->type() != QEvent::KeyPress) break;
                KeyboardFocus::setKeyboardLeads(true);
                if (nav::activates(c)) lastActivation_ = c.key;
                break;
            }
            default:
                break;
        }
        return false;
    }
};

}  // namespace

nav::Chord chordOf(const QKeyEvent& e) {
    nav::Chord c;
    const Qt::KeyboardModifiers m = e.modifiers();
    c.ctrl = m.testFlag(Qt::ControlModifier);
    c.alt = m.testFlag(Qt::AltModifier);
    c.shift = m.testFlag(Qt::ShiftModifier);
    const int k = e.key();
    switch (k) {
        case Qt::Key_Tab:
            c.key = nav::Key::Tab;
            break;
        case Qt::Key_Backtab:
            c.key = nav::Key::Backtab;
            break;
        case Qt::Key_Left:
            c.key = nav::Key::Left;
            break;
        case Qt::Key_Right:
            c.key = nav::Key::Right;
            break;
        case Qt::Key_Up:
            c.key = nav::Key::Up;
            break;
        case Qt::Key_Down:
            c.key = nav::Key::Down;
            break;
        case Qt::Key_PageUp:
            c.key = nav::Key::PageUp;
            break;
        case Qt::Key_PageDown:
            c.key = nav::Key::PageDown;
            break;
        case Qt::Key_Home:
            c.key = nav::Key::Home;
            break;
        case Qt::Key_End:
            c.key = nav::Key::End;
            break;
        case Qt::Key_Space:
            c.key = nav::Key::Space;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            c.key = nav::Key::Enter;
            break;
        case Qt::Key_Escape:
            c.key = nav::Key::Escape;
            break;
        default:
            if (k >= Qt::Key_0 && k <= Qt::Key_9) {
                c.key = nav::Key::Digit;
                c.digit = k - Qt::Key_0;
            }
            break;
    }
    return c;
}

void KeyboardFocus::install() {
    static LeadWatcher* watcher = nullptr;
    if (watcher || !qApp) return;
    watcher = new LeadWatcher(qApp);
    qApp->installEventFilter(watcher);
}

bool KeyboardFocus::markShown(const QWidget* widget) {
    return keyboardLeads_ && widget && widget->hasFocus();
}

void KeyboardFocus::setKeyboardLeads(bool on) {
    if (keyboardLeads_ == on) return;
    keyboardLeads_ = on;
    repaintFocus();
}

bool KeyboardFocus::keyboardLeads() {
    return keyboardLeads_;
}

nav::Key KeyboardFocus::lastActivationKey() {
    return lastActivation_;
}

void KeyboardFocus::paintMark(QPainter& p, const QRect& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(1.0);
    p.setClipping(false);
    p.setPen(QPen(QColor(QRgb{skin::kAccentGlow}), kMarkPen));
    p.setBrush(Qt::NoBrush);
    const qreal inset = kMarkPen / 2 + 0.5;
    p.drawRoundedRect(QRectF(rect).adjusted(inset, inset, -inset, -inset), kMarkRadius,
                      kMarkRadius);
    p.restore();
}

void KeyboardFocus::paintMark(QPainter& p, const QPolygon& shape) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(1.0);
    p.setPen(QPen(QColor(QRgb{skin::kAccentGlow}), 2 * kMarkPen + 1, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(shape);
    p.restore();
}

void KeyboardFocus::paintMarkIfShown(QWidget* widget) {
    if (!markShown(widget)) return;
    QPainter p(widget);
    paintMark(p, widget->rect());
}

void KeyboardFocus::setListeningWindow(QWidget* window, bool takeNavigationKeys) {
    listeningWindow_ = window;
    takeNavigationKeys_ = takeNavigationKeys;
}

bool KeyboardFocus::listening(const QWidget* window) {
    return window && listeningWindow_ == window;
}

void chainTabOrder(const QList<QWidget*>& widgets) {
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (!w) continue;
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

QList<QWidget*> readingOrderOf(const QWidget* container, const std::vector<skin::Rect>& panels) {
    QList<QWidget*> controls;
    std::vector<skin::Rect> rects;
    for (QWidget* w : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!(w->focusPolicy() & Qt::TabFocus)) continue;
        controls.append(w);
        rects.push_back(layoutRectOf(w));
    }
    QList<QWidget*> out;
    for (size_t i : nav::readingOrder(rects, panels))
        out.append(controls[static_cast<qsizetype>(i)]);
    return out;
}

namespace {

class KeyRow : public QObject {
  public:
    KeyRow(std::vector<QAbstractButton*> buttons, int columns, bool selectOnMove)
        : QObject(buttons.front()),
          columns_(columns),
          selectOnMove_(selectOnMove),
          buttons_(std::move(buttons)) {
        // Lines from the top, left to right, whatever order the page made them in.
        std::vector<skin::Rect> rects;
        for (const QAbstractButton* b : buttons_) rects.push_back(layoutRectOf(b));
        std::vector<QAbstractButton*> ordered;
        for (size_t i : nav::readingOrder(rects)) ordered.push_back(buttons_[i]);
        buttons_ = std::move(ordered);
        for (QAbstractButton* b : buttons_) b->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const nav::Chord c = chordOf(*static_cast<QKeyEvent*>(event));
        if (c.ctrl || c.alt) return false;
        const auto at = std::find(buttons_.begin(), buttons_.end(), watched);
        if (at == buttons_.end()) return false;
        const int count = static_cast<int>(buttons_.size());
        const int current = static_cast<int>(at - buttons_.begin());
        const int target = nav::rowTarget(current, count, columns_, c.key);
        if (target < 0) return false;
        // Buttons that cannot be used are passed over in the direction of travel.
        const int step = target >= current ? 1 : -1;
        int to = target;
        while (to != current && to >= 0 && to < count &&
               !buttons_[static_cast<size_t>(to)]->isEnabled())
            to += step;
        if (to < 0 || to >= count || to == current) return true;
        QAbstractButton* reached = buttons_[static_cast<size_t>(to)];
        KeyboardFocus::setKeyboardLeads(true);
        reached->setFocus(Qt::TabFocusReason);
        if (selectOnMove_) pressFromKeyboard(reached);
        return true;
    }

  private:
    int columns_;
    bool selectOnMove_;
    // Siblings on one page, which outlive this row (it belongs to the first of them).
    std::vector<QAbstractButton*> buttons_;
};

}  // namespace

void makeKeyRow(const std::vector<QAbstractButton*>& buttons, int columns, bool selectOnMove) {
    if (buttons.empty()) return;
    new KeyRow(buttons, columns, selectOnMove);
}

bool takeActivationKey(QKeyEvent& event, const std::function<void()>& press) {
    if (!nav::activates(chordOf(event))) return false;
    if (event.type() == QEvent::KeyPress && !event.isAutoRepeat()) press();
    event.accept();
    return true;
}

void pressFromKeyboard(QAbstractButton* button) {
    if (!button || !button->isEnabled()) return;
    if (auto* b = qobject_cast<CGDIBitmapBtn*>(button)) {
        b->pressFromKeyboard();
    } else if (auto* irregular = qobject_cast<CIrrButton*>(button)) {
        irregular->pressFromKeyboard();
    } else {
        button->click();
    }
}

}  // namespace z408
