// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Runs inside the qemu guest, as root, with the kernel's uhid, HID core, hidraw, evdev and
// uinput: our real HidrawTransport, DevicePresenceMonitor, z408ctl and the window (z408, with no
// display) against virtual Z408s.
// Prints one line per check and a final "Z408-VM-RESULT: PASS" or "Z408-VM-RESULT: FAIL" that
// the host looks for.
#include <fcntl.h>
#include <fnmatch.h>
#include <libudev.h>
#include <linux/input.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "desktop/evdev_access.h"
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

// Applies the match of data/udev/70-z408.rules (SUBSYSTEM and KERNELS, the keys it uses) to the
// node as udev would: KERNELS walks up from the node to its ancestors.
bool udevRuleMatches(const std::string& devnode) {
    std::ifstream in(Z408_UDEV_RULE);
    std::string line, subsystem, kernels;
    const auto value = [&](const std::string& key) {
        const size_t at = line.find(key + "==\"");
        if (at == std::string::npos) return std::string();
        const size_t from = at + key.size() + 3;
        return line.substr(from, line.find('"', from) - from);
    };
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        subsystem = value("SUBSYSTEM");
        kernels = value("KERNELS");
        if (line.find("TAG+=\"uaccess\"") == std::string::npos) return false;
        break;
    }
    if (subsystem != "hidraw" || kernels.empty()) return false;
    udev* u = udev_new();
    const std::string sysname = devnode.substr(devnode.rfind('/') + 1);
    udev_device* dev = udev_device_new_from_subsystem_sysname(u, "hidraw", sysname.c_str());
    bool match = false;
    for (udev_device* d = dev; d && !match; d = udev_device_get_parent(d)) {
        const char* name = udev_device_get_sysname(d);
        match = name && ::fnmatch(kernels.c_str(), name, 0) == 0;
    }
    if (dev) udev_device_unref(dev);
    udev_unref(u);
    return match;
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
    check(c.size() == 4 && !udevRuleMatches(c[0].devnode) && udevRuleMatches(c[1].devnode) &&
              udevRuleMatches(c[3].devnode),
          "the udev rule matches the mouse's nodes and no others");
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

    // Unplugged during an upload: the interface thread closes the transport while the upload
    // thread writes; the writes then fail, none goes anywhere else, nothing crashes.
    const bool back = mouse.create(config(descriptors::command(7, 32)), error) &&
                      collectEvents(monitor, 1, 5000).size() == 1 && openWhenReady(t, 2) &&
                      t.isOpen();
    check(back, "the mouse is back for an upload", t.lastError());
    std::atomic<int> written{0};
    std::atomic<bool> failed{false};
    std::thread uploader([&] {
        std::array<uint8_t, 33> r{};
        r[0] = 7;
        while (!failed) {
            if (t.writeOutput(r, 1500))
                ++written;
            else
                failed = true;
        }
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    mouse.destroy();
    t.close();
    uploader.join();
    events = collectEvents(monitor, 1, 5000);
    check(failed && written > 0 && !t.isOpen() && events.size() == 1 &&
              events[0].change == PresenceEvent::Change::Removed,
          "removal during writes: the writes fail, the removal is seen",
          std::to_string(written.load()) + " written before");

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
// Starts a program with its output (stdout and stderr) into a pipe; its pid, and the pipe's
// reading end in `outFd`; -1 on failure. `uid` other than 0 runs it as that user; `env` entries
// "NAME=value" are set, "NAME" removed.
pid_t spawnProgram(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                   uid_t uid, int& outFd) {
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
    outFd = fds[0];
    return child;
}

// Runs a program to its end, its output into `output`; returns its exit status or -1.
int runProgram(const std::vector<std::string>& argv, const std::vector<std::string>& env,
               std::string& output, uid_t uid = 0) {
    int fd = -1;
    const pid_t child = spawnProgram(argv, env, uid, fd);
    if (child < 0) return -1;
    char buf[1024];
    ssize_t n;
    output.clear();
    while ((n = ::read(fd, buf, sizeof buf)) > 0) output.append(buf, static_cast<size_t>(n));
    ::close(fd);
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

// One upload with `z408ctl apply ARGS` to the uhid mouse and the same to the simulated mouse: the
// kernel must deliver the model's reports byte for byte, with the protocol's pauses.
void compareUpload(const std::string& ctl, VirtualZ408& mouse, std::vector<std::string> args,
                   const std::string& label) {
    const std::vector<std::string> noSim = {"Z408_SIMULATED_MOUSE", "Z408_SIMULATED_MOUSE_TRACE"};
    args.insert(args.begin(), {ctl, "apply", "--data-dir", "/tmp/z408-data", "--no-pointer"});
    std::string out;
    mouse.clearReports();
    int rc = runProgram(args, noSim, out);
    check(rc == 0 && out.find("applied and saved") != std::string::npos,
          label + ": z408ctl apply uploads through the kernel", rc == 0 ? "" : out);
    const std::vector<ReceivedReport> got = mouse.reports();

    ::unlink("/tmp/z408-sim.trace");
    rc = runProgram(args,
                    {"Z408_SIMULATED_MOUSE=/tmp/z408-sim.state",
                     "Z408_SIMULATED_MOUSE_TRACE=/tmp/z408-sim.trace"},
                    out);
    const std::vector<TraceLine> want = readTrace("/tmp/z408-sim.trace");
    check(rc == 0 && !want.empty(), label + ": the same upload to the simulated mouse",
          rc == 0 ? "" : out);

    bool same = got.size() == want.size();
    for (size_t i = 0; same && i < got.size(); ++i) {
        same = kindLetter(got[i].kind) == want[i].kind &&
               (want[i].kind == 'G' || got[i].data == want[i].bytes);
        if (!same)
            std::printf("#   report %zu: kernel %c %s, model %c %s\n", i, kindLetter(got[i].kind),
                        hexBytes(got[i].data).c_str(), want[i].kind,
                        hexBytes(want[i].bytes).c_str());
    }
    check(same, label + ": the kernel delivered the model's reports, byte for byte and in order",
          std::to_string(got.size()) + " reports, model " + std::to_string(want.size()));
    if (!same) return;

    // The protocol's pauses before each report, from what came before it: 50 ms after every
    // output report and 50 ms more before each report of a run; 50 ms from the LED-colour and
    // DPI-table commands, 100 ms + 50 ms from the key-map and macro commands, to their output.
    const auto pauseBefore = [&](size_t i) -> double {
        const ReceivedReport& prev = got[i - 1];
        const bool prevOutput = prev.kind == ReceivedReport::Kind::Output;
        const bool output = got[i].kind == ReceivedReport::Kind::Output;
        if (prevOutput) return output ? 100.0 : 50.0;
        const uint8_t command = prev.data.size() > 1 ? prev.data[1] : 0;
        if (!output) return command == 0x80 ? 50.0 : 0.0;
        return (command == 0x12 || command == 0x13) ? 150.0 : 50.0;
    };
    bool paced = true;
    std::string worst;
    for (size_t i = 1; i < got.size(); ++i) {
        const double kernelMs = static_cast<double>(got[i].timeUs - got[i - 1].timeUs) / 1000.0;
        const double pauseMs = pauseBefore(i);
        std::printf("#   %c %02X after %5.1f ms (pause %3.0f ms, model %3llu ms)\n", want[i].kind,
                    got[i].data.size() > 1 ? got[i].data[1] : 0, kernelMs, pauseMs,
                    static_cast<unsigned long long>(want[i].ms - want[i - 1].ms));
        // A few ms of timestamp jitter below; nothing like the 1500 ms completion wait above.
        if (kernelMs < pauseMs - 5.0 || kernelMs > pauseMs + 400.0) {
            paced = false;
            char line[96];
            std::snprintf(line, sizeof line, "report %zu: %.1f ms, pause %.0f ms; ", i, kernelMs,
                          pauseMs);
            worst += line;
        }
    }
    check(paced, label + ": the pauses between reports are the protocol's", worst);
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

    compareUpload(ctl, mouse, {}, "default profile");
    std::string pyOut;
    rc = runProgram({"/usr/bin/python3", Z408_MACRO_PROFILE_SCRIPT, "/tmp/z408-data"}, {}, pyOut);
    check(rc == 0, "profile 4 given a macro", pyOut);
    compareUpload(ctl, mouse, {"--profile", "4"}, "profile with a macro");
}

// A program left running: its output (stdout and stderr together) read as it comes.
class Running {
  public:
    // Without a display, so that the source is the program's choice there; `env` as for
    // spawnProgram, on top of that.
    Running(const std::vector<std::string>& argv, uid_t uid = 0,
            std::vector<std::string> env = {}) {
        env.insert(env.begin(), {"DISPLAY", "WAYLAND_DISPLAY"});
        pid_ = spawnProgram(argv, env, uid, fd_);
        if (fd_ >= 0) ::fcntl(fd_, F_SETFL, O_NONBLOCK);
    }
    ~Running() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (fd_ >= 0) ::close(fd_);
    }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

    const std::string& output() {
        char buf[1024];
        ssize_t n;
        while (fd_ >= 0 && (n = ::read(fd_, buf, sizeof buf)) > 0)
            out_.append(buf, static_cast<size_t>(n));
        return out_;
    }
    bool waitForText(const std::string& text, int timeoutMs) {
        return waitFor([&] { return output().find(text) != std::string::npos; }, timeoutMs);
    }
    bool alive() const { return pid_ > 0 && ::waitpid(pid_, nullptr, WNOHANG) == 0; }
    // CPU time used so far, in clock ticks.
    long cpuTicks() const {
        std::ifstream in("/proc/" + std::to_string(pid_) + "/stat");
        std::string stat;
        std::getline(in, stat);
        const size_t name = stat.rfind(')');
        if (name == std::string::npos || name + 2 > stat.size()) return -1;
        std::istringstream fields(stat.substr(name + 2));
        std::string field;
        long utime = 0, stime = 0;
        for (int i = 3; i <= 15 && fields >> field; ++i) {
            if (i == 14) utime = std::stol(field);
            if (i == 15) stime = std::stol(field);
        }
        return utime + stime;
    }
    // Its exit status once it ends by itself within the time; -1 (and interrupted) otherwise.
    int waitExit(int timeoutMs) {
        int status = 0;
        if (!waitFor([&] { return ::waitpid(pid_, &status, WNOHANG) == pid_; }, timeoutMs)) {
            interrupt();
            return -1;
        }
        output();
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // Whether it holds `path` open now.
    bool holdsOpen(const std::string& path) const {
        const std::string dir = "/proc/" + std::to_string(pid_) + "/fd";
        std::error_code ec;
        for (const auto& fd : std::filesystem::directory_iterator(dir, ec)) {
            std::error_code linkError;
            if (std::filesystem::read_symlink(fd.path(), linkError) == path) return true;
        }
        return false;
    }
    // Interrupts it as Ctrl+C would (or with `signal`); its exit status, -1 when it did not end
    // by itself.
    int interrupt(int signal = SIGINT) {
        ::kill(pid_, signal);
        int status = 0;
        bool ended = waitFor([&] { return ::waitpid(pid_, &status, WNOHANG) == pid_; }, 10000);
        output();
        pid_ = -1;
        return ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t pid_ = -1;
    int fd_ = -1;
    std::string out_;
};

// The event node of the input device named `name` that uinput made (no parent but the virtual
// bus); empty when there is none.
std::string uinputNodeNamed(const std::string& name) {
    std::string found;
    udev* u = udev_new();
    udev_enumerate* en = udev_enumerate_new(u);
    udev_enumerate_add_match_subsystem(en, "input");
    udev_enumerate_add_match_sysname(en, "event*");
    udev_enumerate_scan_devices(en);
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(en)) {
        const std::string syspath = udev_list_entry_get_name(entry);
        if (syspath.find("/devices/virtual/input/") == std::string::npos) continue;
        udev_device* dev = udev_device_new_from_syspath(u, syspath.c_str());
        udev_device* input = dev ? udev_device_get_parent(dev) : nullptr;
        const char* n = input ? udev_device_get_sysattr_value(input, "name") : nullptr;
        const char* node = dev ? udev_device_get_devnode(dev) : nullptr;
        if (n && node && name == n) found = node;
        if (dev) udev_device_unref(dev);
    }
    udev_enumerate_unref(en);
    udev_unref(u);
    return found;
}

// Reads input events from a node as they come; keeps keys and relative axes, and counts frames.
class EventReader {
  public:
    explicit EventReader(const std::string& node)
        : fd_(::open(node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
    ~EventReader() {
        if (fd_ >= 0) ::close(fd_);
    }
    EventReader(const EventReader&) = delete;
    EventReader& operator=(const EventReader&) = delete;
    bool ok() const { return fd_ >= 0; }
    void drain() {
        input_event ev{};
        while (fd_ >= 0 && ::read(fd_, &ev, sizeof ev) == static_cast<ssize_t>(sizeof ev)) {
            if (ev.type == EV_SYN && ev.code == SYN_REPORT) ++frames;
            if (ev.type == EV_KEY || ev.type == EV_REL)
                events.push_back({ev.type, ev.code, ev.value});
        }
    }
    struct Ev {
        uint16_t type, code;
        int32_t value;
        bool operator==(const Ev&) const = default;
    };
    std::vector<Ev> events;  // keys and relative axes, in order
    int frames = 0;

  private:
    int fd_;
};

std::string describe(const std::vector<EventReader::Ev>& events) {
    std::string s;
    for (const auto& e : events)
        s += std::to_string(e.type) + ":" + std::to_string(e.code) + "=" + std::to_string(e.value) +
             " ";
    return s;
}

// The printed lines of `z408ctl watch` ("button 0x204", "wheel 0x20a01"), in order.
// The watch's event lines as their kind and code: "button left down (0x201)" is "button 0x201".
std::vector<std::string> watchLines(const std::string& output) {
    std::vector<std::string> lines;
    std::istringstream in(output);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("button ", 0) != 0 && line.rfind("wheel ", 0) != 0) continue;
        const size_t open = line.rfind(" (0x");
        const size_t close = line.rfind(')');
        if (open == std::string::npos || close == std::string::npos || close < open) {
            lines.push_back(line);  // shown as it is, so a changed form is seen in the message
            continue;
        }
        lines.push_back(line.substr(0, line.find(' ')) + " " +
                        line.substr(open + 2, close - open - 2));
    }
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "; ";
    return s;
}

constexpr uint8_t kLeft = 1, kRight = 2, kMiddle = 4, kBack = 8, kForward = 16;

// Clicks (press then release) a button of the virtual pointer, one report each.
bool click(VirtualZ408& pointer, uint8_t button) {
    return pointer.input(descriptors::pointerReport(button)) &&
           pointer.input(descriptors::pointerReport(0));
}

bool makePointer(VirtualZ408& pointer, std::string& error) {
    VirtualZ408::Config c = config(descriptors::mouse());
    c.name = "TARVO Z408 pointer";
    return pointer.create(c, error) &&
           waitFor([] { return desktop::checkEvdevAccess().readableNodes == 1; }, 5000);
}

// Gives `uid` the node and /dev/uinput the way the udev rule's uaccess tag would (an owner here:
// there is no logind in the guest to set the ACL).
void grantAccess(const std::string& node, uid_t uid) {
    if (!node.empty() && ::chown(node.c_str(), uid, 0) != 0)
        std::printf("# chown %s failed\n", node.c_str());
    if (::chown("/dev/uinput", uid, 0) != 0) std::printf("# chown /dev/uinput failed\n");
}

// The watch with an intercepted right button and wheel-down: those never reach the uinput device,
// everything else does, in order and frame by frame; the grabbed node gives others nothing.
void swallowCheck(const std::string& ctl, VirtualZ408& pointer, uid_t uid, const std::string& who) {
    const std::string name = "TARVO Z408 pointer";
    Running watch(
        {ctl, "watch", "--source", "evdev", "--intercept", "0x204", "--intercept", "0x20a00"}, uid);
    const bool started = watch.waitForText("watching (evdev)", 10000);
    std::string clone;
    const bool cloned = waitFor([&] { return !(clone = uinputNodeNamed(name)).empty(); }, 5000);
    check(started && cloned, who + "an intercept grabs the mouse and makes the uinput device",
          watch.output());
    if (!started || !cloned) return;
    const std::string physical = desktop::findMouseEventNodes().empty()
                                     ? std::string()
                                     : desktop::findMouseEventNodes()[0].devnode;
    EventReader passedOn(clone), other(physical);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // the readers are listening
    bool sent = pointer.input(descriptors::pointerReport(0, 5, 0)) && click(pointer, kRight) &&
                click(pointer, kMiddle) && pointer.input(descriptors::pointerReport(0, 0, 0, 1)) &&
                pointer.input(descriptors::pointerReport(0, 0, 0, -1)) &&
                pointer.input(descriptors::pointerReport(0, -3, 2)) && click(pointer, kBack);
    using E = EventReader::Ev;
    const std::vector<E> expected = {{EV_REL, REL_X, 5},      {EV_KEY, BTN_MIDDLE, 1},
                                     {EV_KEY, BTN_MIDDLE, 0}, {EV_REL, REL_WHEEL, 1},
                                     {EV_REL, REL_X, -3},     {EV_REL, REL_Y, 2},
                                     {EV_KEY, BTN_SIDE, 1},   {EV_KEY, BTN_SIDE, 0}};
    std::vector<E> got;
    waitFor(
        [&] {
            passedOn.drain();
            got.clear();
            for (const E& e : passedOn.events)
                if (!(e.type == EV_REL && e.code == REL_WHEEL_HI_RES)) got.push_back(e);
            return got.size() >= expected.size();
        },
        5000);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // anything that should not come
    passedOn.drain();
    got.clear();
    bool hiResDown = false;
    for (const E& e : passedOn.events) {
        if (e.type == EV_REL && e.code == REL_WHEEL_HI_RES)
            hiResDown = hiResDown || e.value < 0;
        else
            got.push_back(e);
    }
    check(sent && got == expected && !hiResDown,
          who +
              "the intercepted button and wheel-down never reach the uinput device, the rest "
              "does in order",
          describe(passedOn.events));
    // One frame a report passed on: motion, middle down, middle up, wheel, motion, back twice.
    check(passedOn.frames == 7, who + "the reports' frames are kept",
          std::to_string(passedOn.frames) + " frames");
    other.drain();
    check(other.ok() && other.events.empty(), who + "other readers of the grabbed node get nothing",
          describe(other.events));
    const std::vector<std::string> want = {"button 0x204", "button 0x207", "wheel 0x20a01",
                                           "wheel 0x20a00", "button 0x1020b"};
    waitFor([&] { return watchLines(watch.output()).size() >= want.size(); }, 5000);
    check(watchLines(watch.output()) == want, who + "the hook still reports every click",
          joined(watchLines(watch.output())));

    // Unplugged while the swallowed button is held: the uinput device goes, the watch stays,
    // quiet; plugged in again it is grabbed again.
    pointer.input(descriptors::pointerReport(kRight));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    pointer.destroy();
    const bool gone = waitFor([&] { return uinputNodeNamed(name).empty(); }, 5000);
    const long ticks = watch.cpuTicks();
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    const long idle = watch.cpuTicks() - ticks;
    check(gone && watch.alive() && idle < 10,
          who + "unplugged mid-grab: the uinput device is destroyed, the watch idles on",
          std::to_string(idle) + " ticks in a second; " + watch.output());
    std::string error;
    VirtualZ408::Config c = config(descriptors::mouse());
    c.name = name;
    const bool replugged = pointer.create(c, error);
    if (uid != 0) {
        // What uaccess does when the node appears.
        waitFor([] { return !desktop::findMouseEventNodes().empty(); }, 5000);
        const auto nodes = desktop::findMouseEventNodes();
        grantAccess(nodes.empty() ? std::string() : nodes[0].devnode, uid);
    }
    std::string again;
    const bool regrabbed =
        replugged && waitFor([&] { return !(again = uinputNodeNamed(name)).empty(); }, 5000);
    check(regrabbed, who + "plugged in again, the mouse is grabbed again", error + watch.output());
    if (regrabbed) {
        EventReader after(again);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        click(pointer, kRight);
        click(pointer, kForward);
        const std::vector<E> forward = {{EV_KEY, BTN_EXTRA, 1}, {EV_KEY, BTN_EXTRA, 0}};
        waitFor(
            [&] {
                after.drain();
                return after.events.size() >= forward.size();
            },
            5000);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        after.drain();
        check(after.events == forward,
              who + "after re-plugging the right button is still swallowed",
              describe(after.events));
        // After the list: the press held at the unplugging, then the two clicks.
        waitFor([&] { return watchLines(watch.output()).size() >= want.size() + 3; }, 5000);
        const auto lines = watchLines(watch.output());
        check(lines.size() == want.size() + 3 && lines[want.size() + 1] == "button 0x204" &&
                  lines[want.size() + 2] == "button 0x2020b",
              who + "and the hook hears the re-plugged mouse", joined(lines));
    }
    const int rc = watch.interrupt();
    check(rc == 0 && uinputNodeNamed(name).empty(),
          who + "interrupted, the watch ends cleanly and its uinput device goes",
          std::to_string(rc));
}

void evdevChecks(const std::string& ctl) {
    VirtualZ408 pointer, command;
    std::string error;
    const bool made =
        makePointer(pointer, error) && command.create(config(descriptors::command(1, 32)), error);
    check(made, "a pointer interface of the mouse has an event node, its command interface none",
          error);
    if (!made) return;

    {
        Running watch({ctl, "watch", "--source", "evdev"});
        const bool started = watch.waitForText("watching (evdev)", 10000);
        check(started && uinputNodeNamed("TARVO Z408 pointer").empty(),
              "without intercepts the watch grabs nothing", watch.output());
        // Left, right, middle, back, forward, then a notch each way, with motion between.
        bool sent = true;
        for (const uint8_t b : {kLeft, kRight, kMiddle, kBack, kForward})
            sent = click(pointer, b) && pointer.input(descriptors::pointerReport(0, 1, 1)) && sent;
        sent = pointer.input(descriptors::pointerReport(0, 0, 0, 1)) &&
               pointer.input(descriptors::pointerReport(0, 0, 0, -1)) && sent;
        const std::vector<std::string> want = {"button 0x201",   "button 0x204",   "button 0x207",
                                               "button 0x1020b", "button 0x2020b", "wheel 0x20a01",
                                               "wheel 0x20a00"};
        waitFor([&] { return watchLines(watch.output()).size() >= want.size(); }, 5000);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        check(sent && watchLines(watch.output()) == want,
              "events of the virtual mouse reach z408ctl watch --source evdev with their codes",
              joined(watchLines(watch.output())));
        check(watch.interrupt() == 0, "the evdev watch ends cleanly on an interrupt");
    }

    // Held when the intercept comes: the grab waits for the release, which reaches everyone.
    {
        const auto found = desktop::findMouseEventNodes();
        const std::string physical = found.empty() ? std::string() : found[0].devnode;
        EventReader other(physical);
        pointer.input(descriptors::pointerReport(kRight));
        Running watch({ctl, "watch", "--source", "evdev", "--intercept", "0x204"});
        const bool started = watch.waitForText("watching (evdev)", 10000);
        pointer.input(descriptors::pointerReport(kRight, 2, 0));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        other.drain();
        const size_t beforeRelease = other.events.size();
        pointer.input(descriptors::pointerReport(0));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        pointer.input(descriptors::pointerReport(0, 3, 0));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        other.drain();
        using E = EventReader::Ev;
        const std::vector<E> seen = other.events;
        check(
            started && beforeRelease == 2 && seen.size() == 3 && seen[2] == E{EV_KEY, BTN_RIGHT, 0},
            "a button held at the intercept: no grab until its release, which others see",
            describe(seen));
        watch.interrupt();
    }

    // Another program holds the node: the watch says who is in the way and goes on.
    {
        const auto found = desktop::findMouseEventNodes();
        const int held =
            found.empty() ? -1 : ::open(found[0].devnode.c_str(), O_RDONLY | O_CLOEXEC);
        const bool grabbed = held >= 0 && ::ioctl(held, EVIOCGRAB, 1) == 0;
        Running watch({ctl, "watch", "--source", "evdev", "--intercept", "0x204"});
        const bool told =
            watch.waitForText("Another program holds the mouse's input device", 10000);
        check(grabbed && told && watch.alive() && uinputNodeNamed("TARVO Z408 pointer").empty(),
              "a node another program holds: the cause is told, nothing is re-emitted",
              watch.output());
        check(watch.interrupt() == 0, "and the watch still ends cleanly");
        if (held >= 0) ::close(held);
    }

    swallowCheck(ctl, pointer, 0, "");

    // A user without access is told the cause and the fix, by the watch and by status.
    const auto nodes = desktop::findMouseEventNodes();
    const std::string node = nodes.empty() ? std::string() : nodes[0].devnode;
    ::chmod(node.c_str(), 0600);
    ::chmod("/dev/uinput", 0600);
    std::string out;
    {
        Running denied({ctl, "watch", "--source", "evdev"}, 65534);
        const int rc = denied.waitExit(10000);
        out = denied.output();
        check(rc == 1 && !node.empty() && out.find(node) != std::string::npos &&
                  out.find("70-z408.rules") != std::string::npos,
              "a user who may not read the node is pointed at the udev rule",
              "exit " + std::to_string(rc) + ", node " + node + ": " + out);
    }
    runProgram({ctl, "status"}, {}, out, 65534);
    check(out.find("input devices readable: 0 of 1") != std::string::npos &&
              out.find("uinput writable: no") != std::string::npos &&
              out.find("/dev/uinput cannot be written (Permission denied)") != std::string::npos,
          "z408ctl status names the input access a user lacks", out);
    // Readable but no uinput: the watch runs, says why nothing is swallowed, and passes all on.
    grantAccess(node, 65534);
    ::chown("/dev/uinput", 0, 0);
    {
        Running watch({ctl, "watch", "--source", "evdev", "--intercept", "0x204"}, 65534);
        const bool started = watch.waitForText("watching (evdev)", 10000);
        check(started &&
                  watch.output().find("/dev/uinput cannot be written") != std::string::npos &&
                  uinputNodeNamed("TARVO Z408 pointer").empty(),
              "without /dev/uinput the watch says so and swallows nothing", watch.output());
        watch.interrupt();
    }
    // With what the rule grants, a user can do all of it.
    grantAccess(node, 65534);
    swallowCheck(ctl, pointer, 65534, "as uid 65534: ");
    ::chown("/dev/uinput", 0, 0);
}

// The counters `z408ctl stats show` prints for the data folder `dataDir`, by their labels; the
// pointer travel in pixels under "pointer travel". Empty when the command failed.
std::map<std::string, long long> savedStatistics(const std::string& ctl, const std::string& dataDir,
                                                 std::string& output) {
    std::map<std::string, long long> values;
    if (runProgram({ctl, "stats", "show", "--data-dir", dataDir}, {}, output) != 0) return values;
    std::istringstream in(output);
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() < 16) continue;
        std::string label = line.substr(0, 15);
        label.erase(label.find_last_not_of(' ') + 1);
        const size_t pixels = line.find(" (");
        const std::string number =
            pixels == std::string::npos ? line.substr(16) : line.substr(pixels + 2);
        char* end = nullptr;
        const long long v = std::strtoll(number.c_str(), &end, 10);
        if (end != number.c_str()) values[label] = v;
    }
    return values;
}

// The window itself, with no display, counting the virtual mouse through the evdev source it
// chooses there: clicks of all five buttons and wheel notches both ways, then motion; SIGTERM
// saves the counters, which z408ctl reads back from the file.
void statisticsCheck(const std::string& ctl) {
    const std::string program = ctl.substr(0, ctl.rfind('/') + 1) + "z408";
    const std::string home = "/tmp/z408-window";
    const std::string dataDir = home + "/data/TARVO/Z408";
    std::filesystem::remove_all(home);
    std::filesystem::create_directories(home + "/run");
    std::filesystem::permissions(home + "/run", std::filesystem::perms::owner_all);

    VirtualZ408 pointer, command;
    std::string error;
    const bool made =
        makePointer(pointer, error) && command.create(config(descriptors::command(1, 32)), error);
    check(made, "a mouse for the window", error);
    if (!made) return;
    const auto nodes = desktop::findMouseEventNodes();
    const std::string node = nodes.empty() ? std::string() : nodes[0].devnode;

    // The seeded file's counters, the baseline: a write command sets the folder up, as the
    // window would at its first start (read commands never do).
    std::string out;
    runProgram({ctl, "profile", "select", "1", "--data-dir", dataDir}, {}, out);
    const auto before = savedStatistics(ctl, dataDir, out);
    check(before.count("left clicks") == 1 && before.count("pointer travel") == 1,
          "z408ctl stats show reads the window's data folder", out);
    if (before.empty()) return;

    Running window({program}, 0,
                   {"QT_QPA_PLATFORM=offscreen", "HOME=" + home, "XDG_DATA_HOME=" + home + "/data",
                    "XDG_CONFIG_HOME=" + home + "/config", "XDG_CACHE_HOME=" + home + "/cache",
                    "XDG_RUNTIME_DIR=" + home + "/run", "Z408_DEBUG=1"});
    // The source reads the node once the mouse is brought up and the hook installed.
    const bool reading = !node.empty() && waitFor([&] { return window.holdsOpen(node); }, 30000);
    check(reading && window.alive(),
          "the window with no display reads the mouse's event node by itself", window.output());
    if (!reading) return;
    // The node is open before the source has read the buttons' state from it; a press in that
    // moment counts as already held, not as a click.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));

    struct Clicks {
        uint8_t button;
        int times;
    };
    // A different number for each, so a counter fed by the wrong button shows.
    const Clicks clicks[] = {{kLeft, 3}, {kRight, 2}, {kMiddle, 4}, {kBack, 5}, {kForward, 1}};
    // At a person's pace: a burst faster than the reader is scheduled overflows the kernel's
    // buffer for the node, which then drops the events (SYN_DROPPED) for every reader alike.
    bool sent = true;
    const auto play = [&](uint8_t buttons, int8_t dx, int8_t dy, int8_t wheel) {
        sent = pointer.input(descriptors::pointerReport(buttons, dx, dy, wheel)) && sent;
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
    };
    for (const Clicks& c : clicks)
        for (int i = 0; i < c.times; ++i) {
            play(c.button, 0, 0, 0);
            play(0, 0, 0, 0);
        }
    for (int i = 0; i < 6; ++i) play(0, 0, 0, 1);
    for (int i = 0; i < 7; ++i) play(0, 0, 0, -1);
    for (int i = 0; i < 20; ++i) play(0, 5, -3, 0);
    // The page samples the travel every 500 ms.
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    const int rc = window.interrupt(SIGTERM);
    check(sent && rc == 0, "SIGTERM ends the window cleanly",
          "exit " + std::to_string(rc) + ": " + window.output());

    const auto after = savedStatistics(ctl, dataDir, out);
    const auto grew = [&](const char* label) {
        const auto b = before.find(label), a = after.find(label);
        return b == before.end() || a == after.end() ? -1 : a->second - b->second;
    };
    // Back and forward are not counted; travel is in the mouse's counts, |dx| + |dy| a report.
    check(grew("left clicks") == 3 && grew("right clicks") == 2 && grew("middle clicks") == 4 &&
              grew("clicks in all") == 9,
          "the saved statistics count each button's clicks through the evdev source", out);
    check(grew("wheel forward") == 6 && grew("wheel backward") == 7 && grew("wheel in all") == 13,
          "and the wheel notches each way", out);
    check(grew("pointer travel") == 160, "and the pointer travel from the mouse's motion", out);
}

}  // namespace
}  // namespace z408::vm

// Usage: z408_vm_guest [PATH_TO_Z408CTL]
int main(int argc, char** argv) {
    using namespace z408::vm;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    // Z408_VM_ONLY=evdev (passed through the kernel's command line) runs one group alone.
    const char* only = std::getenv("z408_vm_only");
    const auto runs = [&](const char* group) {
        return only == nullptr || std::strcmp(only, group) == 0;
    };
    if (runs("hid")) {
        transportChecks();
        reportCountCheck();
        presenceChecks();
        bootloaderChecks();
        if (argc > 1) z408ctlChecks(argv[1]);
    }
    if (runs("evdev") && argc > 1) {
        evdevChecks(argv[1]);
        statisticsCheck(argv[1]);
    }
    std::printf("Z408-VM-RESULT: %s (%d passed, %d failed)\n", failures ? "FAIL" : "PASS", passes,
                failures);
    return failures ? 1 : 0;
}
