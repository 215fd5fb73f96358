#pragma once
// Worker threads reach windows only through this: a posted event carrying the message number and
// its two parameters, dispatched by the receiving window on the user-interface thread.
#include <QEvent>
#include <QObject>
#include <QPointer>

#include "common/messages.h"

namespace z408 {

class MessageEvent : public QEvent {
public:
    static QEvent::Type eventType();
    MessageEvent(Msg m, uintptr_t w, intptr_t l) : QEvent(eventType()), msg(m), wParam(w), lParam(l) {}
    const Msg msg;
    const uintptr_t wParam;
    const intptr_t lParam;
};

// Posts to one receiver; safe from any thread. A receiver that is gone drops the message.
class QtMessageSink final : public MessageSink {
public:
    explicit QtMessageSink(QObject* receiver) : receiver_(receiver) {}
    void post(Msg msg, uintptr_t wParam, intptr_t lParam) override;

private:
    QPointer<QObject> receiver_;
};

}  // namespace z408
