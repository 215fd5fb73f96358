// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "common/instance_link.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <thread>

#include "temp_dir.h"

namespace z408 {
namespace {

TEST(InstanceLink, RequestsReadBackAndAnythingElseIsNone) {
    for (const InstanceRequest r : {InstanceRequest{InstanceRequestKind::Show, 0},
                                    InstanceRequest{InstanceRequestKind::UnsavedEdits, 0},
                                    InstanceRequest{InstanceRequestKind::UnsavedEdits, 4},
                                    InstanceRequest{InstanceRequestKind::ProfilesChanged, 2},
                                    InstanceRequest{InstanceRequestKind::MacrosChanged, 0}}) {
        std::string line = formatInstanceRequest(r);
        ASSERT_EQ(line.back(), '\n');
        line.pop_back();
        EXPECT_EQ(parseInstanceRequest(line), r) << line;
    }
    EXPECT_EQ(parseInstanceRequest("show\r"), (InstanceRequest{InstanceRequestKind::Show, 0}));
    for (const char* hostile :
         {"", "edits", "edits 5", "edits -1", "edits 12", "reload x", "reload  1", "Show", "showme",
          "reload 1 2", "edits\t1", "macros 1"})
        EXPECT_FALSE(parseInstanceRequest(hostile)) << hostile;
}

// A window stand-in listening where z408 listens, answering `reply` (or nothing) to one request.
class InstanceLinkCall : public ::testing::Test {
  protected:
    void SetUp() override {
        ::chmod(dir.path().c_str(), 0700);
        saved_ = std::getenv("XDG_RUNTIME_DIR") ? std::getenv("XDG_RUNTIME_DIR") : "";
        ::setenv("XDG_RUNTIME_DIR", dir.path().c_str(), 1);
    }
    void TearDown() override {
        if (server_.joinable()) server_.join();
        if (listener_ >= 0) ::close(listener_);
        ::setenv("XDG_RUNTIME_DIR", saved_.c_str(), 1);
    }
    void listen(std::string reply) {
        listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        const std::string path = (dir / kInstanceKey).string();
        std::strncpy(a.sun_path, path.c_str(), sizeof a.sun_path - 1);
        ASSERT_EQ(::bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
        ASSERT_EQ(::listen(listener_, 1), 0);
        server_ = std::thread([this, reply] {
            const int s = ::accept(listener_, nullptr, nullptr);
            char buf[64] = {};
            const ssize_t n = ::recv(s, buf, sizeof buf - 1, 0);
            received = n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
            if (!reply.empty()) (void)::send(s, reply.data(), reply.size(), MSG_NOSIGNAL);
            // Without a reply the line stays open until the caller gives up.
            char end;
            (void)::recv(s, &end, 1, 0);
            ::close(s);
        });
    }

    // The stand-in's end of the conversation is over once the caller has hung up.
    void join() {
        if (server_.joinable()) server_.join();
    }

    test::TempDir dir;
    std::string received;

  private:
    std::string saved_;
    int listener_ = -1;
    std::thread server_;
};

TEST_F(InstanceLinkCall, AsksTheWindowAndReadsItsAnswerLine) {
    listen("unsaved\n");
    std::string reply;
    EXPECT_EQ(callRunningInstance({InstanceRequestKind::UnsavedEdits, 3}, reply),
              InstanceCall::Answered);
    EXPECT_EQ(reply, kReplyUnsaved);
    join();
    EXPECT_EQ(received, "edits 3\n");
}

TEST_F(InstanceLinkCall, NoWindowAndASilentWindowAreTold) {
    std::string reply;
    EXPECT_EQ(callRunningInstance({InstanceRequestKind::ProfilesChanged, 0}, reply),
              InstanceCall::NotRunning);
    listen("");
    EXPECT_EQ(callRunningInstance({InstanceRequestKind::ProfilesChanged, 0}, reply, 50),
              InstanceCall::NoAnswer);
}

TEST_F(InstanceLinkCall, AnOverlongAnswerIsNoAnswer) {
    listen(std::string(200, 'x'));
    std::string reply;
    EXPECT_EQ(callRunningInstance({InstanceRequestKind::UnsavedEdits, 0}, reply),
              InstanceCall::NoAnswer);
    EXPECT_TRUE(reply.empty());
}

}  // namespace
}  // namespace z408
