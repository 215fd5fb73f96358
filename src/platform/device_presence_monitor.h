// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Arrival and removal of the mouse, from udev's device events. The monitor owns a non-blocking
// descriptor that becomes readable when events wait, so an event loop (a QSocketNotifier, poll)
// can watch it and call readEvents().
#include <map>
#include <string>
#include <vector>

#include "platform/udev_handles.h"

namespace z408 {

struct PresenceEvent {
    enum class Change { Arrived, Removed };
    Change change = Change::Arrived;
    std::string subsystem;  // "hidraw" or "usb"
    std::string pathText;   // "HID#VID_3F1C&PID_7A52#hidraw3", "USB#VID_3F1C&PID_7A52#1-2"
    std::string devnode;    // /dev/hidraw3, when known
};

class DevicePresenceMonitor {
  public:
    enum class Source {
        Auto,    // udev's processed events when udevd runs, the kernel's otherwise
        Udev,    // after udevd has applied its rules (node permissions in place)
        Kernel,  // straight from the kernel, for systems without udevd
    };
    explicit DevicePresenceMonitor(Source source = Source::Auto);
    DevicePresenceMonitor(const DevicePresenceMonitor&) = delete;
    DevicePresenceMonitor& operator=(const DevicePresenceMonitor&) = delete;

    bool ok() const { return monitor_ != nullptr; }
    const std::string& error() const { return error_; }
    // Readable when events are waiting; -1 when the monitor could not be set up.
    int fd() const;
    // Takes every waiting event and returns those of the mouse, oldest first. Never blocks.
    // A USB mouse is reported once, by its USB device, not once more per HID interface; hidraw
    // nodes are reported for mice on other buses (Bluetooth, uhid).
    std::vector<PresenceEvent> readEvents();

  private:
    // The path text of an event's device; empty when it is not to be reported.
    std::string pathTextOf(udev_device* dev, const std::string& subsystem);

    udevh::Udev udev_;
    udevh::Monitor monitor_;
    std::string error_;
    struct HidrawNode {
        std::string pathText;
        bool onUsb = false;  // reported through its USB device instead
    };
    // Present hidraw nodes by syspath: a removed node's parents, which carry the ids and the
    // bus, are gone by the time its removal is read.
    std::map<std::string, HidrawNode> hidrawNodes_;
};

// True when a present USB device's hardware id text contains `matchText`, in any case.
bool usbHardwareIdPresent(std::string_view matchText);
// The bootloader test: is the mouse waiting for new firmware?
bool bootloaderPresent();

}  // namespace z408
