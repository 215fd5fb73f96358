// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The update description, the download and the update check against a real HTTP server on
// 127.0.0.1 (tests/update/http_server.py, started and stopped by the tests).
#include <gtest/gtest.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <span>
#include <thread>

#include "desktop/child_process.h"
#include "desktop/curl_downloader.h"
#include "shared_notices.h"
#include "temp_dir.h"
#include "update/program_settings.h"
#include "update/sha256.h"
#include "update/update_checker.h"
#include "update/update_description.h"

namespace z408 {
namespace {

using namespace std::chrono_literals;

void writeText(const std::filesystem::path& p, const std::string& text) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

std::string readText(const std::filesystem::path& p) {
    std::string text;
    if (FILE* f = std::fopen(p.c_str(), "rb")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
        std::fclose(f);
    }
    return text;
}

TEST(UpdateDescription, ReadsCurrentAndNewFileUnderFirmware) {
    struct Case {
        const char* xml;
        uint32_t current;
        const char* newFile;
    };
    const Case cases[] = {
        {"<update><firmware><current>13</current><newfile>http://h/f.bin</newfile></firmware></"
         "update>",
         13, "http://h/f.bin"},
        {"<any><firmware><current> 21 </current></firmware></any>", 21, ""},
        // the first "firmware" child only; a nested one is searched when the key is missing
        {"<r><firmware><firmware><current>5</current></firmware></firmware><firmware><current>9</"
         "current></firmware></r>",
         5, ""},
        {"<r><other><current>7</current></other></r>", 0, ""},
        // a negative version would compare as one near 2^32: newer than any mouse
        {"<r><firmware><current>-1</current></firmware></r>", 0, ""},
        {"<r><firmware><current>-99999999999</current></firmware></r>", 0, ""},
        {"<r><firmware><current>99999999999</current></firmware></r>", 0x7FFFFFFFu, ""},
        {"<r><firmware><current><b>7</b></current></firmware></r>", 0, ""},  // not plain text
        {"<r><firmware><current>4</current><newfile><![CDATA[http://x/a&b]]></newfile>"
         "</firmware></r>",
         4, "http://x/a&b"},
        // a document cut short offers nothing: never an update from half a description
        {"<r><firmware><current>4</current><newfile>http://x/a</newfile></firmware>", 0, ""},
        {"", 0, ""},
        {"not xml at all", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xml);
        const UpdateDescription d = parseUpdateDescription(c.xml);
        EXPECT_EQ(d.current, c.current);
        EXPECT_EQ(d.newFile, c.newFile);
    }
    EXPECT_EQ(readUpdateDescription("/nonexistent/update.xml").current, 0u);
}

TEST(ProgramSettings, ReadFromTheFileBesideTheProgram) {
    test::TempDir dir;
    unsetenv("Z408_UPDATE_SERVER");
    EXPECT_EQ(readProgramSettings(dir.path()).updateHost, "");  // no file: nothing configured
    writeText(dir / "z408.ini",
              "; comment\n[update]\n  HOST = updates.example:8080 \r\n[Support]\n"
              "WebSite=https://example.org/z408\n[Other]\nHost=ignored\n");
    ProgramSettings s = readProgramSettings(dir.path());
    EXPECT_EQ(s.updateHost, "updates.example:8080");
    EXPECT_EQ(s.webSite, "https://example.org/z408");
    setenv("Z408_UPDATE_SERVER", "http://127.0.0.1:9", 1);
    EXPECT_EQ(readProgramSettings(dir.path()).updateHost, "http://127.0.0.1:9");
    unsetenv("Z408_UPDATE_SERVER");

    const std::pair<const char*, const char*> urls[] = {
        {"", ""},
        {"/", ""},
        {"updates.example", "http://updates.example/software/z408/update.xml"},
        {"http://127.0.0.1:8080/", "http://127.0.0.1:8080/software/z408/update.xml"},
        {"https://h", "https://h/software/z408/update.xml"},
    };
    for (const auto& [host, url] : urls) EXPECT_EQ(updateDescriptionUrl(host), url) << host;
}

TEST(FirmwareVersionDisplay, DigitsBecomeThreeParts) {
    const std::pair<const char*, const char*> cases[] = {
        {"12", "V 0.1.2"},   {"7", "V 0.0.7"},
        {"0", "V 0.0.0"},    {"", "Unknown"},
        {"123", "V 1.2.3"},  {"2805", "V 28.0.5"},
        {"0012", "V 0.1.2"}, {"4294967295", "V 42949672.9.5"},
        {"12a", "Unknown"},  {"-1", "Unknown"},
        {" 12", "Unknown"},  {"12345678901", "Unknown"},  // longer than any 32-bit number
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(firmwareVersionDisplay(text), shown) << text;
}

TEST(UpdateDescription, IntegerValueOfText) {
    const std::pair<const char*, uint32_t> cases[] = {
        {"12", 12},
        {"  \t\n13abc", 13},
        {"+7", 7},
        {"-1", 0xFFFFFFFFu},
        {"", 0},
        {"abc", 0},
        {"- 5", 0},
        {"99999999999", 0x7FFFFFFFu},
        {"-99999999999", 0x80000000u},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(integerValueOfText(text), value) << text;
}

// The local HTTP server with its document folder.
class HttpServer {
  public:
    bool start() {
        int fds[2];
        if (pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) return false;
        const bool ok = process_.start({"python3", Z408_SOURCE_DIR "/tests/update/http_server.py",
                                        root_.path().string(), "1.5"},
                                       fds[1]);
        close(fds[1]);
        if (ok) port_ = test::readLine(fds[0], 20);
        close(fds[0]);
        return ok && !port_.empty();
    }
    std::string url(const std::string& path) const { return "http://127.0.0.1:" + port_ + path; }
    std::filesystem::path file(const std::string& rel) const { return root_.path() / rel; }

  private:
    test::TempDir root_;
    test::ChildProcess process_;
    std::string port_;
};

class DownloadTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        server_ = new HttpServer;
        ASSERT_TRUE(server_->start()) << "the HTTP server did not start";
    }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
    }
    void SetUp() override { ASSERT_NE(server_, nullptr); }
    static HttpServer* server_;
    test::TempDir dir_;
};
HttpServer* DownloadTest::server_ = nullptr;

TEST_F(DownloadTest, FoundRedirectedNotFoundSlowTooLargeRefusedCancelled) {
    std::string payload(100000, '\0');
    for (size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<char>(i * 7);
    writeText(server_->file("fw/image.bin"), payload);
    const auto target = dir_ / "new_version/image.bin";  // its folder does not exist yet
    desktop::CurlDownloader downloader(
        {.connectTimeoutMs = 2000, .totalTimeoutMs = 400, .maxBytes = 200000, .maxRedirects = 5});
    std::string error;
    ASSERT_TRUE(downloader.fetch(server_->url("/fw/image.bin"), target, {}, error)) << error;
    EXPECT_EQ(readText(target), payload);
    writeText(target, "old");
    ASSERT_TRUE(downloader.fetch(server_->url("/redirect/fw/image.bin"), target, {}, error))
        << error;
    EXPECT_EQ(readText(target), payload);

    // Every failure leaves the file as it was.
    writeText(target, "old");
    struct Failure {
        std::string url;
        desktop::DownloadLimits limits;
    };
    const Failure failures[] = {
        {server_->url("/fw/missing.bin"), {}},
        {server_->url("/slow/fw/image.bin"), {.connectTimeoutMs = 2000, .totalTimeoutMs = 300}},
        {server_->url("/fw/image.bin"), {.maxBytes = 50000}},
        {server_->url("/redirect/redirect/fw/image.bin"), {.maxRedirects = 1}},
        {"http://127.0.0.1:1/nothing-listens-here", {}},
        {"file:///etc/passwd", {}},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.url);
        EXPECT_FALSE(desktop::CurlDownloader(f.limits).fetch(f.url, target, {}, error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(readText(target), "old");
    }
    std::stop_source cancelled;
    cancelled.request_stop();
    EXPECT_FALSE(
        downloader.fetch(server_->url("/slow/fw/image.bin"), target, cancelled.get_token(), error));
    EXPECT_EQ(error, "cancelled");
}

class RecordingActions : public UpdateActions {
  public:
    void startTimeoutTimer(uint32_t ms) override {
        timerMs = ms;
        ++timerStarts;
    }
    void stopTimeoutTimer() override { ++timerStops; }
    void startFirmwareBurner() override { ++burnerStarts; }
    std::atomic<uint32_t> timerMs{0};
    std::atomic<int> timerStarts{0}, timerStops{0}, burnerStarts{0};
};

// Counts finished downloads so a test can wait for the worker.
class CountingDownloader : public UpdateDownloader {
  public:
    bool download(const std::string& url, const std::filesystem::path& to, std::stop_token stop,
                  std::string& error) override {
        ++started;
        const bool ok = inner.download(url, to, stop, error);
        ++finished;
        return ok;
    }
    desktop::CurlDownloader inner;
    std::atomic<int> started{0}, finished{0};
};

class UpdateCheckTest : public DownloadTest {
  protected:
    void SetUp() override {
        DownloadTest::SetUp();
        writeText(server_->file("fw/TarvoGameDevice.bin"), "FIRMWARE");
    }
    void publish(const std::string& current, const std::string& newfile = "/fw/TarvoGameDevice.bin",
                 const std::string& extra = "") {
        writeText(server_->file("software/z408/update.xml"),
                  "<update><firmware><current>" + current + "</current><newfile>" +
                      server_->url(newfile) + "</newfile>" + extra + "</firmware></update>");
    }
    std::unique_ptr<UpdateChecker> checker(const std::string& path = "/software/z408/update.xml") {
        auto c = std::make_unique<UpdateChecker>(dir_.path(), server_->url(path), downloader_,
                                                 notices_, actions_);
        c->startThread();
        return c;
    }
    static void waitCount(const std::atomic<int>& count, int n) {
        for (int i = 0; i < 1000 && count < n; ++i) std::this_thread::sleep_for(5ms);
    }
    void waitIdle(UpdateChecker& c) {
        for (int i = 0; i < 1000 && !c.idle(); ++i) std::this_thread::sleep_for(5ms);
    }
    std::vector<std::string> texts() {
        std::vector<std::string> out;
        for (const auto& n : notices_.shown())
            out.push_back(n.text + (n.withCancel ? " [Cancel]" : ""));
        return out;
    }

    CountingDownloader downloader_;
    test::SharedNotices notices_;
    RecordingActions actions_;
};

constexpr const char* kQuestion =
    "A new version of firmware is available for the gaming mouse, whether to update or not? "
    "[Cancel]";
constexpr const char* kLatest = "Firmware is the latest version.";
constexpr const char* kServerSilent =
    "The update server did not answer in time, so the firmware could not be checked. Please try "
    "again later.";

TEST_F(UpdateCheckTest, NewerVersionAskedAndAcceptedDownloadsImageAndStartsBurner) {
    publish("13");
    auto c = checker();
    c->setDeviceFirmwareVersionText("12");
    ASSERT_TRUE(c->checkForUpdate());
    EXPECT_EQ(actions_.timerMs, UpdateChecker::kTimeoutMs);
    EXPECT_FALSE(c->checkForUpdate());  // a second click while the check runs does nothing
    waitIdle(*c);
    EXPECT_EQ(texts(), std::vector<std::string>{kQuestion});
    EXPECT_EQ(readText(c->firmwareFile()), "FIRMWARE");
    EXPECT_EQ(actions_.burnerStarts, 1);
    EXPECT_EQ(actions_.timerStops, 1);
    EXPECT_EQ(c->newFirmwareUrl(), server_->url("/fw/TarvoGameDevice.bin"));

    // The description on disk is now newer: the next click asks at once, without downloading.
    const int downloads = downloader_.finished;
    notices_.chineseText = true;
    notices_.reply = false;
    EXPECT_FALSE(c->checkForUpdate());
    EXPECT_EQ(downloader_.finished, downloads);
    EXPECT_EQ(actions_.timerStarts, 1);
    EXPECT_EQ(texts().back(), "游戏鼠标固件有更新,是否更新到最新版本? [Cancel]");
    EXPECT_TRUE(c->idle());

    // Declined, the stored description answers no more: the next click asks the server, whose
    // newer answer counts.
    publish("12");
    ASSERT_TRUE(c->checkForUpdate());
    waitIdle(*c);
    EXPECT_EQ(downloader_.finished, downloads + 1);
    EXPECT_EQ(texts().back(), "固件已经是最新版本.");
    notices_.language = 5;  // any interface language, not only Chinese and English
    publish("12");
    ASSERT_TRUE(c->checkForUpdate());
    waitIdle(*c);
    EXPECT_EQ(texts().back(), "Die Firmware ist auf dem neuesten Stand.");
}

TEST_F(UpdateCheckTest, DeclinedOfferLeavesTheImageAlone) {
    publish("13");
    notices_.reply = false;
    auto c = checker();
    c->setDeviceFirmwareVersionText("12");
    ASSERT_TRUE(c->checkForUpdate());
    waitIdle(*c);
    EXPECT_EQ(texts(), std::vector<std::string>{kQuestion});
    EXPECT_FALSE(std::filesystem::exists(c->firmwareFile()));
    EXPECT_EQ(actions_.burnerStarts, 0);
}

TEST_F(UpdateCheckTest, VersionComparisons) {
    struct Case {
        const char* device;
        const char* current;
        bool offered;
    };
    const Case cases[] = {
        {"12", "12", false},                     // same version
        {"12", "11", false}, {"", "1", true},    // the mouse did not answer: it counts as version 0
        {"", "0", false},    {"12", "", false},  // no "current": version 0
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(std::string(k.device) + " vs " + k.current);
        test::TempDir programDir;
        UpdateChecker c(programDir.path(), server_->url("/software/z408/update.xml"), downloader_,
                        notices_, actions_);
        c.startThread();
        publish(k.current);
        notices_.reply = false;
        c.setDeviceFirmwareVersionText(k.device);
        const size_t before = notices_.shown().size();
        ASSERT_TRUE(c.checkForUpdate());
        waitIdle(c);
        ASSERT_EQ(notices_.shown().size(), before + 1);
        EXPECT_EQ(texts().back(), k.offered ? kQuestion : kLatest);
    }
}

// A description that cannot be fetched or kept says nothing about the firmware: the user hears
// why, never "latest version". Downloads go to the data directory, never the program's folder.
TEST_F(UpdateCheckTest, AFailedDescriptionDownloadOrWriteSaysWhy) {
    struct Case {
        const char* name;
        const char* path;
        bool blockFolder;  // a file where the download folder should be: the write fails
        const char* reason;
    };
    const Case cases[] = {
        {"missing on the server", "/software/z408/missing.xml", false, "404"},
        {"folder not writable", "/software/z408/update.xml", true, "cannot write"},
    };
    publish("13");
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        test::TempDir data;
        if (k.blockFolder) writeText(data / "FWUpdate", "in the way");
        UpdateChecker c(data.path(), server_->url(k.path), downloader_, notices_, actions_);
        c.startThread();
        c.setDeviceFirmwareVersionText("12");
        const size_t before = notices_.shown().size();
        ASSERT_TRUE(c.checkForUpdate());
        waitIdle(c);
        ASSERT_EQ(notices_.shown().size(), before + 1);
        const std::string said = texts().back();
        EXPECT_EQ(said.rfind("Could not check for a firmware update: ", 0), 0u) << said;
        EXPECT_NE(said.find(k.reason), std::string::npos) << said;
        EXPECT_EQ(c.descriptionFile(), data / "FWUpdate/new_version/update.xml");
    }
    EXPECT_EQ(actions_.burnerStarts, 0);
}

TEST_F(UpdateCheckTest, SlowServerTimesOutOnceAndTheLateResultIsDropped) {
    publish("13");
    auto c = checker("/slow/software/z408/update.xml");
    c->setDeviceFirmwareVersionText("12");
    ASSERT_TRUE(c->checkForUpdate());
    waitCount(downloader_.started, 1);
    c->timeoutElapsed();  // the timeout timer fires while the download still runs
    EXPECT_EQ(texts(), std::vector<std::string>{kServerSilent});
    EXPECT_TRUE(c->idle());
    c->timeoutElapsed();  // a stale timer changes nothing
    waitCount(downloader_.finished, 1);
    ASSERT_EQ(downloader_.finished, 1);
    std::this_thread::sleep_for(50ms);  // room for a wrong late notice to show up
    EXPECT_EQ(texts(), std::vector<std::string>{kServerSilent});
    EXPECT_EQ(actions_.timerStops, 0);
    EXPECT_EQ(actions_.burnerStarts, 0);
    EXPECT_TRUE(c->idle());
}

TEST_F(UpdateCheckTest, TimerFiringAfterTheWorkerAnsweredChangesNothing) {
    // The timer fires between the worker taking the answer and its stop reaching the timer.
    struct LateTimer : RecordingActions {
        UpdateChecker* checker = nullptr;
        void stopTimeoutTimer() override {
            RecordingActions::stopTimeoutTimer();
            checker->timeoutElapsed();
        }
    } late;
    publish("12");
    UpdateChecker c(dir_.path(), server_->url("/software/z408/update.xml"), downloader_, notices_,
                    late);
    late.checker = &c;
    c.startThread();
    c.setDeviceFirmwareVersionText("12");
    ASSERT_TRUE(c.checkForUpdate());
    waitCount(downloader_.finished, 1);
    waitIdle(c);
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(texts(), std::vector<std::string>{kLatest});  // one answer, from the worker
    EXPECT_TRUE(c.idle());
}

TEST_F(UpdateCheckTest, TimerBeforeTheWorkerStartsCancelsTheRequest) {
    publish("13");
    auto c = checker();
    c->stopThread();  // the worker is busy elsewhere: the request waits
    c->setDeviceFirmwareVersionText("12");
    ASSERT_TRUE(c->checkForUpdate());
    c->timeoutElapsed();
    c->startThread();
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(downloader_.started, 0);
    EXPECT_EQ(texts(), std::vector<std::string>{kServerSilent});
}

TEST_F(UpdateCheckTest, FailedImageDownloadIsReported) {
    publish("13", "/fw/missing.bin");
    auto c = checker();
    c->setDeviceFirmwareVersionText("12");
    ASSERT_TRUE(c->checkForUpdate());
    waitIdle(*c);
    EXPECT_EQ(texts(),
              (std::vector<std::string>{kQuestion, "New-version firmware download failed."}));
    EXPECT_EQ(actions_.burnerStarts, 0);
}

// Where the description carries the image's checksum, only that image goes to the burner; a
// description without one (older servers) still works.
TEST_F(UpdateCheckTest, TheImageMustMatchTheChecksumOfItsDescription) {
    const std::string image = "FIRMWARE";
    const std::string sum =
        sha256Hex(std::span(reinterpret_cast<const uint8_t*>(image.data()), image.size()));
    std::string upper = sum;
    for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    const struct {
        const char* name;
        std::string element;
        bool burned;
    } cases[] = {
        {"matching", "<sha256>" + sum + "</sha256>", true},
        {"matching, upper case and spaced", "<sha256>\n  " + upper + "\n</sha256>", true},
        {"no checksum", "", true},
        {"another image's", "<sha256>" + std::string(64, 'a') + "</sha256>", false},
        {"not a checksum", "<sha256>xyz</sha256>", false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        test::TempDir dataDir;
        const int burned = actions_.burnerStarts;
        UpdateChecker c(dataDir.path(), server_->url("/software/z408/update.xml"), downloader_,
                        notices_, actions_);
        c.startThread();
        publish("13", "/fw/TarvoGameDevice.bin", k.element);
        notices_.reply = true;
        c.setDeviceFirmwareVersionText("12");
        ASSERT_TRUE(c.checkForUpdate());
        waitIdle(c);
        EXPECT_EQ(actions_.burnerStarts - burned, k.burned ? 1 : 0);
        EXPECT_EQ(std::filesystem::exists(c.firmwareFile()), k.burned);
        if (!k.burned) {
            EXPECT_EQ(texts().back(), "New-version firmware download failed.");
        }
    }
}

TEST(Sha256, KnownDigests) {
    const std::pair<std::string, const char*> cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        // 56 bytes: the length no longer fits the last block
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'),
         "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& [text, digest] : cases)
        EXPECT_EQ(sha256Hex(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())),
                  digest)
            << text.size();
}

// The image comes only from the host that served the description.
TEST_F(UpdateCheckTest, AnImageElsewhereIsNotFetched) {
    writeText(server_->file("software/z408/update.xml"),
              "<update><firmware><current>13</current><newfile>http://localhost:" +
                  server_->url("").substr(server_->url("").rfind(':') + 1) +
                  "/fw/TarvoGameDevice.bin</newfile></firmware></update>");
    auto c = checker();
    c->setDeviceFirmwareVersionText("12");
    ASSERT_TRUE(c->checkForUpdate());
    waitIdle(*c);
    EXPECT_EQ(texts(),
              (std::vector<std::string>{kQuestion, "New-version firmware download failed."}));
    EXPECT_FALSE(std::filesystem::exists(c->firmwareFile()));
    EXPECT_EQ(actions_.burnerStarts, 0);
}

TEST(UpdateCheck, SameHostIsTheServersOwn) {
    const struct {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"http://Update.Example/software/z408/update.xml", "https://update.example:8443/f.bin",
         true},
        {"http://[::1]:80/u.xml", "http://[::1]:81/f.bin", true},
        {"http://update.example/u.xml", "http://update.example.evil/f.bin", false},
        {"http://update.example/u.xml", "http://update.example@evil/f.bin", false},
        {"http://update.example/u.xml", "file:///etc/passwd", false},
        {"http://update.example/u.xml", "ftp://update.example/f.bin", false},
        {"http://update.example/u.xml", "", false},
    };
    for (const auto& c : cases) EXPECT_EQ(sameHttpHost(c.b, c.a), c.same) << c.a << " " << c.b;
}

TEST_F(UpdateCheckTest, StoppingAbandonsADownloadInProgress) {
    publish("13");
    auto c = checker("/slow/software/z408/update.xml");
    ASSERT_TRUE(c->checkForUpdate());
    std::this_thread::sleep_for(50ms);
    c->stopThread();
    EXPECT_TRUE(texts().empty());
    EXPECT_TRUE(c->idle());
}

}  // namespace
}  // namespace z408
