// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "virtual_z408.h"

#include <fcntl.h>
#include <linux/uhid.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace z408::vm {

uint64_t monotonicUs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint64_t>(ts.tv_sec) * 1000000u + static_cast<uint64_t>(ts.tv_nsec) / 1000u;
}

VirtualZ408::~VirtualZ408() {
    destroy();
}

bool VirtualZ408::create(const Config& config, std::string& error) {
    destroy();
    config_ = config;
    fd_ = ::open("/dev/uhid", O_RDWR | O_CLOEXEC);
    if (fd_ < 0) {
        error = "cannot open /dev/uhid: " + std::string(std::strerror(errno));
        return false;
    }
    uhid_event ev{};
    ev.type = UHID_CREATE2;
    std::memcpy(ev.u.create2.name, config.name.data(),
                std::min(config.name.size(), sizeof ev.u.create2.name - 1));
    const size_t rd = std::min(config.descriptor.size(), size_t{HID_MAX_DESCRIPTOR_SIZE});
    std::memcpy(ev.u.create2.rd_data, config.descriptor.data(), rd);
    ev.u.create2.rd_size = static_cast<uint16_t>(rd);
    ev.u.create2.bus = 0x03;  // BUS_USB
    ev.u.create2.vendor = config.vendor;
    ev.u.create2.product = config.product;
    ev.u.create2.version = 0x0100;
    if (!send(&ev)) {
        error = "UHID_CREATE2 failed: " + std::string(std::strerror(errno));
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    stopFd_ = ::eventfd(0, EFD_CLOEXEC);
    thread_ = std::thread([this] { serve(); });
    return true;
}

void VirtualZ408::destroy() {
    if (fd_ < 0) return;
    const uint64_t one = 1;
    if (::write(stopFd_, &one, sizeof one) < 0) { /* the thread then ends at close */
    }
    if (thread_.joinable()) thread_.join();
    uhid_event ev{};
    ev.type = UHID_DESTROY;
    send(&ev);
    ::close(fd_);
    ::close(stopFd_);
    fd_ = -1;
    stopFd_ = -1;
}

bool VirtualZ408::input(const std::vector<uint8_t>& report) {
    if (fd_ < 0) return false;
    uhid_event ev{};
    ev.type = UHID_INPUT2;
    const size_t n = std::min(report.size(), size_t{UHID_DATA_MAX});
    std::memcpy(ev.u.input2.data, report.data(), n);
    ev.u.input2.size = static_cast<uint16_t>(n);
    return send(&ev);
}

std::vector<ReceivedReport> VirtualZ408::reports() const {
    std::lock_guard lock(mutex_);
    return reports_;
}

void VirtualZ408::clearReports() {
    std::lock_guard lock(mutex_);
    reports_.clear();
}

bool VirtualZ408::send(const void* event) {
    return ::write(fd_, event, sizeof(uhid_event)) == static_cast<ssize_t>(sizeof(uhid_event));
}

void VirtualZ408::serve() {
    pollfd fds[2] = {{fd_, POLLIN, 0}, {stopFd_, POLLIN, 0}};
    uhid_event ev{};
    for (;;) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (fds[1].revents) return;
        if (!(fds[0].revents & POLLIN)) continue;
        if (::read(fd_, &ev, sizeof ev) <= 0) continue;
        handle(&ev);
    }
}

void VirtualZ408::handle(const void* event) {
    const auto& ev = *static_cast<const uhid_event*>(event);
    const uint64_t now = monotonicUs();
    switch (ev.type) {
        case UHID_OUTPUT: {
            const size_t n = std::min<size_t>(ev.u.output.size, UHID_DATA_MAX);
            std::lock_guard lock(mutex_);
            reports_.push_back({ReceivedReport::Kind::Output,
                                std::vector<uint8_t>(ev.u.output.data, ev.u.output.data + n), now});
            break;
        }
        case UHID_SET_REPORT: {
            const size_t n = std::min<size_t>(ev.u.set_report.size, UHID_DATA_MAX);
            std::vector<uint8_t> data(ev.u.set_report.data, ev.u.set_report.data + n);
            {
                std::lock_guard lock(mutex_);
                versionAsked_ = data.size() > 1 && data[1] == 0x80;
                reports_.push_back({ReceivedReport::Kind::SetFeature, std::move(data), now});
            }
            uhid_event reply{};
            reply.type = UHID_SET_REPORT_REPLY;
            reply.u.set_report_reply.id = ev.u.set_report.id;
            reply.u.set_report_reply.err = 0;
            send(&reply);
            break;
        }
        case UHID_GET_REPORT: {
            uhid_event reply{};
            reply.type = UHID_GET_REPORT_REPLY;
            reply.u.get_report_reply.id = ev.u.get_report.id;
            reply.u.get_report_reply.err = 0;
            reply.u.get_report_reply.size = 33;
            reply.u.get_report_reply.data[0] = ev.u.get_report.rnum;
            {
                std::lock_guard lock(mutex_);
                if (versionAsked_) {
                    reply.u.get_report_reply.data[1] = 0x80;
                    reply.u.get_report_reply.data[2] = config_.firmwareTens;
                    reply.u.get_report_reply.data[3] = config_.firmwareUnits;
                }
                reports_.push_back({ReceivedReport::Kind::GetFeature, {ev.u.get_report.rnum}, now});
            }
            send(&reply);
            break;
        }
        default:
            break;  // start, stop, open, close: nothing to answer
    }
}

namespace descriptors {

std::vector<uint8_t> command(uint8_t id, uint16_t count) {
    const auto lo = static_cast<uint8_t>(count);
    const auto hi = static_cast<uint8_t>(count >> 8);
    return {0x06, 0x01, 0xFF, 0x09, 0x01, 0xA1, 0x01,        // vendor page 0xFF01, application
            0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08,        // bytes
            0x85, 0x04, 0x09, 0x21, 0x95, 0x07, 0xB1, 0x02,  // feature 4: usage 0x21
            0x85, id,   0x09, 0x22, 0x96, lo,   hi,   0xB1, 0x02,  // feature: command value
            0x85, id,   0x09, 0x23, 0x95, 0x20, 0x91, 0x02,        // output: 32 bytes
            0xC0};
}

std::vector<uint8_t> vendorWithoutCommand() {
    return {0x06, 0x01, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00,
            0x75, 0x08, 0x85, 0x04, 0x09, 0x21, 0x95, 0x07, 0xB1, 0x02, 0xC0};
}

std::vector<uint8_t> mouse() {
    return {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09, 0x19,
            0x01, 0x29, 0x05, 0x15, 0x00, 0x25, 0x01, 0x95, 0x05, 0x75, 0x01, 0x81, 0x02,
            0x95, 0x01, 0x75, 0x03, 0x81, 0x01, 0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x09,
            0x38, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x03, 0x81, 0x06, 0xC0, 0xC0};
}

std::vector<uint8_t> pointerReport(uint8_t buttons, int8_t dx, int8_t dy, int8_t wheel) {
    return {buttons, static_cast<uint8_t>(dx), static_cast<uint8_t>(dy),
            static_cast<uint8_t>(wheel)};
}

}  // namespace descriptors

}  // namespace z408::vm
