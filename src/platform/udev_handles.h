// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Owning handles for libudev objects, and property/attribute reads that never return null.
#include <libudev.h>

#include <memory>
#include <string>

namespace z408::udevh {

struct UdevUnref {
    void operator()(udev* p) const { udev_unref(p); }
};
struct EnumerateUnref {
    void operator()(udev_enumerate* p) const { udev_enumerate_unref(p); }
};
struct DeviceUnref {
    void operator()(udev_device* p) const { udev_device_unref(p); }
};
struct MonitorUnref {
    void operator()(udev_monitor* p) const { udev_monitor_unref(p); }
};
using Udev = std::unique_ptr<udev, UdevUnref>;
using Enumerate = std::unique_ptr<udev_enumerate, EnumerateUnref>;
using Device = std::unique_ptr<udev_device, DeviceUnref>;
using Monitor = std::unique_ptr<udev_monitor, MonitorUnref>;

inline std::string str(const char* s) {
    return s ? std::string(s) : std::string();
}
inline std::string property(udev_device* d, const char* key) {
    return d ? str(udev_device_get_property_value(d, key)) : std::string();
}
inline std::string attribute(udev_device* d, const char* key) {
    return d ? str(udev_device_get_sysattr_value(d, key)) : std::string();
}

}  // namespace z408::udevh
