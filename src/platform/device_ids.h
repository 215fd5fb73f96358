// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// How the mouse and its bootloader are recognised: their USB ids, the path and hardware-id texts
// built from a device's ids, and the case-insensitive match on them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/text.h"

namespace z408 {

inline constexpr uint16_t kMouseVendorId = 0x3F1C;
inline constexpr uint16_t kMouseProductId = 0x7A52;
inline constexpr uint16_t kCommandUsagePage = 0xFF01;
inline constexpr uint16_t kCommandUsage = 0x22;
inline constexpr std::string_view kMouseMatchText = "VID_3F1C&PID_7A52";
inline constexpr std::string_view kBootloaderMatchText = "VID_04D9&PID_8022";
inline constexpr std::string_view kUdevRuleName = "70-z408.rules";

struct HidIds {
    uint16_t bus = 0;
    uint16_t vendor = 0;
    uint16_t product = 0;
    uint16_t release = 0;  // USB devices only (bcdDevice)
};

// The HID_ID property of a hid device, "0003:00003F1C:00007A52"; nullopt unless well formed.
std::optional<HidIds> parseHidId(std::string_view text);
// The PRODUCT property of a USB device, "3f1c/7a52/100" (vendor/product/release, hexadecimal).
std::optional<HidIds> parseUsbProduct(std::string_view text);

// "HID#VID_3F1C&PID_7A52#hidraw3": a device-interface path text for a hidraw node.
std::string hidInterfacePathText(uint16_t vendor, uint16_t product, std::string_view sysname);
// "USB#VID_3F1C&PID_7A52#1-2": a device-interface path text for a USB device.
std::string usbInterfacePathText(uint16_t vendor, uint16_t product, std::string_view sysname);
// "USB\VID_04D9&PID_8022&REV_0100": the hardware id text of a USB device.
std::string usbHardwareIdText(uint16_t vendor, uint16_t product, uint16_t release);

inline bool isMousePathText(std::string_view pathText) {
    return containsNoCase(pathText, kMouseMatchText);
}

}  // namespace z408
