// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "pages/macro_event_editor.h"

#include "pages/skin_controls.h"
#include "pages/skin_page.h"
#include "widgets/bitmap_edit.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/skin_accessible.h"

namespace z408 {
namespace {

constexpr int kKeyNameChars = 32;

}  // namespace

MacroEventEditor::MacroEventEditor(CSkinPage& page, bool chineseLayout) : QObject(&page) {
    const SkinControls controls(page, chineseLayout);
    keyChoice_ = controls.button("keyChoice");
    delayChoice_ = controls.button("delayChoice");
    keyOk_ = controls.button("keyOk");
    delayOk_ = controls.button("delayOk");
    // The page picks the choice itself: a click reports, the page ticks. Their pictures carry
    // their captions.
    for (CGDIBitmapBtn* choice : {keyChoice_, delayChoice_}) {
        choice->setCheckMode(CGDIBitmapBtn::CheckMode::Latch);
        setAccessibleKind(choice, AccessibleKind::RadioButton);  // a key or a delay
    }
    // The key box shows the captured key's name ("Left Button" is one): it is long enough for
    // every name, and read-only, since typing into it would only garble the name.
    keyBox_ = controls.edit("keyBox", kKeyNameChars);
    keyBox_->setReadOnly(true);
    delayBox_ = controls.edit("delayBox", 4);
    hideAll();

    connect(keyChoice_, &QAbstractButton::clicked, this, &MacroEventEditor::keyChoiceClicked);
    connect(delayChoice_, &QAbstractButton::clicked, this, &MacroEventEditor::delayChoiceClicked);
    connect(keyOk_, &QAbstractButton::clicked, this, &MacroEventEditor::keyOkClicked);
    connect(delayOk_, &QAbstractButton::clicked, this, &MacroEventEditor::delayOkClicked);
}

void MacroEventEditor::showChoices() {
    hideAll();
    keyChoice_->show();
    delayChoice_->show();
}

void MacroEventEditor::openKey(bool keepOtherChoice) {
    keyChoice_->show();
    keyChoice_->setLatched(true);
    delayChoice_->setLatched(false);
    delayChoice_->setVisible(keepOtherChoice);
    keyBox_->clear();
    keyBox_->show();
    keyOk_->show();
    delayBox_->hide();
    delayOk_->hide();
    keyBox_->setFocus();
}

void MacroEventEditor::openDelay(bool keepOtherChoice) {
    delayChoice_->show();
    delayChoice_->setLatched(true);
    keyChoice_->setLatched(false);
    keyChoice_->setVisible(keepOtherChoice);
    delayBox_->clear();
    delayBox_->show();
    delayOk_->show();
    keyBox_->hide();
    keyOk_->hide();
    delayBox_->setFocus();
}

void MacroEventEditor::hideAll() {
    for (CGDIBitmapBtn* b : {keyChoice_, delayChoice_}) {
        b->setLatched(false);
        b->hide();
    }
    for (CGDIBitmapBtn* b : {keyOk_, delayOk_}) b->hide();
    for (CBitmapEdit* e : {keyBox_, delayBox_}) {
        e->clear();
        e->hide();
    }
}

void MacroEventEditor::setKeyText(const QString& text) {
    keyBox_->setText(text);
}

QString MacroEventEditor::delayText() const {
    return delayBox_->text();
}

void MacroEventEditor::setCaptions(const QString& keyCaption, const QString& delayCaption) {
    keyOk_->SetText(keyCaption);
    delayOk_->SetText(delayCaption);
    keyChoice_->SetTooltip(keyCaption, true);
    delayChoice_->SetTooltip(delayCaption, true);
}

}  // namespace z408
