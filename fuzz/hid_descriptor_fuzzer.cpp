// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Feeds arbitrary bytes to the HID report descriptor parser. Besides the sanitizers' findings it
// checks what the transport relies on: the error offset lies inside the input and every field
// lies inside its report.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/hid_report_descriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const z408::HidDescriptorInfo info =
        z408::parseHidReportDescriptor(std::span<const uint8_t>(data, size));
    if (!info.ok() && info.errorOffset > size) std::abort();
    for (const z408::HidCapability& c : info.capabilities) {
        const uint64_t bytes = info.reportLength(c.reportType, c.reportId);
        const uint64_t dataBits = (bytes - (info.usesReportIds ? 1 : 0)) * 8;
        if (bytes == 0 || c.bitOffset + uint64_t{c.reportCount} * c.reportSize > dataBits)
            std::abort();
        if (c.usageMax < c.usageMin) std::abort();
        if (c.collection >= static_cast<int64_t>(info.collections.size())) std::abort();
    }
    (void)info.findValue(z408::HidReportType::Feature, 0xFF01, 0x22);
    return 0;
}
