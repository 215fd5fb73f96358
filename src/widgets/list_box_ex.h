// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// An owner-drawn list with optional small icons and in-place renaming. Item data carries the
// icon kind in its top byte and the caller's value in the low 24 bits. A selection the user makes
// is reported with listSelected; a committed rename with listEdited. Selections the program makes
// are not reported.
#include <QColor>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPointer>

namespace z408 {

class CListBoxEx : public QListWidget {
    Q_OBJECT
    Q_PROPERTY(int controlId READ controlId WRITE setControlId)
    Q_PROPERTY(bool renameOnDoubleClick READ renameOnDoubleClick WRITE setRenameOnDoubleClick)
    Q_PROPERTY(int hotItem READ hotItem)

  public:
    enum IconKind : uint32_t { NoIcon = 0, Blank = 1, Up = 2, Down = 3, Delay = 4 };

    explicit CListBoxEx(QWidget* parent = nullptr);
    ~CListBoxEx() override;

    // Appends, selects and returns the new index (-1 when nothing was added).
    int AddItem(uint32_t iconKind, const QString& text, uint32_t value, bool startRenaming = false);
    void InsertItem(int index, uint32_t iconKind, const QString& text, uint32_t value);
    void ReplaceItem(int index, uint32_t iconKind, const QString& text, uint32_t value);
    void DeleteItem(int index);
    int currentSelection() const { return currentRow(); }
    uint32_t itemData(int index) const;
    QString itemText(int index) const;

    void SetBackgroundColour(const QColor& background, const QColor& selectedBackground);
    void SetTextColours(const QColor& normal, const QColor& selected);
    void SetItemHeight(int height);
    void setRenameOnDoubleClick(bool on) { renameOnDoubleClick_ = on; }
    bool renameOnDoubleClick() const { return renameOnDoubleClick_; }
    void setControlId(int id) { controlId_ = id; }
    int controlId() const { return controlId_; }
    // Folder holding "skins/" with the list icons; by default the program's folder.
    void setProgramDirectory(const QString& dir) { programDir_ = dir; }

    // Opens the rename edit over `index`; false when another rename edit is open anywhere.
    bool StartRename(int index);
    QLineEdit* renameEdit() const { return edit_; }
    // Takes what was typed into an open rename edit as the item's text (listEdited), as leaving
    // the edit would; nothing when none is open.
    void CommitRename() { commitRename(); }
    int hotItem() const { return hot_; }

    // Painting state for the item delegate.
    bool iconsOn() const { return iconsOn_ != 0; }
    QColor background() const { return background_; }
    QColor selectedBackground() const { return selectedBackground_; }
    QColor textColour() const { return text_; }
    QColor selectedTextColour() const { return selectedText_; }
    int itemHeight() const { return itemHeight_; }
    QPixmap icon(uint32_t kind, bool selected) const;

  signals:
    void listSelected(int controlId, int index);
    void listEdited(int controlId, int index);

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    uint32_t storedData(uint32_t iconKind, uint32_t value);
    void selectQuietly(int index);
    void closeRename();
    void commitRename();
    void cancelRename();
    void applyPalette();

    QColor background_{255, 255, 255}, selectedBackground_;
    QColor text_, selectedText_;
    int itemHeight_ = 20;
    uint32_t iconsOn_ = 0;
    bool renameOnDoubleClick_ = false;
    bool quiet_ = false;
    int controlId_ = 0;
    int hot_ = -1;
    QPointer<QLineEdit> edit_;
    int editIndex_ = -1;
    bool closing_ = false;
    QString programDir_;
    mutable QHash<QString, QPixmap> icons_;
};

}  // namespace z408
