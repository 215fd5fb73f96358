// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>

#include "app/cross_thread_notices.h"
#include "app/hint_texts.h"
#include "app/single_instance.h"
#include "no_free_descriptors.h"
#include "temp_dir.h"
#include "widgets/message_event.h"

namespace z408 {
namespace {

namespace fs = std::filesystem;

// Runs the event loop until `done` or about two seconds passed.
template <typename Pred>
bool spinUntil(Pred done, int limitMs = 2000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
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

// The folders the socket may live in, each a fresh temporary folder, set for one test.
class SingleInstanceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::permissions(runtime_.path(), fs::perms::owner_all, fs::perm_options::replace);
        setenv("XDG_RUNTIME_DIR", runtime_.path().c_str(), 1);
        setenv("XDG_STATE_HOME", state_.path().c_str(), 1);
    }
    void TearDown() override {
        unsetenv("XDG_RUNTIME_DIR");
        unsetenv("XDG_STATE_HOME");
        if (home_saved_.empty())
            unsetenv("HOME");
        else
            setenv("HOME", home_saved_.c_str(), 1);
    }
    test::TempDir runtime_, state_, home_;
    std::string home_saved_ = std::getenv("HOME") ? std::getenv("HOME") : "";
};

TEST_F(SingleInstanceTest, SecondStartWakesTheFirstAndGivesWay) {
    const QString key = QStringLiteral("Z408Driver.exe");
    SingleInstance first(key);
    int wakes = 0;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++wakes; });
    ASSERT_TRUE(first.claim());
    EXPECT_EQ(first.socketPath().toStdString(), (runtime_ / "Z408Driver.exe").string());

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

// The socket goes only where no other user can reach it: the runtime folder when it is the
// user's own and closed, else a private folder made in the state directory.
TEST_F(SingleInstanceTest, TheSocketLivesOnlyInAPrivateFolder) {
    const fs::path fallback = state_ / "z408";
    struct Case {
        const char* name;
        std::function<void()> prepare;
        fs::path folder;
    };
    const Case cases[] = {
        {"private runtime folder", [] {}, runtime_.path()},
        {"runtime folder open to others",
         [this] { fs::permissions(runtime_.path(), fs::perms::all, fs::perm_options::replace); },
         fallback},
        {"runtime folder through a link",
         [this] {
             fs::create_directory_symlink(runtime_.path(), state_ / "link");
             setenv("XDG_RUNTIME_DIR", (state_ / "link").c_str(), 1);
         },
         fallback},
        {"no runtime folder", [] { unsetenv("XDG_RUNTIME_DIR"); }, fallback},
        {"state folder taken by another user (here a link to elsewhere)",
         [this, &fallback] {
             unsetenv("XDG_RUNTIME_DIR");
             setenv("HOME", home_.path().c_str(), 1);
             fs::create_directory_symlink(runtime_.path(), fallback);
         },
         home_ / ".local/state/z408"},
        {"own fallback folder left open",
         [&fallback] {
             unsetenv("XDG_RUNTIME_DIR");
             fs::create_directories(fallback);
             fs::permissions(fallback, fs::perms::all, fs::perm_options::replace);
         },
         fallback},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        fs::remove_all(fallback);
        fs::remove(state_ / "link");
        c.prepare();
        SingleInstance one(QStringLiteral("Z408Driver.exe"));
        ASSERT_TRUE(one.claim());
        EXPECT_EQ(fs::path(one.socketPath().toStdString()), c.folder / "Z408Driver.exe");
        EXPECT_EQ(fs::status(c.folder).permissions() & fs::perms::all, fs::perms::owner_all);
    }
}

TEST_F(SingleInstanceTest, ASocketLeftByACrashIsReplaced) {
    const fs::path path = runtime_ / "Z408Driver.exe";
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ::close(fd);  // the file stays, nobody listens
    SingleInstance first(QStringLiteral("Z408Driver.exe"));
    EXPECT_TRUE(first.claim());
    int wakes = 0;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++wakes; });
    std::thread second(
        [] { EXPECT_FALSE(SingleInstance(QStringLiteral("Z408Driver.exe")).claim()); });
    EXPECT_TRUE(spinUntil([&] { return wakes == 1; }));
    second.join();
}

// A request that opens a box runs the box's loop, which takes the next requests: they are
// answered at once and merged, but run only after the box, never inside it.
TEST_F(SingleInstanceTest, AFloodOfRequestsNeverNestsTheirHandling) {
    SingleInstance first(QStringLiteral("Z408Driver.exe"));
    ASSERT_TRUE(first.claim());
    constexpr int kRequests = 300;
    std::atomic<int> answered{0};
    std::atomic<bool> sent{false};
    int depth = 0, deepest = 0, reloads = 0, macroReloads = 0;
    const auto aBox = [&] {
        deepest = std::max(deepest, ++depth);
        // The first box stays open while the whole flood arrives.
        if (reloads + macroReloads == 1) spinUntil([&] { return sent.load(); }, 60000);
        --depth;
    };
    QObject::connect(&first, &SingleInstance::profilesChanged, [&](int) {
        ++reloads;
        aBox();
    });
    QObject::connect(&first, &SingleInstance::macrosChanged, [&] {
        ++macroReloads;
        aBox();
    });
    std::thread flood([&] {
        for (int i = 0; i < kRequests; ++i) {
            std::string reply;
            const InstanceRequest r =
                i % 2 ? InstanceRequest{InstanceRequestKind::MacrosChanged, 0}
                      : InstanceRequest{InstanceRequestKind::ProfilesChanged, i % 10 == 0 ? 0 : 3};
            if (callRunningInstance(r, reply) == InstanceCall::Answered && reply == kReplyDone)
                ++answered;
        }
        sent = true;
    });
    EXPECT_TRUE(spinUntil([&] { return sent.load(); }, 60000));
    flood.join();
    QCoreApplication::processEvents();
    EXPECT_EQ(answered.load(), kRequests);
    EXPECT_EQ(deepest, 1);
    // The first request, then what gathered meanwhile: entries 0 and 3 and the library, once
    // each (plus at most one of each that arrived before the first box opened).
    EXPECT_GE(reloads + macroReloads, 3);
    EXPECT_LE(reloads + macroReloads, 6);

    // Still answering afterwards.
    std::string reply;
    std::atomic<bool> done{false};
    std::thread later([&] {
        EXPECT_EQ(callRunningInstance({InstanceRequestKind::UnsavedEdits, 1}, reply),
                  InstanceCall::Answered);
        done = true;
    });
    spinUntil([&] { return done.load(); });
    later.join();
    EXPECT_EQ(reply, kReplySaved);
}

// A connection made and a request sent, as z408ctl does, from this thread: a UNIX socket's
// connect completes into the listen backlog without the window's accept.
int sendRequest(const fs::path& socket, const char* line) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, socket.c_str(), sizeof addr.sun_path - 1);
    if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        if (fd >= 0) ::close(fd);
        return -1;
    }
    if (*line) (void)!::send(fd, line, std::strlen(line), MSG_NOSIGNAL);
    return fd;
}

// What has arrived on `fd` so far, without waiting; "EOF" once the window hung up.
std::string received(int fd) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 0) <= 0) return {};
    char buf[64];
    const ssize_t n = ::recv(fd, buf, sizeof buf, MSG_PEEK);
    return n == 0 ? "EOF" : n < 0 ? "" : std::string(buf, static_cast<size_t>(n));
}

// With every descriptor taken the window cannot accept: it keeps its socket and listens on, and
// the waiting request is answered once descriptors are free again.
TEST_F(SingleInstanceTest, TheSocketSurvivesRunningOutOfDescriptors) {
    SingleInstance first(QStringLiteral("Z408Driver.exe"));
    ASSERT_TRUE(first.claim());
    const fs::path socket = first.socketPath().toStdString();
    const int waiting = sendRequest(socket, "edits 2\n");
    ASSERT_GE(waiting, 0);
    {
        test::NoFreeDescriptors exhausted;
        ASSERT_TRUE(exhausted.active());
        for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        EXPECT_TRUE(received(waiting).empty());
        EXPECT_TRUE(fs::exists(socket));
    }
    EXPECT_TRUE(spinUntil([&] { return !received(waiting).empty(); }));
    EXPECT_EQ(received(waiting), "saved\n");
    ::close(waiting);
    const int later = sendRequest(socket, "edits 0\n");
    ASSERT_GE(later, 0);
    EXPECT_TRUE(spinUntil([&] { return !received(later).empty(); }));
    EXPECT_EQ(received(later), "saved\n");
    ::close(later);
}

// A peer that connects and says nothing is hung up on after the idle time; one that asks is
// still answered meanwhile.
TEST_F(SingleInstanceTest, IdlePeersAreHungUpOn) {
    SingleInstance first(QStringLiteral("Z408Driver.exe"));
    first.setIdleTimeoutMs(50);
    ASSERT_TRUE(first.claim());
    const fs::path socket = first.socketPath().toStdString();
    std::vector<int> silent;
    // Fewer than the listen backlog: the connects must not wait for this thread to accept.
    for (int i = 0; i < 10; ++i) silent.push_back(sendRequest(socket, ""));
    const int asking = sendRequest(socket, "edits 1\n");
    EXPECT_TRUE(spinUntil([&] {
        return std::all_of(silent.begin(), silent.end(),
                           [](int fd) { return fd >= 0 && received(fd) == "EOF"; });
    }));
    EXPECT_EQ(received(asking), "saved\n");
    for (int fd : silent) ::close(fd);
    ::close(asking);
}

TEST(HintTexts, NumbersNameTheirLanguageKeys) {
    struct Case {
        int number;
        std::u16string_view key;
    } cases[] = {
        {1, u"str_main"},
        {6, u"str_profile1"},
        {11, u"str_ok"},
        {18, u"str_rollerScreen"},
        {26, u"str_ledspe"},
        {39, u"str_led_custom"},
        {40, u"str_new_macro"},
        {55, u"str_resetSts"},
        {56, u"str_update"},
        {57, u"str_tarvoWeb"},
        {58, u"str_importFile"},
        {59, u"str_exportFile"},
        {60, u"str_defaultname"},
        {61, u"str_dpi_setting"},
        {87, u"str_marco_list"},
        {90, u"str_firmware_version"},
        {0, u""},
        {19, u""},
        {25, u""},
        {91, u""},
        {99, u""},
        {-1, u""},
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
