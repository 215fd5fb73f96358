// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/hidraw_transport.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>

#include "platform/device_ids.h"
#include "platform/hid_report_descriptor.h"
#include "platform/udev_handles.h"

namespace z408 {

namespace {

using Verdict = HidrawCandidate::Verdict;

std::string hex4(uint16_t v) {
    char s[8];
    std::snprintf(s, sizeof s, "%04X", v);
    return s;
}

std::string errnoText(int err) {
    return std::strerror(err);
}

bool isPermissionError(int err) {
    return err == EACCES || err == EPERM;
}

void closeFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

// How every message names the command feature value: "usage page 0xFF01, usage 0x22".
std::string commandUsageText() {
    char s[48];
    std::snprintf(s, sizeof s, "usage page 0x%04X, usage 0x%02X", unsigned{kCommandUsagePage},
                  unsigned{kCommandUsage});
    return s;
}

// ---- list ----

// One hidraw node as the listing found it, with what its HID parent says of it.
struct ListedInterface {
    std::string devnode;     // /dev/hidrawN
    std::string sysname;     // hidrawN
    std::string name;        // the HID device's name, when it has one
    std::string hidSyspath;  // the HID parent, whose report descriptor sysfs offers too
    std::optional<HidIds> ids;
};

// Every hidraw node udev knows, in its order. False with the reason when udev cannot list them.
bool listHidrawInterfaces(std::vector<ListedInterface>& out, std::string& error) {
    udevh::Udev udev(udev_new());
    udevh::Enumerate en(udev ? udev_enumerate_new(udev.get()) : nullptr);
    if (!en || udev_enumerate_add_match_subsystem(en.get(), "hidraw") < 0 ||
        udev_enumerate_scan_devices(en.get()) < 0) {
        error = "cannot list the HID devices (udev): " + errnoText(errno);
        return false;
    }
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(en.get())) {
        udevh::Device dev(
            udev_device_new_from_syspath(udev.get(), udev_list_entry_get_name(entry)));
        if (!dev) continue;  // gone since the listing
        const char* node = udev_device_get_devnode(dev.get());
        if (!node) continue;
        // The parent belongs to `dev` and is released with it.
        udev_device* hid = udev_device_get_parent_with_subsystem_devtype(dev.get(), "hid", nullptr);
        ListedInterface li;
        li.devnode = node;
        li.sysname = udevh::str(udev_device_get_sysname(dev.get()));
        li.name = udevh::property(hid, "HID_NAME");
        li.hidSyspath = hid ? udevh::str(udev_device_get_syspath(hid)) : std::string();
        li.ids = parseHidId(udevh::property(hid, "HID_ID"));
        out.push_back(std::move(li));
    }
    return true;
}

HidrawCandidate candidateOf(const ListedInterface& li) {
    HidrawCandidate c;
    c.devnode = li.devnode;
    c.name = li.name;
    c.pathText = li.sysname;
    if (li.ids) {
        c.idsKnown = true;
        c.vendor = li.ids->vendor;
        c.product = li.ids->product;
        c.pathText = hidInterfacePathText(c.vendor, c.product, li.sysname);
    }
    return c;
}

// ---- judge ----

// The kernel offers the descriptor in sysfs too, readable without access to the node; it lets
// us tell a user without permission whether the node they cannot open is the mouse's.
std::vector<uint8_t> sysfsDescriptor(const std::string& hidSyspath) {
    if (hidSyspath.empty()) return {};
    std::ifstream in(hidSyspath + "/report_descriptor", std::ios::binary);
    std::vector<uint8_t> bytes;
    char c;
    while (bytes.size() < HID_MAX_DESCRIPTOR_SIZE && in.get(c))
        bytes.push_back(static_cast<uint8_t>(c));
    return bytes;
}

bool ioctlDescriptor(int fd, std::vector<uint8_t>& out, std::string& error) {
    int size = 0;
    if (::ioctl(fd, HIDIOCGRDESCSIZE, &size) < 0) {
        error = "cannot read the report descriptor size: " + errnoText(errno);
        return false;
    }
    if (size < 0 || size > HID_MAX_DESCRIPTOR_SIZE) {
        error = "the kernel reported a descriptor size of " + std::to_string(size);
        return false;
    }
    hidraw_report_descriptor desc{};
    desc.size = static_cast<uint32_t>(size);
    if (::ioctl(fd, HIDIOCGRDESC, &desc) < 0) {
        error = "cannot read the report descriptor: " + errnoText(errno);
        return false;
    }
    out.assign(desc.value, desc.value + desc.size);
    return true;
}

struct CommandValue {
    bool found = false;
    uint8_t reportId = 0;
    uint16_t reportCount = 0;
};

// Judges a descriptor; fills `c.verdict`/`c.reason` when it does not qualify.
CommandValue judgeDescriptor(const std::vector<uint8_t>& bytes, HidrawCandidate& c) {
    const HidDescriptorInfo info = parseHidReportDescriptor(bytes);
    if (!info.ok()) {
        c.verdict = Verdict::BadDescriptor;
        c.reason = "report descriptor not understood at byte " + std::to_string(info.errorOffset) +
                   ": " + info.error;
        return {};
    }
    const HidCapability* cap =
        info.findValue(HidReportType::Feature, kCommandUsagePage, kCommandUsage);
    if (!cap) {
        c.verdict = Verdict::NoCommandValue;
        c.reason = "no feature value of " + commandUsageText();
        return {};
    }
    if (cap->reportCount > kMaxReportCount) {
        c.verdict = Verdict::ReportCountTooLarge;
        c.reason = "its command feature value has a report count of " +
                   std::to_string(cap->reportCount) + "; at most " +
                   std::to_string(kMaxReportCount) + " bytes per feature report are supported";
        return {};
    }
    return {true, cap->reportId, static_cast<uint16_t>(cap->reportCount)};
}

// Whether the interface is the mouse's command interface: its ids first, then its report
// descriptor, read through the node or, when the node is closed to us, through sysfs only to
// explain the refusal. Fills `c.verdict`/`c.reason` when it does not qualify.
CommandValue judgeInterface(const ListedInterface& li, HidrawCandidate& c) {
    if (!c.idsKnown || c.vendor != kMouseVendorId || c.product != kMouseProductId) {
        c.verdict = Verdict::WrongIds;
        c.reason = c.idsKnown
                       ? "ids " + hex4(c.vendor) + ":" + hex4(c.product) + " are not the mouse's " +
                             hex4(kMouseVendorId) + ":" + hex4(kMouseProductId)
                       : "its HID device has no readable ids";
        return {};
    }
    const char* node = li.devnode.c_str();
    int probe = ::open(node, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (probe < 0 && isPermissionError(errno))
        probe = ::open(node, O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (probe < 0) {
        const int err = errno;
        if (isPermissionError(err)) {
            const std::vector<uint8_t> descriptor = sysfsDescriptor(li.hidSyspath);
            const CommandValue v = judgeDescriptor(descriptor, c);
            if (v.found || descriptor.empty()) {
                c.verdict = Verdict::PermissionDenied;
                c.reason = HidrawTransport::permissionAdvice(c.devnode);
            }
        } else {
            c.verdict = Verdict::OpenFailed;
            c.reason = "cannot open " + c.devnode + ": " + errnoText(err);
        }
        return {};
    }
    std::vector<uint8_t> descriptor;
    std::string error;
    const bool read = ioctlDescriptor(probe, descriptor, error);
    ::close(probe);
    if (!read) {
        c.verdict = Verdict::BadDescriptor;
        c.reason = error;
        return {};
    }
    return judgeDescriptor(descriptor, c);
}

// ---- summarise ----

// Why nothing was opened, the most useful thing first: a refusal the user can fix.
std::string failureSummary(const std::vector<HidrawCandidate>& candidates) {
    const auto first = [&](Verdict v) -> const HidrawCandidate* {
        const auto it = std::find_if(candidates.begin(), candidates.end(),
                                     [&](const HidrawCandidate& c) { return c.verdict == v; });
        return it == candidates.end() ? nullptr : &*it;
    };
    if (const auto* c = first(Verdict::PermissionDenied)) return c->reason;
    if (const auto* c = first(Verdict::ReportCountTooLarge))
        return "the mouse at " + c->devnode + " cannot be used: " + c->reason;
    if (const auto* c = first(Verdict::OpenFailed)) return c->reason;
    if (first(Verdict::NoCommandValue) || first(Verdict::BadDescriptor))
        return "the mouse is attached, but none of its HID interfaces offers the command feature "
               "value (" +
               commandUsageText() + ")";
    return "no HID interface with vendor id " + hex4(kMouseVendorId) + " and product id " +
           hex4(kMouseProductId) + " is present";
}

}  // namespace

const char* toString(HidrawCandidate::Verdict verdict) {
    switch (verdict) {
        case Verdict::Taken:
            return "taken";
        case Verdict::NotNeeded:
            return "not needed";
        case Verdict::WrongIds:
            return "other device";
        case Verdict::NoCommandValue:
            return "no command value";
        case Verdict::BadDescriptor:
            return "bad descriptor";
        case Verdict::ReportCountTooLarge:
            return "report count too large";
        case Verdict::PermissionDenied:
            return "permission denied";
        case Verdict::OpenFailed:
            return "open failed";
    }
    return "?";
}

HidrawTransport::~HidrawTransport() {
    close();
}

std::string HidrawTransport::permissionAdvice(const std::string& devnode) {
    const std::string rule(kUdevRuleName);
    return "permission denied on " + devnode + ". The udev rule " + rule +
           " gives the logged-in user access to the mouse: install it with 'sudo cmake --install "
           "<build folder> --prefix /usr' (or copy data/udev/" +
           rule +
           " to /etc/udev/rules.d/), run 'sudo udevadm control --reload-rules && sudo udevadm "
           "trigger', then plug the mouse in again";
}

bool HidrawTransport::open() {
    std::lock_guard lock(mutex_);
    closeLocked();
    candidates_.clear();
    lastError_.clear();
    refusedNode_.clear();
    std::vector<ListedInterface> listed;
    if (!listHidrawInterfaces(listed, lastError_)) return false;
    for (const ListedInterface& li : listed) {
        HidrawCandidate c = candidateOf(li);
        const CommandValue v = judgeInterface(li, c);
        if (v.found && open_) {
            c.verdict = Verdict::NotNeeded;
            c.reason = "offers the command value too; the first such interface was taken";
        } else if (v.found) {
            openLocked(c, v.reportId, v.reportCount);
        }
        candidates_.push_back(std::move(c));
    }
    if (!open_) {
        lastError_ = failureSummary(candidates_);
        // The mouse is there but closed to us: the window tells the fix instead of "not found".
        for (const HidrawCandidate& c : candidates_) {
            if (c.verdict == Verdict::PermissionDenied || c.verdict == Verdict::OpenFailed) {
                refusedNode_ = c.devnode;
                break;
            }
        }
    }
    return open_;
}

bool HidrawTransport::openLocked(HidrawCandidate& c, uint8_t reportId, uint16_t reportCount) {
    readFd_ = ::open(c.devnode.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    const int readErr = errno;
    writeFd_ = ::open(c.devnode.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    const int writeErr = errno;
    if (readFd_ < 0 || writeFd_ < 0) {
        const int err = readFd_ < 0 ? readErr : writeErr;
        closeLocked();
        c.verdict = isPermissionError(err) ? Verdict::PermissionDenied : Verdict::OpenFailed;
        c.reason = c.verdict == Verdict::PermissionDenied
                       ? permissionAdvice(c.devnode)
                       : "cannot open " + c.devnode + ": " + errnoText(err);
        return false;
    }
    open_ = true;
    reportId_ = reportId;
    reportCount_ = reportCount;
    location_ = c.devnode;
    c.verdict = Verdict::Taken;
    c.reason =
        "report id " + std::to_string(reportId_) + ", report count " + std::to_string(reportCount_);
    return true;
}

void HidrawTransport::close() {
    std::lock_guard lock(mutex_);
    closeLocked();
}

void HidrawTransport::closeLocked() {
    closeFd(readFd_);
    closeFd(writeFd_);
    open_ = false;
    location_.clear();
}

// Both feature directions: the mouse must be open and the report exactly report count + 1 long.
bool HidrawTransport::featureReportFits(int fd, size_t size) {
    if (fd < 0) {
        lastError_ = "the mouse is not open";
        return false;
    }
    const size_t length = size_t{reportCount_} + 1;
    if (size != length) {
        lastError_ = "a feature report of " + std::to_string(size) +
                     " bytes does not fit the mouse's " + std::to_string(length);
        return false;
    }
    return true;
}

bool HidrawTransport::sendFeature(std::span<const uint8_t> report) {
    std::lock_guard lock(mutex_);
    if (!featureReportFits(writeFd_, report.size())) return false;
    const size_t length = report.size();
    std::array<uint8_t, kFeatureBufferSize> buffer{};
    std::copy(report.begin(), report.end(), buffer.begin());
    if (::ioctl(writeFd_, HIDIOCSFEATURE(length), buffer.data()) < 0) {
        lastError_ = "sending a feature report failed: " + errnoText(errno);
        return false;
    }
    return true;
}

bool HidrawTransport::readFeature(std::span<uint8_t> report) {
    std::lock_guard lock(mutex_);
    if (!featureReportFits(readFd_, report.size())) return false;
    const size_t length = report.size();
    std::array<uint8_t, kFeatureBufferSize> buffer{};
    buffer[0] = report[0];
    const int n = ::ioctl(readFd_, HIDIOCGFEATURE(length), buffer.data());
    if (n < 0) {
        lastError_ = "reading a feature report failed: " + errnoText(errno);
        return false;
    }
    // Bytes the device did not send stay zero.
    const size_t got = std::min(length, static_cast<size_t>(n));
    std::fill(buffer.begin() + static_cast<std::ptrdiff_t>(got), buffer.end(), uint8_t{0});
    std::copy_n(buffer.begin(), length, report.begin());
    return true;
}

bool HidrawTransport::writeOutput(std::span<const uint8_t, kOutputReportSize> report,
                                  uint32_t completionTimeoutMs) {
    std::lock_guard lock(mutex_);
    if (writeFd_ < 0) {
        lastError_ = "the mouse is not open";
        return false;
    }
    using Ms = std::chrono::milliseconds;
    const auto deadline = std::chrono::steady_clock::now() + Ms(completionTimeoutMs);
    const auto remainingMs = [&] {
        const auto left =
            std::chrono::duration_cast<Ms>(deadline - std::chrono::steady_clock::now()).count();
        return static_cast<int>(std::clamp<long long>(left, 0, 1'000'000));
    };
    pollfd p{writeFd_, POLLOUT, 0};
    for (;;) {
        const ssize_t n = ::write(writeFd_, report.data(), report.size());
        if (n == static_cast<ssize_t>(report.size())) break;
        if (n >= 0) {
            lastError_ = "the kernel took only " + std::to_string(n) + " bytes of an output report";
            return false;
        }
        if (errno == EINTR) continue;
        if (errno != EAGAIN) {
            lastError_ = "writing an output report failed: " + errnoText(errno);
            return false;
        }
        // Not taken yet: wait for room, but no longer than the completion time.
        const int left = remainingMs();
        if (left == 0 || ::poll(&p, 1, left) <= 0) {
            lastError_ = "the mouse did not take an output report within " +
                         std::to_string(completionTimeoutMs) + " ms";
            return false;
        }
    }
    // The report is with the kernel; wait for the node to be writable again, which is when
    // the driver has passed it on, for at most the rest of the time.
    ::poll(&p, 1, remainingMs());
    return true;
}

std::vector<HidrawCandidate> HidrawTransport::candidates() const {
    std::lock_guard lock(mutex_);
    return candidates_;
}

std::vector<std::string> HidrawTransport::describeCandidates() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> lines;
    for (const HidrawCandidate& c : candidates_) {
        std::string line = c.devnode + " (" + c.pathText;
        if (!c.name.empty()) line += ", \"" + c.name + "\"";
        line += "): " + std::string(toString(c.verdict));
        if (!c.reason.empty()) line += " - " + c.reason;
        lines.push_back(std::move(line));
    }
    if (lines.empty()) lines.emplace_back("no hidraw interfaces are present");
    return lines;
}

}  // namespace z408
