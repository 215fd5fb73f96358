// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The X server's pointer devices and their properties (XInput 2): where a pointer driver keeps
// the settings it honours, such as the libinput driver's acceleration profile and speed. Behind
// an interface so that tests can stand in for devices that a virtual X server does not have.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace z408::desktop {

class PointerDevices {
  public:
    struct Device {
        int id = 0;
        std::string name;
    };
    virtual ~PointerDevices() = default;
    // The physical (slave) pointer devices, XTest's virtual ones left out.
    virtual std::vector<Device> pointers() = 0;
    // A property of 8, 16 or 32-bit integers; nullopt when the device has no such property.
    virtual std::optional<std::vector<int32_t>> integers(int device, const std::string& name) = 0;
    // A property of 32-bit floats (type FLOAT); nullopt when the device has no such property.
    virtual std::optional<std::vector<float>> floats(int device, const std::string& name) = 0;
    // Replace an existing property's values, in its own format and type; false when refused.
    virtual bool setIntegers(int device, const std::string& name,
                             const std::vector<int32_t>& values) = 0;
    virtual bool setFloats(int device, const std::string& name,
                           const std::vector<float>& values) = 0;
};

// The devices of the X server named by DISPLAY; nullptr without one or without XInput 2.
std::unique_ptr<PointerDevices> openX11PointerDevices();

}  // namespace z408::desktop
