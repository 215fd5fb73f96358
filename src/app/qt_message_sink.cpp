#include "app/qt_message_sink.h"

#include <QCoreApplication>

namespace z408 {

QEvent::Type MessageEvent::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void QtMessageSink::post(Msg msg, uintptr_t wParam, intptr_t lParam) {
    // postEvent is thread-safe; QPointer's read races only with the receiver's destruction,
    // which happens after the workers are joined.
    if (QObject* r = receiver_.data()) QCoreApplication::postEvent(r, new MessageEvent(msg, wParam, lParam));
}

}  // namespace z408
