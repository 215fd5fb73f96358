#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <thread>

#include "widgets/message_event.h"
#include "app/cross_thread_notices.h"
#include "app/hint_texts.h"
#include "app/single_instance.h"

namespace z408 {
namespace {

// Runs the event loop until `done` or about two seconds passed.
template <typename Pred>
bool spinUntil(Pred done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

class Receiver : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() != MessageEvent::eventType()) return QObject::event(e);
        const auto* m = static_cast<MessageEvent*>(e);
        received.push_back({m->msg(), m->wParam(), m->lParam()});
        return true;
    }
    struct Item {
        Msg msg;
        uintptr_t w;
        intptr_t l;
    };
    std::vector<Item> received;
};

TEST(QtMessageSink, MessagesFromAWorkerArriveInOrderOnTheReceiversThread) {
    Receiver r;
    QtMessageSink sink(&r);
    std::thread worker([&] {
        for (uintptr_t p = 0; p <= 100; p += 10) sink.post(Msg::UploadProgress, p, 0);
        sink.post(Msg::UploadFailed, 0, 3);
    });
    worker.join();
    ASSERT_TRUE(spinUntil([&] { return r.received.size() == 12; }));
    for (size_t i = 0; i < 11; ++i) {
        EXPECT_EQ(r.received[i].msg, Msg::UploadProgress);
        EXPECT_EQ(r.received[i].w, 10 * i);
    }
    EXPECT_EQ(r.received.back().msg, Msg::UploadFailed);
    EXPECT_EQ(r.received.back().l, 3);
}

TEST(QtMessageSink, AGoneReceiverDropsTheMessage) {
    auto* r = new Receiver;
    QtMessageSink sink(r);
    delete r;
    sink.post(Msg::UploadDone, 0, 0);  // must not crash or leak an event to a dead object
    QCoreApplication::processEvents();
}

// Answers on the thread it was called on, remembering which thread that was.
class ThreadNotingNotices : public RecordingNotices {
public:
    bool show(const Notice& notice) override {
        shownOn = std::this_thread::get_id();
        return RecordingNotices::show(notice);
    }
    std::thread::id shownOn;
};

TEST(CrossThreadNotices, AWorkersQuestionIsAskedOnTheUserInterfaceThread) {
    QObject ui;
    ThreadNotingNotices target;
    target.reply = true;
    CrossThreadNotices notices(target, &ui);
    std::atomic<int> answer{-1};
    std::thread worker([&] { answer = notices.info("Update?", true) ? 1 : 0; });
    ASSERT_TRUE(spinUntil([&] { return answer != -1; }));
    worker.join();
    EXPECT_EQ(answer, 1);
    ASSERT_EQ(target.shown.size(), 1u);
    EXPECT_EQ(target.shown[0].text, "Update?");
    EXPECT_TRUE(target.shown[0].withCancel);
    EXPECT_EQ(target.shownOn, std::this_thread::get_id());
    // On the user-interface thread the question goes straight through.
    target.reply = false;
    EXPECT_FALSE(notices.info("Again?", true));
    EXPECT_EQ(target.shown.size(), 2u);
}

TEST(CrossThreadNotices, CancelAnswersAWaitingWorkerAndEveryLaterQuestionWithNo) {
    QObject ui;
    RecordingNotices target;
    target.reply = true;
    CrossThreadNotices notices(target, &ui);
    std::atomic<int> answer{-1};
    // The event loop does not run: the worker waits until the shutdown cancels.
    std::thread worker([&] { answer = notices.info("Update?", true) ? 1 : 0; });
    // Whether the worker already waits or has not asked yet, the answer is the same.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(answer, -1);
    notices.cancel();
    worker.join();
    EXPECT_EQ(answer, 0);
    QCoreApplication::processEvents();  // the queued question finds itself cancelled
    EXPECT_TRUE(target.shown.empty());
    EXPECT_FALSE(notices.info("Later?", true));
    EXPECT_TRUE(target.shown.empty());
}

TEST(SingleInstance, SecondStartWakesTheFirstAndGivesWay) {
    const QString key = QStringLiteral("Z408Driver.exe-test-%1").arg(QCoreApplication::applicationPid());
    SingleInstance first(key);
    int wakes = 0;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++wakes; });
    ASSERT_TRUE(first.claim());

    // The second start runs its blocking connect on another thread, as a separate process would.
    bool secondClaimed = true;
    std::thread second([&] {
        SingleInstance other(key);
        secondClaimed = other.claim();
    });
    EXPECT_TRUE(spinUntil([&] { return wakes == 1; }));
    second.join();
    EXPECT_FALSE(secondClaimed);
}

TEST(SingleInstance, TheNameIsPerUser) {
    SingleInstance a(QStringLiteral("Z408Driver.exe"));
    EXPECT_TRUE(a.socketName().startsWith(QStringLiteral("Z408Driver.exe-")));
    EXPECT_NE(a.socketName(), QStringLiteral("Z408Driver.exe-"));
}

TEST(HintTexts, NumbersNameTheirLanguageKeys) {
    struct Case {
        int number;
        std::u16string_view key;
    } cases[] = {
        {1, u"str_main"},           {6, u"str_profile1"},         {11, u"str_ok"},
        {18, u"str_rollerScreen"},  {26, u"str_ledspe"},          {39, u"str_led_custom"},
        {40, u"str_new_macro"},     {55, u"str_resetSts"},        {56, u"str_update"},
        {57, u"str_tarvoWeb"},      {58, u"str_importFile"},      {59, u"str_exportFile"},
        {60, u"str_defaultname"},   {61, u"str_dpi_setting"},     {87, u"str_marco_list"},
        {90, u"str_firmware_version"}, {0, u""}, {19, u""}, {25, u""}, {91, u""}, {99, u""}, {-1, u""},
    };
    for (const auto& c : cases) EXPECT_EQ(hintKey(c.number), c.key) << c.number;
}

}  // namespace
}  // namespace z408

#if defined(__SANITIZE_THREAD__)
// Qt's event queue hands work between threads under a lock the tool cannot see (tsan_qt.supp).
extern "C" const char* __tsan_default_options() {
    return "suppressions=" Z408_TSAN_SUPPRESSIONS;
}
#endif

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
