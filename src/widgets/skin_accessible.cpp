// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/skin_accessible.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QListWidget>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <mutex>
#include <vector>

#include "widgets/color_btn.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/irr_button.h"
#include "widgets/list_box_ex.h"
#include "widgets/menu_ex.h"
#include "widgets/png_h_progress_bar.h"
#include "widgets/png_h_slider.h"
#include "widgets/png_h_slider_bar.h"
#include "widgets/preset_menu.h"

namespace z408 {
namespace {

constexpr const char* kKindProperty = "z408AccessibleKind";
constexpr const char* kSharedTipProperty = "z408ToolTipShared";
constexpr const char* kPopupProperty = "z408AccessiblePopup";
constexpr const char* kPopupOwnerProperty = "z408AccessiblePopupOwner";

// The widget a link property names, while it lives.
QWidget* linked(const QWidget* w, const char* property) {
    return qobject_cast<QWidget*>(w->property(property).value<QPointer<QObject>>().data());
}

QWidget* openPopup(const QWidget* button) {
    QWidget* popup = linked(button, kPopupProperty);
    return popup && popup->isVisible() ? popup : nullptr;
}

// Whether a skinned button is on: the bitmap buttons latch, a colour swatch is the current one.
bool isOn(const QWidget* w) {
    if (const auto* b = qobject_cast<const CGDIBitmapBtn*>(w)) return b->latched();
    if (const auto* b = qobject_cast<const CIrrButton*>(w)) return b->latched();
    if (const auto* b = qobject_cast<const CColorBtn*>(w)) return b->current();
    return false;
}

bool twoState(const QWidget* w) {
    if (const auto* b = qobject_cast<const CGDIBitmapBtn*>(w)) return b->checkMode();
    if (const auto* b = qobject_cast<const CIrrButton*>(w)) return b->checkMode();
    return false;
}

QString nameOf(const QWidget* w) {
    if (!w->accessibleName().isEmpty()) return w->accessibleName();
    if (const auto* b = qobject_cast<const QAbstractButton*>(w); b && !b->text().isEmpty())
        return b->text();
    // The text the skin shows on or beside the control, in the language in force.
    QString caption;
    if (const auto* b = qobject_cast<const CGDIBitmapBtn*>(w)) caption = b->skinCaption();
    if (const auto* b = qobject_cast<const CIrrButton*>(w)) caption = b->skinCaption();
    return caption.isEmpty() ? w->toolTip() : caption;
}

QString descriptionOf(const QWidget* w) {
    if (!w->accessibleDescription().isEmpty()) return w->accessibleDescription();
    if (w->property(kSharedTipProperty).toBool()) return {};
    const QString tip = w->toolTip();
    return tip == nameOf(w) ? QString() : tip;
}

// A skinned widget's name and description, by the rules above.
class SkinWidgetAccessible : public QAccessibleWidget {
  public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return nameOf(widget());
            case QAccessible::Description:
                return descriptionOf(widget());
            default:
                return QAccessibleWidget::text(t);
        }
    }
};

class SkinButtonAccessible : public SkinWidgetAccessible {
  public:
    explicit SkinButtonAccessible(QWidget* w) : SkinWidgetAccessible(w, skinRole(w)) {}

    QAccessible::Role role() const override { return skinRole(widget()); }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        switch (accessibleKind(widget())) {
            case AccessibleKind::Picture:
                break;
            case AccessibleKind::PageTab:
                s.selectable = true;
                s.selected = isOn(widget());
                break;
            case AccessibleKind::CheckBox:
            case AccessibleKind::RadioButton:
                s.checkable = true;
                s.checked = isOn(widget());
                break;
            case AccessibleKind::Automatic:
            case AccessibleKind::PushButton:
                if (skinRole(widget()) == QAccessible::CheckBox) {
                    s.checkable = true;
                    s.checked = isOn(widget());
                }
                break;
        }
        if (const auto* b = qobject_cast<const QAbstractButton*>(widget()); b && b->isDown())
            s.pressed = true;
        return s;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled() && role() != QAccessible::Graphic)
            names << (role() == QAccessible::CheckBox ? toggleAction() : pressAction());
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != pressAction() && action != toggleAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        auto* button = qobject_cast<QAbstractButton*>(widget());
        if (!button || !button->isEnabled() || role() == QAccessible::Graphic) return;
        // From the event loop, as Qt's own buttons do: what the press opens (a dialog with its
        // own loop) must not hold the screen reader's call until it closes.
        QMetaObject::invokeMethod(
            button,
            [button] {
                if (!button->isEnabled()) return;
                // The pointer's click, with the press and release a page listens for on
                // buttons that tell them.
                auto* bitmap = qobject_cast<CGDIBitmapBtn*>(button);
                const bool notify = bitmap && bitmap->notifiesPresses();
                if (notify) emit bitmap->skinMouse(513);
                if (notify) emit bitmap->skinMouse(514);
                button->click();
            },
            Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int childCount() const override { return openPopup(widget()) ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        QWidget* popup = openPopup(widget());
        return index == 0 && popup ? QAccessible::queryAccessibleInterface(popup) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        QWidget* popup = openPopup(widget());
        return c && popup && c->object() == popup ? 0 : -1;
    }
};

int lowest(const CPngHSliderBar* bar) {
    return bar->thumb()->minimum();
}
int highest(const CPngHSliderBar* bar) {
    return bar->thumb()->maximum();
}
int lowest(const CPngHProgressBar* bar) {
    return bar->minimum();
}
int highest(const CPngHProgressBar* bar) {
    return bar->maximum();
}

// A bar with a value in a range: read here; the slider also takes values.
template <typename Bar>
class SkinValueAccessible : public SkinWidgetAccessible, public QAccessibleValueInterface {
  public:
    SkinValueAccessible(Bar* bar, QAccessible::Role role) : SkinWidgetAccessible(bar, role) {}

    Bar* bar() const { return static_cast<Bar*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The slider's thumb is part of it, not a control of its own.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? QString::number(bar()->value())
                                       : SkinWidgetAccessible::text(t);
    }

    QVariant currentValue() const override { return bar()->value(); }
    QVariant minimumValue() const override { return lowest(bar()); }
    QVariant maximumValue() const override { return highest(bar()); }
    QVariant minimumStepSize() const override { return 1; }
    // The progress of an upload is read, never set.
    void setCurrentValue(const QVariant&) override {}
};

class SkinSliderAccessible : public SkinValueAccessible<CPngHSliderBar> {
  public:
    explicit SkinSliderAccessible(CPngHSliderBar* bar)
        : SkinValueAccessible(bar, QAccessible::Slider) {}

    void setCurrentValue(const QVariant& value) override {
        if (!bar()->isEnabled()) return;
        const int v = std::clamp(value.toInt(), lowest(bar()), highest(bar()));
        if (v == bar()->value()) return;
        bar()->SetPos(v);
        // Set through the screen reader as by a drag: the page hears of it the same way.
        emit bar()->sliderMoved(v, bar()->id());
    }

    QStringList actionNames() const override {
        QStringList names;
        if (bar()->isEnabled()) names << increaseAction() << decreaseAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == increaseAction())
            setCurrentValue(bar()->value() + 1);
        else if (action == decreaseAction())
            setCurrentValue(bar()->value() - 1);
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// Rows made on demand and kept, one interface a row, so that a screen reader finds the same
// object again; they are let go with their widget's interface.
class RowCache {
  public:
    ~RowCache() {
        for (QAccessible::Id id : ids_)
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
    template <typename Make>
    QAccessibleInterface* row(int index, Make make) {
        if (static_cast<size_t>(index) >= ids_.size())
            ids_.resize(static_cast<size_t>(index) + 1, 0);
        QAccessible::Id& id = ids_[static_cast<size_t>(index)];
        if (id == 0 || !QAccessible::accessibleInterface(id))
            id = QAccessible::registerAccessibleInterface(make());
        return QAccessible::accessibleInterface(id);
    }
    int indexOf(const QAccessibleInterface* child) const {
        const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
        const auto it = std::find(ids_.begin(), ids_.end(), id);
        return it == ids_.end() ? -1 : static_cast<int>(it - ids_.begin());
    }

  private:
    std::vector<QAccessible::Id> ids_;
};

// A row a widget paints itself (a list's item, a menu's item): it has no widget of its own, so
// it answers for its place, its window and its parent through the widget that holds it.
class SkinRowAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    SkinRowAccessible(QWidget* owner, int row) : owner_(owner), row_(row) {}

    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        const QWidget* o = owner_.data();
        return o && o->window() ? o->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        QWidget* o = owner_.data();
        return o ? QAccessible::queryAccessibleInterface(o) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  protected:
    QWidget* owner() const { return owner_.data(); }
    int row() const { return row_; }

  private:
    QPointer<QWidget> owner_;
    int row_;
};

class SkinListItemAccessible : public SkinRowAccessible {
  public:
    SkinListItemAccessible(CListBoxEx* list, int row) : SkinRowAccessible(list, row) {}

    bool isValid() const override { return item() != nullptr; }

    QString text(QAccessible::Text t) const override {
        const QListWidgetItem* it = item();
        if (!it || t != QAccessible::Name) return {};
        // A row may read differently from how it shows (a macro event says what happens).
        const QString spoken = it->data(Qt::AccessibleTextRole).toString();
        return spoken.isEmpty() ? it->text() : spoken;
    }

    QRect rect() const override {
        const CListBoxEx* l = list();
        QListWidgetItem* it = item();
        if (!l || !it) return {};
        const QRect r = l->visualItemRect(it);
        return QRect(l->viewport()->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QAccessible::State state() const override {
        QAccessible::State s;
        const CListBoxEx* l = list();
        QListWidgetItem* it = item();
        if (!l || !it) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.focusable = true;
        s.selected = it->isSelected();
        s.focused = l->hasFocus() && l->currentRow() == row();
        s.disabled = !l->isEnabled();
        // A row is seen only while its list is on screen and the row lies in the list's view:
        // the rows of a list on a hidden page are not showing.
        const QRect r = l->visualItemRect(it);
        s.invisible = !l->isVisible() || !l->viewport()->rect().intersects(r);
        s.offscreen = s.invisible;
        return s;
    }

    QStringList actionNames() const override {
        const CListBoxEx* l = list();
        return l && l->isEnabled() ? QStringList{pressAction()} : QStringList{};
    }
    // Choosing a row from a screen reader is the person's choice, as a click is.
    void doAction(const QString& action) override {
        CListBoxEx* l = list();
        if (action != pressAction() || !l || !item() || !l->isEnabled()) return;
        l->setCurrentRow(row());
    }

  private:
    CListBoxEx* list() const { return static_cast<CListBoxEx*>(owner()); }
    QListWidgetItem* item() const {
        const CListBoxEx* l = list();
        return l ? l->item(row()) : nullptr;
    }
};

class SkinListAccessible : public SkinWidgetAccessible {
  public:
    explicit SkinListAccessible(CListBoxEx* list) : SkinWidgetAccessible(list, QAccessible::List) {}

    CListBoxEx* list() const { return static_cast<CListBoxEx*>(widget()); }

    // The rows, then the rename field while one is open.
    int childCount() const override { return list()->count() + (list()->renameEdit() ? 1 : 0); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0) return nullptr;
        if (index >= list()->count()) {
            QLineEdit* edit = list()->renameEdit();
            return index == list()->count() && edit ? QAccessible::queryAccessibleInterface(edit)
                                                    : nullptr;
        }
        return rows_.row(index, [&] { return new SkinListItemAccessible(list(), index); });
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        if (child->object() && child->object() == list()->renameEdit()) return list()->count();
        const int index = rows_.indexOf(child);
        return index < list()->count() ? index : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = list()->viewport()->mapFromGlobal(QPoint(x, y));
        const int row = list()->row(list()->itemAt(local));
        return row >= 0 ? child(row) : nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        if (!list()->hasFocus() || list()->currentRow() < 0) return nullptr;
        return child(list()->currentRow());
    }

  private:
    mutable RowCache rows_;
};

// The rows of the skinned popup menus (the language menu, the game presets), which paint their
// items themselves.
int menuRowCount(const QWidget* menu) {
    if (const auto* m = qobject_cast<const CMenuEx*>(menu))
        return static_cast<int>(m->items().size());
    if (const auto* m = qobject_cast<const CPresetMenu*>(menu))
        return static_cast<int>(m->items().size());
    return 0;
}

bool menuRowIsSeparator(const QWidget* menu, int row) {
    const auto* m = qobject_cast<const CMenuEx*>(menu);
    return m && m->items()[row].separator;
}

QString menuRowText(const QWidget* menu, int row) {
    if (const auto* m = qobject_cast<const CMenuEx*>(menu)) return m->items()[row].text;
    if (const auto* m = qobject_cast<const CPresetMenu*>(menu)) return m->items()[row].text;
    return {};
}

QRect menuRowRect(const QWidget* menu, int row) {
    if (const auto* m = qobject_cast<const CMenuEx*>(menu)) return m->items()[row].rect;
    const int rows = menuRowCount(menu);
    if (rows == 0) return {};
    const int h = menu->height() / rows;
    return QRect(0, row * h, menu->width(), h);
}

// Chosen as a click on the row chooses it; from the event loop, since the owner closes the
// menu when it hears of the choice.
void chooseMenuRow(QWidget* menu, int row) {
    QPointer<QWidget> guard(menu);
    QMetaObject::invokeMethod(
        menu,
        [guard, row] {
            if (!guard || row >= menuRowCount(guard)) return;
            if (auto* m = qobject_cast<CMenuEx*>(guard.data())) {
                if (!m->items()[row].separator) emit m->itemChosen(m->items()[row].data);
            } else if (auto* p = qobject_cast<CPresetMenu*>(guard.data())) {
                emit p->presetChosen(p->items()[row].id);
            }
        },
        Qt::QueuedConnection);
}

class SkinMenuItemAccessible : public SkinRowAccessible {
  public:
    SkinMenuItemAccessible(QWidget* menu, int row) : SkinRowAccessible(menu, row) {}

    bool isValid() const override {
        const QWidget* m = owner();
        return m && row() < menuRowCount(m);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? menuRowText(owner(), row()) : QString();
    }
    QRect rect() const override {
        const QWidget* m = owner();
        if (!m || row() >= menuRowCount(m)) return {};
        const QRect r = menuRowRect(m, row());
        return QRect(m->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        return isValid() && menuRowIsSeparator(owner(), row()) ? QAccessible::Separator
                                                               : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        const QWidget* m = owner();
        if (!m || row() >= menuRowCount(m)) {
            s.invalid = true;
            return s;
        }
        s.invisible = !m->isVisible();
        const QVariant hot = m->property("hotItem");
        s.focused = s.hotTracked = hot.isValid() && hot.toInt() == row();
        return s;
    }
    QStringList actionNames() const override {
        return role() == QAccessible::MenuItem ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && isValid() && role() == QAccessible::MenuItem)
            chooseMenuRow(owner(), row());
    }
};

class SkinMenuAccessible : public QAccessibleWidget {
  public:
    explicit SkinMenuAccessible(QWidget* menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}
    QAccessibleInterface* parent() const override {
        if (QWidget* owner = linked(widget(), kPopupOwnerProperty))
            return QAccessible::queryAccessibleInterface(owner);
        return QAccessibleWidget::parent();
    }
    int childCount() const override { return menuRowCount(widget()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        return rows_.row(index, [&] { return new SkinMenuItemAccessible(widget(), index); });
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        const int i = c ? rows_.indexOf(c) : -1;
        return i < childCount() ? i : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i)
            if (menuRowRect(widget(), i).contains(local)) return child(i);
        return nullptr;
    }

  private:
    mutable RowCache rows_;
};

QAccessibleInterface* skinFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (qobject_cast<CGDIBitmapBtn*>(w) || qobject_cast<CIrrButton*>(w) ||
        qobject_cast<CColorBtn*>(w))
        return new SkinButtonAccessible(w);
    if (auto* bar = qobject_cast<CPngHSliderBar*>(w)) return new SkinSliderAccessible(bar);
    if (auto* bar = qobject_cast<CPngHProgressBar*>(w))
        return new SkinValueAccessible<CPngHProgressBar>(bar, QAccessible::ProgressBar);
    if (auto* list = qobject_cast<CListBoxEx*>(w)) return new SkinListAccessible(list);
    if (qobject_cast<CMenuEx*>(w) || qobject_cast<CPresetMenu*>(w))
        return new SkinMenuAccessible(w);
    return nullptr;
}

}  // namespace

void installSkinAccessibility() {
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(skinFactory); });
}

void setAccessibleKind(QWidget* widget, AccessibleKind kind) {
    widget->setProperty(kKindProperty, static_cast<int>(kind));
    // What only shows has nothing for Tab to stop at either.
    if (kind == AccessibleKind::Picture) widget->setFocusPolicy(Qt::NoFocus);
}

AccessibleKind accessibleKind(const QWidget* widget) {
    const QVariant v = widget->property(kKindProperty);
    return v.isValid() ? static_cast<AccessibleKind>(v.toInt()) : AccessibleKind::Automatic;
}

void setDescribedByToolTip(QWidget* widget, bool described) {
    widget->setProperty(kSharedTipProperty, !described);
}

void notifyCheckedChanged(QWidget* widget) {
    if (!QAccessible::isActive()) return;
    QAccessible::State changed;
    if (accessibleKind(widget) == AccessibleKind::PageTab)
        changed.selected = true;
    else
        changed.checked = true;
    QAccessibleStateChangeEvent event(widget, changed);
    QAccessible::updateAccessibility(&event);
}

void setAccessiblePopup(QWidget* button, QWidget* popup) {
    button->setProperty(kPopupProperty, QVariant::fromValue(QPointer<QObject>(popup)));
    popup->setProperty(kPopupOwnerProperty, QVariant::fromValue(QPointer<QObject>(button)));
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(button, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

void notifyTextsChanged(QWidget* widget) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent name(widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    QAccessibleEvent description(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
}

void notifyValueChanged(QWidget* widget, int value) {
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent event(widget, value);
    QAccessible::updateAccessibility(&event);
}

QAccessible::Role skinRole(const QWidget* widget) {
    switch (accessibleKind(widget)) {
        case AccessibleKind::PushButton:
            return QAccessible::PushButton;
        case AccessibleKind::CheckBox:
            return QAccessible::CheckBox;
        case AccessibleKind::RadioButton:
            return QAccessible::RadioButton;
        case AccessibleKind::PageTab:
            return QAccessible::PageTab;
        case AccessibleKind::Picture:
            return QAccessible::Graphic;
        case AccessibleKind::Automatic:
            break;
    }
    if (qobject_cast<const CPngHSliderBar*>(widget)) return QAccessible::Slider;
    if (qobject_cast<const CListBoxEx*>(widget)) return QAccessible::List;
    return twoState(widget) ? QAccessible::CheckBox : QAccessible::PushButton;
}

}  // namespace z408
