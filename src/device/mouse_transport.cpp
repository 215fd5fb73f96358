// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "device/mouse_transport.h"

#include <atomic>

#include "device/simulated_mouse.h"

namespace z408 {
namespace {
std::atomic<HardwareTransportFactory> hardwareFactory{nullptr};
}  // namespace

void setHardwareTransportFactory(HardwareTransportFactory factory) {
    hardwareFactory = factory;
}

std::unique_ptr<HidTransport> openMouseTransport(Clock& clock) {
    if (auto simulated = SimulatedMouse::fromEnvironment(clock)) return simulated;
    if (const HardwareTransportFactory factory = hardwareFactory.load()) return factory();
    return nullptr;
}

}  // namespace z408
