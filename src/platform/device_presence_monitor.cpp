// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/device_presence_monitor.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/device_ids.h"

namespace z408 {

namespace {

bool onUsb(udev_device* dev) {
    return udev_device_get_parent_with_subsystem_devtype(dev, "usb", "usb_device") != nullptr;
}

std::string hidrawPathText(udev_device* dev) {
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(dev, "hid", nullptr);
    const auto ids = parseHidId(udevh::property(hid, "HID_ID"));
    if (!ids) return {};
    return hidInterfacePathText(ids->vendor, ids->product,
                                udevh::str(udev_device_get_sysname(dev)));
}

}  // namespace

DevicePresenceMonitor::DevicePresenceMonitor(Source source) : udev_(udev_new()) {
    if (!udev_) {
        error_ = "cannot start udev: " + std::string(std::strerror(errno));
        return;
    }
    if (source == Source::Auto)
        source = ::access("/run/udev/control", F_OK) == 0 ? Source::Udev : Source::Kernel;
    udevh::Monitor monitor(
        udev_monitor_new_from_netlink(udev_.get(), source == Source::Udev ? "udev" : "kernel"));
    if (!monitor ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "hidraw", nullptr) < 0 ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "usb", "usb_device") < 0 ||
        udev_monitor_enable_receiving(monitor.get()) < 0) {
        error_ = "cannot watch device events (udev): " + std::string(std::strerror(errno));
        return;
    }

    // Nodes present before the monitor started still need their path text for their removal.
    udevh::Enumerate en(udev_enumerate_new(udev_.get()));
    if (en && udev_enumerate_add_match_subsystem(en.get(), "hidraw") >= 0 &&
        udev_enumerate_scan_devices(en.get()) >= 0) {
        udev_list_entry* entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(en.get())) {
            const char* syspath = udev_list_entry_get_name(entry);
            udevh::Device dev(udev_device_new_from_syspath(udev_.get(), syspath));
            if (!dev) continue;
            const std::string text = hidrawPathText(dev.get());
            if (!text.empty()) hidrawNodes_[syspath] = {text, onUsb(dev.get())};
        }
    }
    monitor_ = std::move(monitor);
}

int DevicePresenceMonitor::fd() const {
    return monitor_ ? udev_monitor_get_fd(monitor_.get()) : -1;
}

std::string DevicePresenceMonitor::pathTextOf(udev_device* dev, const std::string& subsystem) {
    const std::string syspath = udevh::str(udev_device_get_syspath(dev));
    const std::string action = udevh::str(udev_device_get_action(dev));
    if (subsystem == "hidraw") {
        HidrawNode node;
        if (action == "remove") {
            const auto it = hidrawNodes_.find(syspath);
            if (it == hidrawNodes_.end()) return {};
            node = std::move(it->second);
            hidrawNodes_.erase(it);
        } else {
            node = {hidrawPathText(dev), onUsb(dev)};
            if (!node.pathText.empty()) hidrawNodes_[syspath] = node;
        }
        return node.onUsb ? std::string() : node.pathText;
    }
    // USB devices carry their ids in the event itself, removal included.
    const auto ids = parseUsbProduct(udevh::property(dev, "PRODUCT"));
    if (!ids) return {};
    return usbInterfacePathText(ids->vendor, ids->product,
                                udevh::str(udev_device_get_sysname(dev)));
}

std::vector<PresenceEvent> DevicePresenceMonitor::readEvents() {
    std::vector<PresenceEvent> events;
    if (!monitor_) return events;
    // The descriptor is non-blocking: receiving returns null once the queue is empty.
    while (udevh::Device dev{udev_monitor_receive_device(monitor_.get())}) {
        const std::string action = udevh::str(udev_device_get_action(dev.get()));
        const std::string subsystem = udevh::str(udev_device_get_subsystem(dev.get()));
        if (action != "add" && action != "remove") continue;
        if (subsystem != "hidraw" &&
            !(subsystem == "usb" && udevh::str(udev_device_get_devtype(dev.get())) == "usb_device"))
            continue;
        PresenceEvent e;
        e.change =
            action == "add" ? PresenceEvent::Change::Arrived : PresenceEvent::Change::Removed;
        e.subsystem = subsystem;
        e.pathText = pathTextOf(dev.get(), subsystem);
        e.devnode = udevh::str(udev_device_get_devnode(dev.get()));
        if (isMousePathText(e.pathText)) events.push_back(std::move(e));
    }
    return events;
}

bool usbHardwareIdPresent(std::string_view matchText) {
    udevh::Udev udev(udev_new());
    udevh::Enumerate en(udev ? udev_enumerate_new(udev.get()) : nullptr);
    if (!en || udev_enumerate_add_match_subsystem(en.get(), "usb") < 0 ||
        udev_enumerate_add_match_property(en.get(), "DEVTYPE", "usb_device") < 0 ||
        udev_enumerate_scan_devices(en.get()) < 0)
        return false;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(en.get())) {
        udevh::Device dev(
            udev_device_new_from_syspath(udev.get(), udev_list_entry_get_name(entry)));
        if (!dev) continue;
        const auto ids = parseUsbProduct(udevh::property(dev.get(), "PRODUCT"));
        if (!ids) continue;
        const std::string hardwareId = usbHardwareIdText(ids->vendor, ids->product, ids->release);
        if (containsNoCase(hardwareId, matchText)) return true;
    }
    return false;
}

bool bootloaderPresent() {
    return usbHardwareIdPresent(kBootloaderMatchText);
}

}  // namespace z408
