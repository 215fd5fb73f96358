// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/message_event.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <thread>
#include <vector>

namespace z408 {
namespace {

class Receiver : public QObject {
  public:
    std::vector<std::tuple<Msg, uintptr_t, intptr_t>> got;

  protected:
    bool event(QEvent* e) override {
        if (e->type() != MessageEvent::eventType()) return QObject::event(e);
        auto* m = static_cast<MessageEvent*>(e);
        got.emplace_back(m->msg(), m->wParam(), m->lParam());
        return true;
    }
};

TEST(QtMessageSink, DeliversWorkerPostsInOrderOnTheReceiversThread) {
    Receiver receiver;
    QtMessageSink sink(&receiver);
    std::thread worker([&] {
        for (int p = 0; p <= 100; p += 50)
            sink.post(Msg::UploadProgress, static_cast<uintptr_t>(p), 0);
        sink.post(Msg::UploadFailed, 0, 3);
    });
    worker.join();
    EXPECT_TRUE(receiver.got.empty());  // nothing arrives before the loop runs
    QCoreApplication::sendPostedEvents(&receiver);
    ASSERT_EQ(receiver.got.size(), 4u);
    EXPECT_EQ(std::get<0>(receiver.got[0]), Msg::UploadProgress);
    EXPECT_EQ(std::get<1>(receiver.got[2]), 100u);
    EXPECT_EQ(std::get<0>(receiver.got[3]), Msg::UploadFailed);
    EXPECT_EQ(std::get<2>(receiver.got[3]), 3);
}

}  // namespace
}  // namespace z408
