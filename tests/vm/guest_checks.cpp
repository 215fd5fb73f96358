// Runs inside the qemu guest, as root, with the kernel's uhid, HID core and hidraw: our real
// HidrawTransport and DevicePresenceMonitor against virtual Z408s. Prints one line per check and
// a final "Z408-VM-RESULT: PASS" or "Z408-VM-RESULT: FAIL" that the host looks for.
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/device_ids.h"
#include "platform/device_presence_monitor.h"
#include "platform/hidraw_transport.h"
#include "virtual_z408.h"

namespace z408::vm {
namespace {

int failures = 0;
int passes = 0;

void check(bool ok, const std::string& what, const std::string& detail = {}) {
    std::printf("%s - %s%s%s\n", ok ? "ok" : "not ok", what.c_str(), detail.empty() ? "" : ": ",
                detail.c_str());
    std::fflush(stdout);
    ok ? ++passes : ++failures;
}

bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
}

// Opens once the kernel has made every node of the devices just created.
bool openWhenReady(HidrawTransport& t, size_t expectedCandidates) {
    return waitFor(
        [&] {
            t.open();
            const std::vector<HidrawCandidate> seen = t.candidates();
            // Until devtmpfs has made the node, opening it fails with ENOENT.
            return seen.size() == expectedCandidates &&
                   std::none_of(seen.begin(), seen.end(), [](const HidrawCandidate& c) {
                       return c.verdict == HidrawCandidate::Verdict::OpenFailed;
                   });
        },
        5000);
}

std::vector<PresenceEvent> collectEvents(DevicePresenceMonitor& m, size_t wanted, int timeoutMs) {
    std::vector<PresenceEvent> all;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (all.size() < wanted) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              end - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0) break;
        pollfd p{m.fd(), POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0) break;
        for (auto& e : m.readEvents()) all.push_back(std::move(e));
    }
    return all;
}

std::string hexBytes(const std::vector<uint8_t>& b, size_t max = 8) {
    std::string s;
    char buf[4];
    for (size_t i = 0; i < b.size() && i < max; ++i) {
        std::snprintf(buf, sizeof buf, "%02X ", b[i]);
        s += buf;
    }
    return s;
}

VirtualZ408::Config config(std::vector<uint8_t> descriptor, uint16_t vendor = kMouseVendorId) {
    VirtualZ408::Config c;
    c.descriptor = std::move(descriptor);
    c.vendor = vendor;
    return c;
}

void transportChecks() {
    // Enumeration order follows the HID devices' creation: a foreign device that has the
    // command value, the mouse's ordinary interface, its vendor interface without the command
    // value, then its command interface.
    VirtualZ408 foreign, pointer, vendor, command;
    std::string error;
    bool made = foreign.create(config(descriptors::command(7, 32), 0x046D), error) &&
                pointer.create(config(descriptors::mouse()), error) &&
                vendor.create(config(descriptors::vendorWithoutCommand()), error) &&
                command.create(config(descriptors::command(7, 32)), error);
    check(made, "four uhid devices created", error);
    if (!made) return;

    HidrawTransport t;
    const bool ready = openWhenReady(t, 4) && t.isOpen();
    check(ready, "open() finds the command interface", t.lastError());
    for (const std::string& line : t.describeCandidates()) std::printf("#   %s\n", line.c_str());
    const auto c = t.candidates();
    using V = HidrawCandidate::Verdict;
    const bool verdicts = c.size() == 4 && c[0].verdict == V::WrongIds &&
                          c[1].verdict == V::NoCommandValue && c[2].verdict == V::NoCommandValue &&
                          c[3].verdict == V::Taken && t.location() == c[3].devnode;
    check(verdicts, "each interface gets its verdict, the last one is taken");
    check(c.size() == 4 && isMousePathText(c[3].pathText), "path text carries the match text",
          c.size() == 4 ? c[3].pathText : "");
    check(t.reportId() == 7 && t.reportCount() == 32, "report id and count from the descriptor",
          std::to_string(t.reportId()) + "/" + std::to_string(t.reportCount()));
    if (!t.isOpen()) return;

    // Firmware version: feature report 0x80, then a feature read.
    std::vector<uint8_t> query(33, 0);
    query[0] = 7;
    query[1] = 0x80;
    const bool sent = t.sendFeature(query);
    std::vector<uint8_t> reply(33, 0xEE);
    reply[0] = 7;
    const bool read = t.readFeature(reply);
    check(sent && read && reply[0] == 7 && reply[1] == 0x80 && reply[2] * 10 + reply[3] == 15,
          "firmware version read through the kernel", hexBytes(reply) + t.lastError());
    auto got = command.reports();
    check(got.size() == 2 && got[0].kind == ReceivedReport::Kind::SetFeature &&
              got[0].data == query && got[1].kind == ReceivedReport::Kind::GetFeature &&
              got[1].data[0] == 7,
          "the mouse saw the 33-byte query and the read", got.empty() ? "" : hexBytes(got[0].data));

    // A feature report of the wrong length never leaves.
    command.clearReports();
    std::vector<uint8_t> shortReport(8, 0);
    shortReport[0] = 7;
    check(!t.sendFeature(shortReport) && command.reports().empty(),
          "a wrong-length feature report is refused before sending", t.lastError());

    // Output reports: bytes as written, and the pauses between them as the kernel delivered
    // them (the key map command's shape: feature, 100 ms, then 50 ms + report + 50 ms twice).
    command.clearReports();
    std::vector<uint8_t> keyMap(33, 0);
    keyMap[0] = 7;
    keyMap[1] = 0x12;
    keyMap[2] = 0x01;
    keyMap[4] = 0x40;
    std::array<uint8_t, 33> piece[2]{};
    for (size_t i = 0; i < 2; ++i) {
        piece[i][0] = 7;
        for (size_t j = 1; j < 33; ++j) piece[i][j] = static_cast<uint8_t>(i * 32 + j);
    }
    const auto sleepMs = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    bool allOk = t.sendFeature(keyMap);
    sleepMs(100);
    for (const auto& p : piece) {
        sleepMs(50);
        const auto before = std::chrono::steady_clock::now();
        allOk = t.writeOutput(p, 1500) && allOk;
        const auto took = std::chrono::steady_clock::now() - before;
        allOk = allOk && took < std::chrono::milliseconds(1500);
        sleepMs(50);
    }
    got = command.reports();
    const bool bytes =
        got.size() == 3 && got[0].data == keyMap && got[1].kind == ReceivedReport::Kind::Output &&
        std::equal(got[1].data.begin(), got[1].data.end(), piece[0].begin(), piece[0].end()) &&
        std::equal(got[2].data.begin(), got[2].data.end(), piece[1].begin(), piece[1].end());
    check(allOk && bytes, "key map bytes arrive in order through the kernel",
          allOk ? "" : t.lastError());
    if (got.size() == 3) {
        const double first = static_cast<double>(got[1].timeUs - got[0].timeUs) / 1000.0;
        const double second = static_cast<double>(got[2].timeUs - got[1].timeUs) / 1000.0;
        char detail[96];
        std::snprintf(detail, sizeof detail, "%.1f ms after the feature, %.1f ms apart", first,
                      second);
        check(first >= 150.0 && second >= 100.0, "pauses survive the kernel", detail);
    }

    // Without access to the nodes the user is told about the udev rule.
    const std::string node = t.location();
    t.close();
    check(!t.isOpen() && !t.writeOutput(piece[0], 1500), "a closed transport refuses to write");
    ::chmod(node.c_str(), 0600);
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
        HidrawTransport u;
        const bool opened = u.open();
        std::string out = u.lastError();
        for (const auto& cand : u.candidates())
            if (cand.devnode == node) out += "\n" + std::string(toString(cand.verdict));
        if (::write(pipeFds[1], out.data(), out.size()) < 0) ::_exit(4);
        ::_exit(opened ? 1 : 0);
    }
    ::close(pipeFds[1]);
    std::string childText;
    char buf[512];
    ssize_t n;
    while ((n = ::read(pipeFds[0], buf, sizeof buf)) > 0)
        childText.append(buf, static_cast<size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    check(WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
              childText.find("70-z408.rules") != std::string::npos &&
              childText.find("permission denied") != std::string::npos,
          "a user without access is pointed at the udev rule", childText);
}

void reportCountCheck() {
    VirtualZ408 big;
    std::string error;
    if (!big.create(config(descriptors::command(9, 300)), error)) {
        check(false, "uhid device with report count 300", error);
        return;
    }
    HidrawTransport t;
    const bool ready = openWhenReady(t, 1);
    const auto seen = t.candidates();
    check(ready && !t.isOpen() && t.lastError().find("300") != std::string::npos &&
              seen.size() == 1 && seen[0].verdict == HidrawCandidate::Verdict::ReportCountTooLarge,
          "report count 300 is refused with a reason", t.lastError());
}

void presenceChecks() {
    DevicePresenceMonitor monitor;
    check(monitor.ok() && monitor.fd() >= 0, "presence monitor started", monitor.error());
    if (!monitor.ok()) return;

    VirtualZ408 mouse, foreign;
    std::string error;
    const bool made = foreign.create(config(descriptors::mouse(), 0x046D), error) &&
                      mouse.create(config(descriptors::command(7, 32)), error);
    check(made, "devices created for the presence checks", error);
    if (!made) return;
    auto events = collectEvents(monitor, 1, 5000);
    check(events.size() == 1 && events[0].change == PresenceEvent::Change::Arrived &&
              isMousePathText(events[0].pathText) && events[0].subsystem == "hidraw",
          "arrival of the mouse is seen, the other device is not",
          events.empty() ? "no event" : events[0].pathText);
    // Nothing else is pending: the foreign device gave no event.
    check(collectEvents(monitor, 1, 300).empty(), "no event for a device of other ids");

    HidrawTransport t;
    bool opened = openWhenReady(t, 2) && t.isOpen();
    check(opened, "the arrived mouse opens", t.lastError());
    const std::string node = t.location();

    mouse.destroy();
    events = collectEvents(monitor, 1, 5000);
    check(events.size() == 1 && events[0].change == PresenceEvent::Change::Removed &&
              isMousePathText(events[0].pathText),
          "removal of the mouse is seen", events.empty() ? "no event" : events[0].pathText);
    std::array<uint8_t, 33> report{};
    report[0] = t.reportId();
    check(!t.writeOutput(report, 1500), "writing to the removed mouse fails", t.lastError());
    t.close();

    const bool again = mouse.create(config(descriptors::command(7, 32)), error);
    events = collectEvents(monitor, 1, 5000);
    check(again && events.size() == 1 && events[0].change == PresenceEvent::Change::Arrived,
          "re-plugging is seen as an arrival");
    opened = openWhenReady(t, 2) && t.isOpen();
    check(opened, "the re-plugged mouse opens", t.lastError());
    foreign.destroy();
    mouse.destroy();
    collectEvents(monitor, 1, 2000);
}

void bootloaderChecks() {
    // qemu attaches its USB tablet (0627:0001) when the host asked for it.
    const bool tablet = usbHardwareIdPresent("VID_0627&PID_0001");
    check(tablet && usbHardwareIdPresent("vid_0627&pid_0001"),
          "a present USB device is found by its hardware id, in any case");
    check(!bootloaderPresent(), "no bootloader when it is absent");
}

}  // namespace
}  // namespace z408::vm

int main() {
    using namespace z408::vm;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    transportChecks();
    reportCountCheck();
    presenceChecks();
    bootloaderChecks();
    std::printf("Z408-VM-RESULT: %s (%d passed, %d failed)\n", failures ? "FAIL" : "PASS", passes,
                failures);
    return failures ? 1 : 0;
}
