// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A numbered window message carried as a Qt event, and the MessageSink that posts it. Widgets
// and workers post (msg, wParam, lParam); each window dispatches on the number in event().
#include <QEvent>
#include <QPointer>

#include "common/messages.h"

namespace z408 {

class MessageEvent : public QEvent {
  public:
    MessageEvent(Msg msg, uintptr_t wParam, intptr_t lParam);
    static QEvent::Type eventType();

    Msg msg() const { return msg_; }
    uintptr_t wParam() const { return wParam_; }
    intptr_t lParam() const { return lParam_; }

  private:
    Msg msg_;
    uintptr_t wParam_;
    intptr_t lParam_;
};

// Posts MessageEvents to one QObject; post() may be called from any thread while the target
// lives (the target must outlive the threads that post to it).
class QtMessageSink : public MessageSink {
  public:
    explicit QtMessageSink(QObject* target);
    void post(Msg msg, uintptr_t wParam, intptr_t lParam) override;

  private:
    QPointer<QObject> target_;
};

// Widgets post through an optional sink; this keeps the null check in one place.
inline void postTo(MessageSink* sink, Msg msg, uintptr_t wParam, intptr_t lParam) {
    if (sink) sink->post(msg, wParam, lParam);
}

}  // namespace z408
