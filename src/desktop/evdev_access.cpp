// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/evdev_access.h"

#include <fcntl.h>
#include <unistd.h>

#include <linux/input-event-codes.h>

#include <cerrno>
#include <cstring>

#include "common/program_texts.h"
#include "common/text.h"
#include "platform/device_ids.h"
#include "platform/udev_handles.h"

namespace z408::desktop {
namespace {

std::string reason(int err) {
    return err != 0 ? std::string(std::strerror(err)) : std::string();
}

bool isMouseHid(udev_device* dev) {
    // Every bus the mouse may come over (USB, and uhid in tests): the HID device names the ids.
    for (udev_device* p = dev; p != nullptr; p = udev_device_get_parent(p)) {
        if (udevh::str(udev_device_get_subsystem(p)) != "hid") continue;
        const auto ids = parseHidId(udevh::property(p, "HID_ID"));
        return ids && ids->vendor == kMouseVendorId && ids->product == kMouseProductId;
    }
    return false;
}

bool isPointer(udev_device* dev) {
    udev_device* input = udev_device_get_parent_with_subsystem_devtype(dev, "input", nullptr);
    return capabilityHasBit(udevh::attribute(input, "capabilities/rel"), REL_X) ||
           capabilityHasBit(udevh::attribute(input, "capabilities/key"), BTN_LEFT);
}

}  // namespace

bool capabilityHasBit(std::string_view bitmap, unsigned bit, unsigned wordBits) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < bitmap.size()) {
        while (i < bitmap.size() && (bitmap[i] == ' ' || bitmap[i] == '\n')) ++i;
        const size_t start = i;
        while (i < bitmap.size() && bitmap[i] != ' ' && bitmap[i] != '\n') ++i;
        if (i > start) words.push_back(bitmap.substr(start, i - start));
    }
    const size_t index = bit / wordBits;  // counted from the last word
    if (index >= words.size()) return false;
    const std::string_view word = words[words.size() - 1 - index];
    const unsigned inWord = bit % wordBits;
    // One hexadecimal digit holds four bits, the last digit the lowest.
    const size_t digitFromEnd = inWord / 4;
    if (digitFromEnd >= word.size()) return false;
    const char c = word[word.size() - 1 - digitFromEnd];
    unsigned v = 0;
    if (c >= '0' && c <= '9')
        v = static_cast<unsigned>(c - '0');
    else if (c >= 'a' && c <= 'f')
        v = static_cast<unsigned>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F')
        v = static_cast<unsigned>(c - 'A' + 10);
    else
        return false;
    return (v >> (inWord % 4)) & 1u;
}

std::string EvdevProblem::text(int32_t languageId) const {
    const auto fmt = [&](ProgramText t) { return programText(t, languageId); };
    const std::string why = reason(error);
    switch (issue) {
        case EvdevIssue::None:
            return {};
        case EvdevIssue::NoMouseNode:
            return std::string(fmt(ProgramText::EvdevNoMouseNode));
        case EvdevIssue::NodeNotReadable:
            return formatText(fmt(ProgramText::EvdevNodeNotReadable), {path, why});
        case EvdevIssue::NoUinput:
            return formatText(fmt(ProgramText::EvdevNoUinput), {path});
        case EvdevIssue::UinputNotWritable:
            return formatText(fmt(ProgramText::EvdevUinputNotWritable), {path, why});
        case EvdevIssue::UinputFailed:
            return formatText(fmt(ProgramText::EvdevUinputFailed), {path, why});
        case EvdevIssue::GrabBusy:
            return formatText(fmt(ProgramText::EvdevGrabBusy), {path});
        case EvdevIssue::GrabFailed:
            return formatText(fmt(ProgramText::EvdevGrabFailed), {path, why});
        case EvdevIssue::WatchFailed:
            return formatText(fmt(ProgramText::EvdevWatchFailed), {why});
    }
    return {};
}

EvdevProblem nodeOpenProblem(std::string_view path, int err) {
    // A node that vanished between finding and opening went with its mouse.
    if (err == ENOENT || err == ENODEV || err == ENXIO) return {EvdevIssue::NoMouseNode, {}, err};
    return {EvdevIssue::NodeNotReadable, std::string(path), err};
}

EvdevProblem uinputOpenProblem(std::string_view path, int err) {
    if (err == ENOENT || err == ENODEV || err == ENXIO)
        return {EvdevIssue::NoUinput, std::string(path), err};
    if (err == EACCES || err == EPERM || err == EROFS)
        return {EvdevIssue::UinputNotWritable, std::string(path), err};
    return {EvdevIssue::UinputFailed, std::string(path), err};
}

EvdevProblem grabProblem(std::string_view path, int err) {
    if (err == EBUSY) return {EvdevIssue::GrabBusy, std::string(path), err};
    return {EvdevIssue::GrabFailed, std::string(path), err};
}

EvdevProblem watchProblem(int err) {
    return {EvdevIssue::WatchFailed, {}, err != 0 ? err : EIO};
}

std::vector<EvdevNode> findMouseEventNodes() {
    std::vector<EvdevNode> nodes;
    udevh::Udev udev(udev_new());
    if (!udev) return nodes;
    udevh::Enumerate en(udev_enumerate_new(udev.get()));
    if (!en) return nodes;
    udev_enumerate_add_match_subsystem(en.get(), "input");
    udev_enumerate_add_match_sysname(en.get(), "event*");
    udev_enumerate_scan_devices(en.get());
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(en.get())) {
        udevh::Device dev(
            udev_device_new_from_syspath(udev.get(), udev_list_entry_get_name(entry)));
        if (!dev || !isMouseEventDevice(dev.get())) continue;
        nodes.push_back(eventNodeOf(dev.get()));
    }
    return nodes;
}

bool isMouseEventDevice(udev_device* dev) {
    const char* devnode = udev_device_get_devnode(dev);
    const std::string sysname = udevh::str(udev_device_get_sysname(dev));
    return devnode != nullptr && sysname.rfind("event", 0) == 0 && isMouseHid(dev) &&
           isPointer(dev);
}

EvdevNode eventNodeOf(udev_device* dev) {
    udev_device* input = udev_device_get_parent_with_subsystem_devtype(dev, "input", nullptr);
    return {udevh::str(udev_device_get_devnode(dev)), udevh::str(udev_device_get_syspath(dev)),
            udevh::attribute(input, "name")};
}

EvdevAccess checkEvdevAccess(std::string_view uinputPath) {
    EvdevAccess access;
    access.nodes = findMouseEventNodes();
    if (access.nodes.empty()) access.problems.push_back({EvdevIssue::NoMouseNode, {}, 0});
    for (const EvdevNode& node : access.nodes) {
        const int fd = ::open(node.devnode.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            ::close(fd);
            ++access.readableNodes;
        } else {
            access.problems.push_back(nodeOpenProblem(node.devnode, errno));
        }
    }
    const std::string uinput(uinputPath);
    const int fd = ::open(uinput.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        access.uinputWritable = true;
    } else {
        access.problems.push_back(uinputOpenProblem(uinput, errno));
    }
    return access;
}

}  // namespace z408::desktop
