// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <vector>

#include "platform/hid_report_descriptor.h"

namespace z408 {
namespace {

using Bytes = std::vector<uint8_t>;
using T = HidReportType;

// A five-button mouse with 16-bit motion, a wheel and horizontal pan, under report id 1.
const Bytes kMouse = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x85, 0x01, 0x09, 0x01, 0xA1, 0x00,  //
    0x05, 0x09, 0x19, 0x01, 0x29, 0x05, 0x15, 0x00, 0x25, 0x01, 0x95, 0x05,  // buttons 1-5
    0x75, 0x01, 0x81, 0x02, 0x95, 0x01, 0x75, 0x03, 0x81, 0x01,              // 3 bits padding
    0x05, 0x01, 0x16, 0x01, 0x80, 0x26, 0xFF, 0x7F, 0x75, 0x10, 0x95, 0x02,  //
    0x09, 0x30, 0x09, 0x31, 0x81, 0x06,                                      // X, Y
    0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x01, 0x09, 0x38, 0x81, 0x06,  // wheel
    0x05, 0x0C, 0x0A, 0x38, 0x02, 0x95, 0x01, 0x81, 0x06,                    // AC Pan
    0xC0, 0xC0};

// The boot keyboard: modifier bits, a reserved byte, LED outputs, a six-key array.
const Bytes kKeyboard = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15, 0x00, 0x25, 0x01,
    0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0x95, 0x01, 0x75, 0x08, 0x81, 0x01, 0x95, 0x05, 0x75, 0x01,
    0x05, 0x08, 0x19, 0x01, 0x29, 0x05, 0x91, 0x02, 0x95, 0x01, 0x75, 0x03, 0x91, 0x01, 0x95, 0x06,
    0x75, 0x08, 0x15, 0x00, 0x25, 0x65, 0x05, 0x07, 0x19, 0x00, 0x29, 0x65, 0x81, 0x00, 0xC0};

// A vendor-defined interface of the kind the mouse has: several report ids, the command value
// (page 0xFF01, usage 0x22) second among the features, one usage given in extended form.
const Bytes kVendor = {0x06, 0x01, 0xFF, 0x09, 0x01, 0xA1, 0x01,        //
                       0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08,        //
                       0x85, 0x04, 0x09, 0x21, 0x95, 0x03, 0xB1, 0x02,  // feature 4: 0x21 x3
                       0x85, 0x05, 0x09, 0x22, 0x95, 0x20, 0xB1, 0x02,  // feature 5: 0x22 x32
                       0x85, 0x05, 0x09, 0x23, 0x95, 0x20, 0x91, 0x02,  // output 5: 0x23 x32
                       0x85, 0x07, 0x05, 0x01, 0x0B, 0x24, 0x00, 0x01,
                       0xFF, 0x95, 0x08,   // input 7: FF01:24 x8,
                       0x81, 0x02, 0xC0};  // page 1 in force

// Usage ranges and push/pop, as digitizers write them.
const Bytes kRangesPushPop = {
    0x05, 0x0D, 0x09, 0x04, 0xA1, 0x01, 0x85, 0x01, 0x09, 0x22, 0xA1, 0x02,  //
    0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x01,                          //
    0xA4,                                                                    // push
    0x05, 0x01, 0x26, 0xFF, 0x0F, 0x75, 0x10, 0x55, 0x0E, 0x65, 0x11,        //
    0x09, 0x30, 0x35, 0x00, 0x46, 0xB5, 0x04, 0x81, 0x02,                    // X, 16 bits
    0xB4,                                                                    // pop
    0x09, 0x42, 0x81, 0x02,                                                  // tip: page 0x0D again
    0x95, 0x07, 0x81, 0x03, 0xC0,                                            // padding
    0x06, 0x00, 0xFF, 0x19, 0x10, 0x29, 0x13, 0x75, 0x08, 0x95, 0x04,        //
    0x26, 0xFF, 0x00, 0xB1, 0x02,                                            // values 0x10-0x13
    0x19, 0x01, 0x29, 0x02, 0x95, 0x04, 0xB1, 0x02,                          // range 1-2, 4 fields
    0x09, 0x30, 0x09, 0x31, 0x95, 0x03, 0xB1, 0x02,                          // 0x30 x1, 0x31 x2
    0xC0};

TEST(HidReportDescriptor, MouseGivesButtonsAndValuesWithOffsets) {
    const HidDescriptorInfo info = parseHidReportDescriptor(kMouse);
    ASSERT_TRUE(info.ok()) << info.error;
    EXPECT_TRUE(info.usesReportIds);
    ASSERT_EQ(info.capabilities.size(), 5u);  // padding gives none

    const HidCapability& buttons = info.capabilities[0];
    EXPECT_TRUE(buttons.isButton);
    EXPECT_TRUE(buttons.isRange);
    EXPECT_EQ(buttons.usagePage, 0x09);
    EXPECT_EQ(buttons.usageMin, 1);
    EXPECT_EQ(buttons.usageMax, 5);
    EXPECT_EQ(buttons.reportCount, 5u);

    const auto values = info.valueCaps(T::Input);
    ASSERT_EQ(values.size(), 4u);
    struct Expect {
        uint16_t page, usage;
        uint32_t size;
        uint64_t offset;
        int64_t min, max;
    } expected[] = {{0x01, 0x30, 16, 8, -32767, 32767},
                    {0x01, 0x31, 16, 24, -32767, 32767},
                    {0x01, 0x38, 8, 40, -127, 127},
                    {0x0C, 0x238, 8, 48, -127, 127}};
    for (size_t i = 0; i < values.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(values[i].usagePage, expected[i].page);
        EXPECT_EQ(values[i].usageMin, expected[i].usage);
        EXPECT_EQ(values[i].reportSize, expected[i].size);
        EXPECT_EQ(values[i].reportCount, 1u);
        EXPECT_EQ(values[i].bitOffset, expected[i].offset);
        EXPECT_EQ(values[i].logicalMin, expected[i].min);
        EXPECT_EQ(values[i].logicalMax, expected[i].max);
        EXPECT_EQ(values[i].reportId, 1);
        EXPECT_EQ(values[i].mainFlags, 0x06u);  // data, variable, relative
    }
    EXPECT_EQ(info.reportLength(T::Input, 1), 8u);  // id + 56 bits
    ASSERT_EQ(info.collections.size(), 2u);
    EXPECT_EQ(info.collections[0].type, 1);  // application
    EXPECT_EQ(info.collections[0].usage, 0x02);
    EXPECT_EQ(info.collections[1].parent, 0);
    EXPECT_EQ(values[0].collection, 1);
}

TEST(HidReportDescriptor, KeyboardArraysAndBitsAreButtonsNotValues) {
    const HidDescriptorInfo info = parseHidReportDescriptor(kKeyboard);
    ASSERT_TRUE(info.ok()) << info.error;
    EXPECT_FALSE(info.usesReportIds);
    EXPECT_TRUE(info.valueCaps(T::Input).empty());
    EXPECT_TRUE(info.valueCaps(T::Output).empty());
    ASSERT_EQ(info.capabilities.size(), 3u);

    const HidCapability& keys = info.capabilities[2];
    EXPECT_EQ(keys.reportType, T::Input);
    EXPECT_TRUE(keys.isButton);
    EXPECT_EQ(keys.usagePage, 0x07);
    EXPECT_EQ(keys.usageMin, 0x00);
    EXPECT_EQ(keys.usageMax, 0x65);
    EXPECT_EQ(keys.reportCount, 6u);
    EXPECT_EQ(keys.bitOffset, 16u);  // after modifiers and the reserved byte

    const HidCapability& leds = info.capabilities[1];
    EXPECT_EQ(leds.reportType, T::Output);
    EXPECT_EQ(leds.usagePage, 0x08);
    EXPECT_EQ(leds.usageMax, 5);
    EXPECT_EQ(info.reportLength(T::Input, 0), 8u);
    EXPECT_EQ(info.reportLength(T::Output, 0), 1u);  // LEDs and padding
}

TEST(HidReportDescriptor, VendorReportsAreKeptApartByReportId) {
    const HidDescriptorInfo info = parseHidReportDescriptor(kVendor);
    ASSERT_TRUE(info.ok()) << info.error;
    const auto features = info.valueCaps(T::Feature);
    ASSERT_EQ(features.size(), 2u);
    const HidCapability* command = info.findValue(T::Feature, 0xFF01, 0x22);
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->reportId, 5);
    EXPECT_EQ(command->reportCount, 32u);
    EXPECT_EQ(command->reportSize, 8u);
    EXPECT_EQ(command->bitOffset, 0u);  // offsets count per report id
    EXPECT_EQ(command->logicalMax, 255);
    EXPECT_EQ(info.findValue(T::Output, 0xFF01, 0x22), nullptr);
    EXPECT_EQ(info.reportLength(T::Feature, 5), 33u);
    EXPECT_EQ(info.reportLength(T::Output, 5), 33u);
    EXPECT_EQ(info.reportLength(T::Feature, 4), 4u);
    EXPECT_EQ(info.reportLength(T::Input, 9), 0u);

    // The 4-byte usage carries its own page although page 1 is in force.
    const HidCapability* input = info.findValue(T::Input, 0xFF01, 0x24);
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(input->reportId, 7);
}

TEST(HidReportDescriptor, PushPopRestoresGlobalsAndRangesShareFields) {
    const HidDescriptorInfo info = parseHidReportDescriptor(kRangesPushPop);
    ASSERT_TRUE(info.ok()) << info.error;

    const HidCapability* x = info.findValue(T::Input, 0x01, 0x30);
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->reportSize, 16u);
    EXPECT_EQ(x->logicalMax, 4095);
    EXPECT_EQ(x->physicalMax, 1205);
    EXPECT_EQ(x->unitExponent, -2);
    EXPECT_EQ(x->unit, 0x11u);

    // After the pop: page 0x0D, one-bit fields (a button), the bit after X.
    const HidCapability& tip = info.capabilities[1];
    EXPECT_EQ(tip.usagePage, 0x0D);
    EXPECT_EQ(tip.usageMin, 0x42);
    EXPECT_TRUE(tip.isButton);
    EXPECT_EQ(tip.reportSize, 1u);
    EXPECT_EQ(tip.bitOffset, 16u);
    EXPECT_EQ(tip.unit, 0u);
    EXPECT_EQ(info.reportLength(T::Input, 1), 4u);

    const auto features = info.valueCaps(T::Feature);
    struct Expect {
        uint16_t min, max;
        bool range;
        uint32_t count;
        uint64_t offset;
    } expected[] = {
        {0x10, 0x13, true, 4, 0},    // a range as long as the count
        {0x01, 0x02, true, 4, 32},   // the last usage covers the remaining fields
        {0x30, 0x30, false, 1, 64},  // usages split one field each ...
        {0x31, 0x31, false, 2, 72},  // ... the last takes the rest
    };
    ASSERT_EQ(features.size(), std::size(expected));
    for (size_t i = 0; i < features.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(features[i].usagePage, 0xFF00);
        EXPECT_EQ(features[i].usageMin, expected[i].min);
        EXPECT_EQ(features[i].usageMax, expected[i].max);
        EXPECT_EQ(features[i].isRange, expected[i].range);
        EXPECT_EQ(features[i].reportCount, expected[i].count);
        EXPECT_EQ(features[i].bitOffset, expected[i].offset);
    }
    // A usage inside a range is found through it.
    EXPECT_EQ(info.findValue(T::Feature, 0xFF00, 0x12), &info.capabilities[2]);
}

TEST(HidReportDescriptor, LongItemsAreSkipped) {
    Bytes d = {0xFE, 0x03, 0x10, 0xAA, 0xBB, 0xCC};
    d.insert(d.end(), kVendor.begin(), kVendor.end());
    const HidDescriptorInfo info = parseHidReportDescriptor(d);
    ASSERT_TRUE(info.ok()) << info.error;
    EXPECT_NE(info.findValue(T::Feature, 0xFF01, 0x22), nullptr);
}

TEST(HidReportDescriptor, MalformedDescriptorsGiveAnErrorAndKeepWhatCameBefore) {
    const Bytes head = {0x06, 0x01, 0xFF, 0x09, 0x22, 0x75, 0x08, 0x95, 0x20, 0xB1, 0x02};
    struct Case {
        const char* what;
        Bytes tail;
        size_t offset;  // of the fault, from the end of `head`
    } cases[] = {
        {"item cut short", {0x26, 0xFF}, 0},
        {"long item cut short", {0xFE, 0x05, 0x10, 0x00}, 0},
        {"pop without push", {0xB4}, 0},
        {"end collection without collection", {0xC0}, 0},
        {"unclosed collection", {0xA1, 0x01}, 2},
        {"report id 0", {0x85, 0x00}, 0},
        {"report id above 255", {0x86, 0x00, 0x01}, 0},
        {"usage range inverted", {0x19, 0x05, 0x29, 0x01}, 2},
        {"range over two pages", {0x1B, 0x01, 0x00, 0x01, 0x00, 0x2B, 0x02, 0x00, 0x02, 0x00}, 5},
        {"report size 257", {0x76, 0x01, 0x01, 0xB1, 0x02}, 3},
        {"report count 65536", {0x97, 0x00, 0x00, 0x01, 0x00, 0xB1, 0x02}, 5},
        {"push overflow", Bytes(17, 0xA4), 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes d = head;
        d.insert(d.end(), c.tail.begin(), c.tail.end());
        const HidDescriptorInfo info = parseHidReportDescriptor(d);
        EXPECT_FALSE(info.ok());
        EXPECT_EQ(info.errorOffset, head.size() + c.offset) << info.error;
        EXPECT_NE(info.findValue(T::Feature, 0xFF01, 0x22), nullptr);
    }
}

TEST(HidReportDescriptor, EveryCutOfRealDescriptorsIsHandled) {
    // Cuts inside an item must be reported; cuts between items leave a valid prefix or an
    // unclosed collection. Either way no field may lie outside its report.
    for (const Bytes* d : {&kMouse, &kKeyboard, &kVendor, &kRangesPushPop}) {
        for (size_t n = 0; n <= d->size(); ++n) {
            const HidDescriptorInfo info =
                parseHidReportDescriptor(std::span<const uint8_t>(d->data(), n));
            if (n == d->size()) {
                EXPECT_TRUE(info.ok()) << info.error;
            }
            for (const HidCapability& c : info.capabilities) {
                const uint64_t length = info.reportLength(c.reportType, c.reportId);
                EXPECT_LE(c.bitOffset + uint64_t{c.reportCount} * c.reportSize,
                          (length - (info.usesReportIds ? 1 : 0)) * 8);
            }
        }
    }
}

}  // namespace
}  // namespace z408
