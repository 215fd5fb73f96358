// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/message_event.h"

#include <QCoreApplication>

namespace z408 {

MessageEvent::MessageEvent(Msg msg, uintptr_t wParam, intptr_t lParam)
    : QEvent(eventType()), msg_(msg), wParam_(wParam), lParam_(lParam) {}

QEvent::Type MessageEvent::eventType() {
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QtMessageSink::QtMessageSink(QObject* target) : target_(target) {}

void QtMessageSink::post(Msg msg, uintptr_t wParam, intptr_t lParam) {
    // postEvent is thread-safe; events still queued when the target is destroyed are dropped.
    QObject* t = target_.data();
    if (t) QCoreApplication::postEvent(t, new MessageEvent(msg, wParam, lParam));
}

}  // namespace z408
