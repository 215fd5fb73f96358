// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The keyboard's side of the skin widgets: the focus mark every focusable skin widget draws (a
// thin rounded outline in the skin's accent, just inside the control), shown only while the
// keyboard leads (Tab, Shift+Tab, arrows, Space, Enter; a pointer press ends it), the Tab order
// of a page, and rows of buttons the arrows move through.
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

#include "skin/keyboard_navigation.h"

class QAbstractButton;
class QKeyEvent;
class QPainter;
class QPolygon;
class QRect;
class QWidget;

namespace z408 {

// What a key event means to the navigation rules.
nav::Chord chordOf(const QKeyEvent& event);

class KeyboardFocus {
  public:
    // Watches the application's key and pointer presses to know who leads; once per program,
    // called by every focusable skin widget as it is made.
    static void install();
    // Whether `widget` holds the focus and the keyboard put it there.
    static bool markShown(const QWidget* widget);
    // The keyboard leads (a navigation key was pressed) or stops leading (a pointer press).
    static void setKeyboardLeads(bool on);
    static bool keyboardLeads();
    // The last key that pressed a control (Space or Enter; Other before any).
    static nav::Key lastActivationKey();
    // Draws the focus mark just inside `rect`.
    static void paintMark(QPainter& painter, const QRect& rect);
    // Draws the mark along the edge of `shape`, a button clipped to that shape: the half outside
    // falls away, the half inside stays.
    static void paintMark(QPainter& painter, const QPolygon& shape);
    // Draws the mark over `widget` when it is shown: the last step of a skin widget's paint.
    static void paintMarkIfShown(QWidget* widget);
    // While a recording or a key capture listens in `window`, the keys typed there are its own:
    // they do not make the keyboard lead, and with `takeNavigationKeys` the navigation keys are
    // taken away before any control sees them (a recording that hears them through the desktop's
    // hook); without, the listener takes them itself. Null: nothing listens.
    static void setListeningWindow(QWidget* window, bool takeNavigationKeys);
    static bool listening(const QWidget* window);
};

// Chains the Tab order through `widgets` in the given order (null entries are left out).
void chainTabOrder(const QList<QWidget*>& widgets);

// The controls of `container` that Tab reaches (its direct children with Tab focus), in reading
// order: line by line from the top, left to right, panel by panel (`panels` in the container's
// coordinates; nav::readingOrder).
QList<QWidget*> readingOrderOf(const QWidget* container,
                               const std::vector<skin::Rect>& panels = {});

// Arrows, Home and End move the focus through `buttons` laid out `columns` to a line (taken in
// reading order of their places, whatever order they are given in); with
// `selectOnMove` the button reached is also pressed, as in a row of which one is chosen (report
// rate, lighting mode). The object lives as long as the first button.
void makeKeyRow(const std::vector<QAbstractButton*>& buttons, int columns, bool selectOnMove);

// Presses `button` from the keyboard as a click would, in the skin buttons' own way.
void pressFromKeyboard(QAbstractButton* button);

// A skin button's key press or release: Space and Enter run `press` once, on the press (not on
// the release or a repeat), and are taken. False for other keys, which the button passes on.
bool takeActivationKey(QKeyEvent& event, const std::function<void()>& press);

}  // namespace z408
