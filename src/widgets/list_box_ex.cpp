// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/list_box_ex.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QValidator>
#include <algorithm>

#include "widgets/keyboard_focus.h"
#include "widgets/skin_image.h"
#include "widgets/text_fit.h"

namespace z408 {

namespace {

constexpr int kIconSize = 16;
constexpr int kMaxRenameChars = 20;
constexpr qsizetype kMaxCommittedChars = 2048;

// Typing may make a name at most kMaxRenameChars long; a longer name already there may stay
// as long as it is, or get shorter.
class RenameLength final : public QValidator {
  public:
    RenameLength(qsizetype initialLength, QObject* parent)
        : QValidator(parent), allowed_(std::max<qsizetype>(kMaxRenameChars, initialLength)) {}
    State validate(QString& input, int&) const override {
        if (input.size() > allowed_) return Invalid;
        allowed_ = std::max<qsizetype>(kMaxRenameChars, input.size());
        return Acceptable;
    }

  private:
    mutable qsizetype allowed_;
};

// Only one rename edit exists at a time in the whole program.
QPointer<QLineEdit>& openRenameEdit() {
    static QPointer<QLineEdit> edit;
    return edit;
}

class ListBoxExDelegate : public QStyledItemDelegate {
  public:
    explicit ListBoxExDelegate(CListBoxEx* list) : QStyledItemDelegate(list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return QSize(list_->viewport()->width(), list_->itemHeight());
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QRect r = option.rect;
        p->save();
        p->fillRect(r, selected ? list_->selectedBackground() : list_->background());
        QColor colour = selected ? list_->selectedTextColour() : list_->textColour();
        if (!(index.flags() & Qt::ItemIsEnabled) || !list_->isEnabled())
            colour = list_->palette().color(QPalette::Disabled, QPalette::ButtonText);
        const uint32_t kind = index.data(Qt::UserRole).toUInt() >> 24;
        int textLeft = r.left() + 5;
        if (list_->iconsOn() && kind != 0) {
            textLeft = r.left() + kIconSize + 10;
            const QPixmap icon = list_->icon(kind, selected);
            if (!icon.isNull())
                p->drawPixmap(QRect(r.left() + 5, r.top() + 1, kIconSize, kIconSize), icon);
        }
        p->setPen(colour);
        p->setFont(list_->font());
        const QRect textRect(textLeft, r.top(), r.right() - textLeft, r.height());
        const QString text =
            fitLine(index.data(Qt::DisplayRole).toString(), list_->font(), textRect.width(), list_);
        p->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        p->restore();
    }

  private:
    CListBoxEx* list_;
};

}  // namespace

CListBoxEx::CListBoxEx(QWidget* parent) : QListWidget(parent) {
    setFont(skinFont(14, QFont::Normal));
    setItemDelegate(new ListBoxExDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    text_ = palette().color(QPalette::WindowText);
    selectedText_ = palette().color(QPalette::HighlightedText);
    selectedBackground_ = palette().color(QPalette::Highlight);
    programDir_ = QCoreApplication::applicationDirPath();
    applyPalette();
    KeyboardFocus::install();
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (quiet_) return;
        emit listSelected(controlId_, row);
    });
}

CListBoxEx::~CListBoxEx() {
    closing_ = true;
}

uint32_t CListBoxEx::storedData(uint32_t iconKind, uint32_t value) {
    if (iconKind == 0) {
        iconsOn_ = 0;
        return value;
    }
    iconsOn_ = iconKind;
    return (iconKind << 24) + (value & 0xFFFFFFu);
}

void CListBoxEx::selectQuietly(int index) {
    quiet_ = true;
    setCurrentRow(index);
    quiet_ = false;
}

int CListBoxEx::AddItem(uint32_t iconKind, const QString& text, uint32_t value,
                        bool startRenaming) {
    closeRename();
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, storedData(iconKind, value));
    addItem(item);
    const int index = row(item);
    selectQuietly(index);
    if (startRenaming) StartRename(index);
    return index;
}

void CListBoxEx::InsertItem(int index, uint32_t iconKind, const QString& text, uint32_t value) {
    index = std::clamp(index, 0, count());
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, storedData(iconKind, value));
    insertItem(index, item);
    selectQuietly(index);
}

void CListBoxEx::ReplaceItem(int index, uint32_t iconKind, const QString& text, uint32_t value) {
    if (index < 0 || index >= count()) return;
    quiet_ = true;
    delete takeItem(index);
    quiet_ = false;
    InsertItem(index, iconKind, text, value);
}

void CListBoxEx::DeleteItem(int index) {
    if (index < 0 || index >= count()) return;
    if (edit_ && editIndex_ == index) closeRename();
    quiet_ = true;
    delete takeItem(index);
    quiet_ = false;
}

uint32_t CListBoxEx::itemData(int index) const {
    const QListWidgetItem* it = item(index);
    return it ? it->data(Qt::UserRole).toUInt() : 0;
}

QString CListBoxEx::itemText(int index) const {
    const QListWidgetItem* it = item(index);
    return it ? it->text() : QString();
}

void CListBoxEx::SetBackgroundColour(const QColor& background, const QColor& selectedBackground) {
    background_ = background;
    selectedBackground_ = selectedBackground;
    applyPalette();
    viewport()->update();
}

void CListBoxEx::SetTextColours(const QColor& normal, const QColor& selected) {
    text_ = normal;
    selectedText_ = selected;
    viewport()->update();
}

void CListBoxEx::SetItemHeight(int height) {
    itemHeight_ = std::max(1, height);
    doItemsLayout();
}

void CListBoxEx::applyPalette() {
    QPalette pal = palette();
    const QColor base = isEnabled() ? background_ : pal.color(QPalette::Disabled, QPalette::Window);
    pal.setColor(QPalette::Base, base);
    pal.setColor(QPalette::Window, base);
    setPalette(pal);
    viewport()->setAutoFillBackground(true);
}

void CListBoxEx::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) applyPalette();
    QListWidget::changeEvent(event);
}

QPixmap CListBoxEx::icon(uint32_t kind, bool selected) const {
    static const char* names[] = {"up", "down", "delay"};
    if (kind < 2 || kind > 4) return {};
    const QString file =
        QString::fromLatin1(names[kind - 2]) + (selected ? "_select.png" : "_normal.png");
    auto it = icons_.find(file);
    if (it == icons_.end())
        it = icons_.insert(file, QPixmap::fromImage(LoadSkinImage(skinPath(programDir_, file))));
    return it.value();
}

bool CListBoxEx::StartRename(int index) {
    if (openRenameEdit() || index < 0 || index >= count()) return false;
    QListWidgetItem* it = item(index);
    scrollToItem(it);
    auto* edit = new QLineEdit(viewport());
    edit->setObjectName(QStringLiteral("renameEdit"));
    edit->setFrame(false);
    // The limit is for typing: a longer name already there is shown whole, and an edit can
    // shorten it but never lengthen it past 20 characters.
    edit->setMaxLength(std::max<int>(kMaxRenameChars, static_cast<int>(it->text().size())));
    edit->setValidator(new RenameLength(it->text().size(), edit));
    edit->setFont(font());
    edit->setText(it->text());
    edit->setGeometry(visualItemRect(it));
    edit->selectAll();
    edit->installEventFilter(this);
    edit->show();
    edit->setFocus(Qt::OtherFocusReason);
    edit_ = edit;
    editIndex_ = index;
    openRenameEdit() = edit;
    return true;
}

void CListBoxEx::closeRename() {
    if (!edit_) return;
    QLineEdit* edit = edit_;
    edit_ = nullptr;
    editIndex_ = -1;
    if (openRenameEdit() == edit) openRenameEdit() = nullptr;
    edit->removeEventFilter(this);
    edit->hide();
    edit->deleteLater();
    viewport()->update();
}

void CListBoxEx::commitRename() {
    if (!edit_) return;
    const int index = editIndex_;
    const QString text = edit_->text().left(kMaxCommittedChars);
    closeRename();
    if (index < 0 || index >= count()) return;
    // The item keeps its data and place; only the text changes.
    const QVariant kept = item(index)->data(Qt::UserRole);
    quiet_ = true;
    delete takeItem(index);
    auto* it = new QListWidgetItem(text);
    it->setData(Qt::UserRole, kept);
    insertItem(index, it);
    setCurrentRow(index);
    quiet_ = false;
    emit listEdited(controlId_, index);
}

void CListBoxEx::cancelRename() {
    const int index = editIndex_;
    closeRename();
    if (index >= 0 && index < count()) selectQuietly(index);
}

bool CListBoxEx::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && !closing_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Escape) {
                cancelRename();
                return true;
            }
            if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;  // committed on release
        } else if (event->type() == QEvent::KeyRelease) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                commitRename();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            commitRename();
            return false;
        }
    }
    return QListWidget::eventFilter(watched, event);
}

void CListBoxEx::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    // The list draws in its viewport; the mark goes round the viewport's whole area.
    if (KeyboardFocus::markShown(this)) {
        QPainter p(viewport());
        KeyboardFocus::paintMark(p, viewport()->rect());
    }
}

void CListBoxEx::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    viewport()->update();
}

void CListBoxEx::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    viewport()->update();
}

void CListBoxEx::mouseDoubleClickEvent(QMouseEvent* event) {
    if (renameOnDoubleClick_ && !edit_) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid()) {
            StartRename(index.row());
            return;
        }
    }
    QListWidget::mouseDoubleClickEvent(event);
}

void CListBoxEx::mouseMoveEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    const int row = index.isValid() ? index.row() : -1;
    if (row != hot_) {
        if (QListWidgetItem* old = item(hot_)) viewport()->update(visualItemRect(old));
        hot_ = row;
        if (QListWidgetItem* now = item(hot_)) viewport()->update(visualItemRect(now));
    }
    QListWidget::mouseMoveEvent(event);
}

void CListBoxEx::leaveEvent(QEvent* event) {
    hot_ = -1;
    QListWidget::leaveEvent(event);
}

}  // namespace z408
