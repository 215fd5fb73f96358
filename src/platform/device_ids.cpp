// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/device_ids.h"

#include <charconv>
#include <cstdio>

namespace z408 {

namespace {

// A whole field of hexadecimal digits that fits 16 bits.
std::optional<uint16_t> hex16(std::string_view field) {
    if (field.empty() || field.size() > 8) return std::nullopt;
    uint32_t value = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value, 16);
    if (ec != std::errc() || end != field.data() + field.size() || value > 0xFFFF)
        return std::nullopt;
    return static_cast<uint16_t>(value);
}

std::string pathText(const char* bus, uint16_t vendor, uint16_t product, std::string_view sysname) {
    char ids[32];
    std::snprintf(ids, sizeof ids, "#VID_%04X&PID_%04X#", vendor, product);
    return std::string(bus) + ids + std::string(sysname);
}

}  // namespace

std::optional<HidIds> parseHidId(std::string_view text) {
    const size_t a = text.find(':');
    if (a == std::string_view::npos) return std::nullopt;
    const size_t b = text.find(':', a + 1);
    if (b == std::string_view::npos) return std::nullopt;
    const auto bus = hex16(text.substr(0, a));
    const auto vendor = hex16(text.substr(a + 1, b - a - 1));
    const auto product = hex16(text.substr(b + 1));
    if (!bus || !vendor || !product) return std::nullopt;
    return HidIds{*bus, *vendor, *product};
}

std::optional<HidIds> parseUsbProduct(std::string_view text) {
    const size_t a = text.find('/');
    if (a == std::string_view::npos) return std::nullopt;
    const size_t b = text.find('/', a + 1);
    const auto vendor = hex16(text.substr(0, a));
    const auto product =
        hex16(b == std::string_view::npos ? text.substr(a + 1) : text.substr(a + 1, b - a - 1));
    if (!vendor || !product) return std::nullopt;
    HidIds ids{0x03, *vendor, *product, 0};
    if (b != std::string_view::npos) {
        const auto release = hex16(text.substr(b + 1));
        if (!release) return std::nullopt;
        ids.release = *release;
    }
    return ids;
}

std::string hidInterfacePathText(uint16_t vendor, uint16_t product, std::string_view sysname) {
    return pathText("HID", vendor, product, sysname);
}

std::string usbInterfacePathText(uint16_t vendor, uint16_t product, std::string_view sysname) {
    return pathText("USB", vendor, product, sysname);
}

std::string usbHardwareIdText(uint16_t vendor, uint16_t product, uint16_t release) {
    char text[48];
    std::snprintf(text, sizeof text, "USB\\VID_%04X&PID_%04X&REV_%04X", vendor, product, release);
    return text;
}

}  // namespace z408
