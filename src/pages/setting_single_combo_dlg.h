// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The picker's key-combination page: one key, taken from the system-wide input hook while the
// page is shown, and four modifier boxes (Ctrl, Alt, Shift, Win) that a click or a press of the
// modifier key toggles. Where the hook sees nothing (no X server, or a session whose input it
// cannot observe) the keys come from the picker's own key events instead.
#include <QTimer>
#include <array>
#include <memory>
#include <set>
#include <vector>

#include "common/messages.h"
#include "functions/picker_rules.h"
#include "pages/key_event_codes.h"
#include "pages/skin_page.h"

class QKeyEvent;

namespace z408 {

class CGDIBitmapBtn;
class KeyboardLayout;
class QtMessageSink;

class CSetting_SingleComboDlg : public CSkinPage {
    Q_OBJECT
  public:
    // How long a key of our own window waits for the hook to report it too, before the page
    // decides the hook is blind and takes its keys from the window.
    static constexpr int kHookWaitMs = 250;
    enum class KeySource { Undecided, Hook, OwnEvents };

    // `hookAvailable`: an input hook is installed and may forward keys to this page.
    CSetting_SingleComboDlg(const QString& programDirectory, bool chineseLayout,
                            const KeyboardLayout& keyboardLayout, bool hookAvailable,
                            QWidget* parent = nullptr);
    ~CSetting_SingleComboDlg() override;

    // Where the input hook posts its key events (Msg::HookEvent) for this page.
    MessageSink& hookSink();
    // A key event addressed to the picker or one of its pages.
    void ownKeyEvent(const QKeyEvent& event);

    void fillChoice(PickerChoice& choice) const { capture_.fillChoice(choice); }
    // The key (a hook key code) that opened the picker or started the capture from the
    // keyboard: the desktop's hook may report it late, after the capture began, and it is no
    // answer. Its events are dropped until it is let go or another key comes.
    void ignoreStartingKey(uint32_t key) { startingKey_ = key; }

    const KeyCapture& capture() const { return capture_; }
    CGDIBitmapBtn* box(KeyCapture::Box b) const { return boxes_[static_cast<size_t>(b)]; }
    KeySource keySource() const { return source_; }
    QTimer& hookWaitTimer() { return hookWait_; }
    // The key as the page shows it.
    QString keyText() const;

  signals:
    // A key other than a modifier was let go: the combination is whole.
    void combinationTyped();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void hookKey(uint32_t key, uint32_t flags);
    void applyKey(uint32_t key, uint32_t flags);
    void hookStayedSilent();

    const KeyboardLayout& keyboardLayout_;
    KeyCapture capture_;
    // Keys pressed while the page listened. The release of a key pressed before (the Space or
    // Enter that opened the picker or its key page) is no answer and is dropped.
    std::set<uint32_t> held_;
    uint32_t startingKey_ = 0;
    std::array<CGDIBitmapBtn*, KeyCapture::kBoxCount> boxes_{};
    std::unique_ptr<QtMessageSink> sink_;
    KeySource source_;
    std::vector<HookKey> waiting_;  // own keys not yet taken, while the source is undecided
    QTimer hookWait_;
};

}  // namespace z408
