// Runs inside the qemu guest, as root, with the kernel's uhid, HID core and hidraw: our real
// HidrawTransport and DevicePresenceMonitor against virtual Z408s. Prints one line per check and
// a final "Z408-VM-RESULT: PASS" or "Z408-VM-RESULT: FAIL" that the host looks for.
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
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

// Runs a program, its output (stdout and stderr) into `output`; returns its exit status or -1.
// `uid` other than 0 runs it as that user; `env` entries "NAME=value" are set, "NAME" removed.
int runProgram(const std::vector<std::string>& argv, const std::vector<std::string>& env,
               std::string& output, uid_t uid = 0) {
    int fds[2];
    if (::pipe(fds) != 0) return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(fds[1], 1);
        ::dup2(fds[1], 2);
        ::close(fds[0]);
        ::close(fds[1]);
        for (const std::string& e : env) {
            const size_t eq = e.find('=');
            if (eq == std::string::npos)
                ::unsetenv(e.c_str());
            else
                ::setenv(e.substr(0, eq).c_str(), e.substr(eq + 1).c_str(), 1);
        }
        if (uid != 0 && (::setgid(uid) != 0 || ::setuid(uid) != 0)) ::_exit(126);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    char buf[1024];
    ssize_t n;
    output.clear();
    while ((n = ::read(fds[0], buf, sizeof buf)) > 0) output.append(buf, static_cast<size_t>(n));
    ::close(fds[0]);
    int status = 0;
    if (::waitpid(child, &status, 0) < 0 || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

struct TraceLine {
    uint64_t ms = 0;
    char kind = 0;
    std::vector<uint8_t> bytes;
};

// The simulated mouse's trace: "MS KIND HEX HEX ...".
std::vector<TraceLine> readTrace(const std::string& path) {
    std::vector<TraceLine> lines;
    std::ifstream in(path);
    std::string text;
    while (std::getline(in, text)) {
        std::istringstream fields(text);
        TraceLine t;
        fields >> t.ms >> t.kind;
        std::string hex;
        while (fields >> hex) t.bytes.push_back(static_cast<uint8_t>(std::stoul(hex, nullptr, 16)));
        lines.push_back(std::move(t));
    }
    return lines;
}

char kindLetter(ReceivedReport::Kind k) {
    switch (k) {
        case ReceivedReport::Kind::SetFeature:
            return 'F';
        case ReceivedReport::Kind::GetFeature:
            return 'G';
        case ReceivedReport::Kind::Output:
            return 'O';
    }
    return '?';
}

// z408ctl as a user runs it, with the mouse behind the kernel: status, then apply, whose bytes
// and pauses must match those of the same upload to the simulated mouse (the protocol's model).
void z408ctlChecks(const std::string& ctl) {
    VirtualZ408 pointer, mouse;
    std::string error;
    const bool made = pointer.create(config(descriptors::mouse()), error) &&
                      mouse.create(config(descriptors::command(1, 32)), error);
    check(made, "uhid mouse for z408ctl created", error);
    if (!made) return;
    {
        HidrawTransport t;
        check(openWhenReady(t, 2) && t.isOpen(), "the mouse is ready for z408ctl", t.lastError());
    }
    const std::vector<std::string> noSim = {"Z408_SIMULATED_MOUSE", "Z408_SIMULATED_MOUSE_TRACE"};
    std::string out;
    int rc = runProgram({ctl, "status"}, noSim, out);
    std::printf("%s", out.c_str());
    check(rc == 0 && out.find("firmware version: 15") != std::string::npos &&
              out.find("taken - report id 1, report count 32") != std::string::npos &&
              out.find("no command value") != std::string::npos,
          "z408ctl status finds the mouse, reads its firmware and lists the interfaces");

    rc = runProgram({ctl, "status"}, noSim, out, 65534);
    std::printf("%s", out.c_str());
    check(rc == 1 && out.find("70-z408.rules") != std::string::npos &&
              out.find("udevadm") != std::string::npos,
          "z408ctl status tells a user without access how to install the udev rule");

    mouse.clearReports();
    rc = runProgram({ctl, "apply", "--data-dir", "/tmp/z408-data", "--no-pointer"}, noSim, out);
    check(rc == 0 && out.find("applied and saved") != std::string::npos,
          "z408ctl apply uploads through the kernel", rc == 0 ? "" : out);
    const std::vector<ReceivedReport> got = mouse.reports();

    rc = runProgram({ctl, "apply", "--data-dir", "/tmp/z408-data", "--no-pointer"},
                    {"Z408_SIMULATED_MOUSE=/tmp/z408-sim.state",
                     "Z408_SIMULATED_MOUSE_TRACE=/tmp/z408-sim.trace"},
                    out);
    const std::vector<TraceLine> want = readTrace("/tmp/z408-sim.trace");
    check(rc == 0 && !want.empty(), "the same upload to the simulated mouse", rc == 0 ? "" : out);

    bool same = got.size() == want.size();
    for (size_t i = 0; same && i < got.size(); ++i) {
        same = kindLetter(got[i].kind) == want[i].kind &&
               (want[i].kind == 'G' || got[i].data == want[i].bytes);
        if (!same)
            std::printf("#   report %zu: kernel %c %s, model %c %s\n", i, kindLetter(got[i].kind),
                        hexBytes(got[i].data).c_str(), want[i].kind,
                        hexBytes(want[i].bytes).c_str());
    }
    check(same, "the kernel delivered the model's reports, byte for byte and in order",
          std::to_string(got.size()) + " reports, model " + std::to_string(want.size()));
    if (!same) return;

    // Every protocol pause is a multiple of 50 ms; the model's gaps are those pauses plus its own
    // overhead. The kernel must deliver each report no earlier than the pause allows (a few ms of
    // timestamp jitter aside) and without long extra waits.
    bool paced = true;
    std::string worst;
    for (size_t i = 1; i < got.size(); ++i) {
        const double kernelMs = static_cast<double>(got[i].timeUs - got[i - 1].timeUs) / 1000.0;
        const double modelMs = static_cast<double>(want[i].ms - want[i - 1].ms);
        const double pauseMs = std::floor(modelMs / 50.0) * 50.0;
        std::printf("#   %c %02X after %5.1f ms (pause %3.0f ms, model %3.0f ms)\n", want[i].kind,
                    got[i].data.size() > 1 ? got[i].data[1] : 0, kernelMs, pauseMs, modelMs);
        if (kernelMs < pauseMs - 5.0 || kernelMs > modelMs + 250.0) {
            paced = false;
            char line[96];
            std::snprintf(line, sizeof line, "report %zu: %.1f ms, pause %.0f ms; ", i, kernelMs,
                          pauseMs);
            worst += line;
        }
    }
    check(paced, "the pauses between reports are the model's", worst);
}

}  // namespace
}  // namespace z408::vm

// Usage: z408_vm_guest [PATH_TO_Z408CTL]
int main(int argc, char** argv) {
    using namespace z408::vm;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    transportChecks();
    reportCountCheck();
    presenceChecks();
    bootloaderChecks();
    if (argc > 1) z408ctlChecks(argv[1]);
    std::printf("Z408-VM-RESULT: %s (%d passed, %d failed)\n", failures ? "FAIL" : "PASS", passes,
                failures);
    return failures ? 1 : 0;
}
