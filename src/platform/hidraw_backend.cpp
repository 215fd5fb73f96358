// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/hidraw_backend.h"

#include <memory>

#include "device/mouse_transport.h"
#include "platform/hidraw_transport.h"

namespace z408 {

void installHidrawTransport() {
    setHardwareTransportFactory(
        []() -> std::unique_ptr<HidTransport> { return std::make_unique<HidrawTransport>(); });
}

std::vector<std::string> transportInterfaceLines(const HidTransport& transport) {
    if (const auto* hidraw = dynamic_cast<const HidrawTransport*>(&transport))
        return hidraw->describeCandidates();
    return {};
}

}  // namespace z408
