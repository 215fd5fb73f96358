// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include "platform/device_ids.h"

namespace z408 {
namespace {

TEST(DeviceIds, HidIdPropertyIsParsedStrictly) {
    struct Case {
        const char* text;
        bool ok;
        uint16_t bus, vendor, product;
    } cases[] = {
        {"0003:00003F1C:00007A52", true, 0x03, 0x3F1C, 0x7A52},
        {"0005:0000046d:0000b023", true, 0x05, 0x046D, 0xB023},
        {"0003:00013F1C:00007A52", false, 0, 0, 0},  // vendor beyond 16 bits
        {"0003:3F1C", false, 0, 0, 0},
        {"0003::7A52", false, 0, 0, 0},
        {"0003:3F1C:7A52x", false, 0, 0, 0},
        {"0003:-3F1C:7A52", false, 0, 0, 0},
        {"0003:000000003F1C:7A52", false, 0, 0, 0},  // longer than the kernel ever writes
        {"", false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto ids = parseHidId(c.text);
        ASSERT_EQ(ids.has_value(), c.ok);
        if (!ids) continue;
        EXPECT_EQ(ids->bus, c.bus);
        EXPECT_EQ(ids->vendor, c.vendor);
        EXPECT_EQ(ids->product, c.product);
    }
}

TEST(DeviceIds, UsbProductPropertyGivesIdsAndRelease) {
    const auto ids = parseUsbProduct("4d9/8022/110");
    ASSERT_TRUE(ids);
    EXPECT_EQ(ids->vendor, 0x04D9);
    EXPECT_EQ(ids->product, 0x8022);
    EXPECT_EQ(ids->release, 0x0110);
    EXPECT_EQ(usbHardwareIdText(ids->vendor, ids->product, ids->release),
              "USB\\VID_04D9&PID_8022&REV_0110");
    EXPECT_TRUE(parseUsbProduct("3f1c/7a52"));
    EXPECT_FALSE(parseUsbProduct("3f1c"));
    EXPECT_FALSE(parseUsbProduct("3f1c/7a52/zz"));
    EXPECT_FALSE(parseUsbProduct("/7a52/1"));
}

TEST(DeviceIds, MatchTextsAreFoundInAnyCaseAndOnlyForTheirIds) {
    EXPECT_TRUE(isMousePathText(hidInterfacePathText(0x3F1C, 0x7A52, "hidraw3")));
    EXPECT_TRUE(isMousePathText(usbInterfacePathText(0x3F1C, 0x7A52, "1-2")));
    EXPECT_TRUE(isMousePathText("\\\\?\\hid#vid_3f1c&pid_7a52&mi_01#7&1a2b#{4d1e55b2}"));
    EXPECT_FALSE(isMousePathText(hidInterfacePathText(0x3F1C, 0x7A53, "hidraw3")));
    EXPECT_FALSE(isMousePathText(usbInterfacePathText(0x0781, 0x5567, "2-1")));  // a flash drive
    EXPECT_FALSE(isMousePathText("VID_3F1C"));
    EXPECT_TRUE(isMousePathText("usb\\vid_3f1c&pid_7a52\\6&1"));
    EXPECT_TRUE(isMousePathText("HID\\VID_3F1C&PID_7A52&MI_01"));
    EXPECT_FALSE(isMousePathText("USB\\VID_0781&PID_5567"));
    EXPECT_TRUE(containsNoCase(usbHardwareIdText(0x04D9, 0x8022, 0x0100), "vid_04d9&pid_8022"));
    EXPECT_FALSE(containsNoCase(usbHardwareIdText(0x04D9, 0x8023, 0x0100), kBootloaderMatchText));
}

}  // namespace
}  // namespace z408
