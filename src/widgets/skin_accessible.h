// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// What screen readers are told about the skinned widgets. Qt describes a QAbstractButton it does
// not know as a nameless push button and any other QWidget as a "client" with nothing to read;
// these interfaces give each skinned control the role it plays on its page (a latched button is
// a check box or a radio button there), its state, a slider's value and the rows of a list.
//
// Names come from the widget's accessibleName(), which the pages set from the current language,
// else from its caption, else from its tooltip. The description is accessibleDescription(), else
// the tooltip unless the page says otherwise (a tooltip shared by a group would read the same
// sentence after every one of fourteen buttons).
#include <QAccessible>
#include <QString>

class QWidget;

namespace z408 {

enum class AccessibleKind {
    Automatic,    // a two-state button is a check box, any other a push button
    PushButton,   // does something when pressed
    CheckBox,     // on or off by itself (several of a group may be on)
    RadioButton,  // one of a group is on
    PageTab,      // shows a page of the window or the picker; on: the page shown
    Picture,      // shows something; takes no presses and no keyboard focus
};

// Installs the interfaces (once; later calls do nothing). Call before the first skinned widget is
// asked for by an assistive tool: the window does so when it is built.
void installSkinAccessibility();

void setAccessibleKind(QWidget* widget, AccessibleKind kind);
AccessibleKind accessibleKind(const QWidget* widget);
// Off: the tooltip is not read as the widget's description (it says what a whole group does, or
// what the name already says better).
void setDescribedByToolTip(QWidget* widget, bool described);

// The popup menu `button` has opened: while it shows it is the button's child in the accessible
// tree, as Qt shows a tool button's menu (a popup window is no child of the application there,
// so a screen reader would find its items nowhere else).
void setAccessiblePopup(QWidget* button, QWidget* popup);

// Tells assistive tools that a skinned two-state control turned on or off.
void notifyCheckedChanged(QWidget* widget);

// Tells assistive tools that a caption or tooltip changed: the name or description they read
// from it (after a language switch, say) is new.
void notifyTextsChanged(QWidget* widget);

// Tells assistive tools that a slider's value changed (set by the program or dragged).
void notifyValueChanged(QWidget* widget, int value);

// The role a skinned widget reports (tests and the interfaces use the same rule).
QAccessible::Role skinRole(const QWidget* widget);

}  // namespace z408
