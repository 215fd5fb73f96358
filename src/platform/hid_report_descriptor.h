// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Our own HID report descriptor parser. It turns the raw descriptor a hidraw node hands out into
// the list of report fields ("capabilities") a HID class driver would offer, so the transport can
// find the mouse's command feature value without any other HID library. It accepts any byte
// string: malformed input yields an error text and the fields found before the fault.
#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace z408 {

enum class HidReportType : uint8_t { Input = 0, Output = 1, Feature = 2 };
const char* toString(HidReportType type);

struct HidCollection {
    uint8_t type = 0;  // 0 physical, 1 application, 2 logical, 3 report, ...
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    int32_t parent = -1;  // index of the enclosing collection, -1 at top level
};

// A run of fields of one main item that share one usage or one usage range. Arrays and one-bit
// variable fields are buttons; everything else is a value.
struct HidCapability {
    HidReportType reportType = HidReportType::Input;
    uint8_t reportId = 0;  // 0 when the descriptor declares no report ids
    uint16_t usagePage = 0;
    uint16_t usageMin = 0;  // the usage; for a range its first usage
    uint16_t usageMax = 0;  // equal to usageMin unless isRange
    bool isRange = false;
    bool isButton = false;
    bool isConstant = false;
    uint32_t mainFlags = 0;    // the main item's data bits (constant, variable, relative, ...)
    uint32_t reportSize = 0;   // bits per field
    uint32_t reportCount = 0;  // fields in this run
    uint64_t bitOffset = 0;    // of the run's first field within the report, after the id byte
    int64_t logicalMin = 0;
    int64_t logicalMax = 0;
    int64_t physicalMin = 0;
    int64_t physicalMax = 0;
    uint32_t unit = 0;
    int32_t unitExponent = 0;
    int32_t collection = -1;  // index into HidDescriptorInfo::collections
};

struct HidDescriptorInfo {
    std::vector<HidCollection> collections;
    std::vector<HidCapability> capabilities;  // in descriptor order
    bool usesReportIds = false;
    // Data bits of each report (padding included), by report type and id.
    std::map<std::pair<HidReportType, uint8_t>, uint64_t> reportBits;
    std::string error;       // empty when the whole descriptor was understood
    size_t errorOffset = 0;  // byte offset of the item at fault

    bool ok() const { return error.empty(); }
    // The value capabilities of one report type, in descriptor order.
    std::vector<HidCapability> valueCaps(HidReportType type) const;
    // The first value capability of the type whose usage page and usage (or range) match.
    const HidCapability* findValue(HidReportType type, uint16_t usagePage, uint16_t usage) const;
    // Length in bytes of one report of the type and id, including the id byte when ids are used;
    // 0 when the descriptor has no such report.
    uint64_t reportLength(HidReportType type, uint8_t reportId) const;
};

HidDescriptorInfo parseHidReportDescriptor(std::span<const uint8_t> descriptor);

}  // namespace z408
