// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Plugs the hidraw transport into the device link's factory, and lets front ends show what the
// search for the mouse saw.
#include <string>
#include <vector>

#include "device/hid_transport.h"

namespace z408 {

// From now on openMouseTransport() hands out a HidrawTransport when no simulated mouse is asked
// for. Programs call this once at start-up.
void installHidrawTransport();

// One line per hidraw interface the transport's last search looked at, with why it was or was
// not taken; empty for transports that do not search (the simulated mouse).
std::vector<std::string> transportInterfaceLines(const HidTransport& transport);

}  // namespace z408
