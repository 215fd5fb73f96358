// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Where every program of the project gets its way to the mouse.
#include <memory>

#include "common/clock.h"
#include "device/hid_transport.h"

namespace z408 {

// The simulated mouse when Z408_SIMULATED_MOUSE names its state file (its pauses and trace times
// on `clock`), else the transport to the real mouse.
//
// Seam: the hidraw backend (platform/) is not part of this library; until it registers itself
// here this returns nullptr when no simulated mouse is asked for, and callers report "no mouse
// found". The backend plugs in through setHardwareTransportFactory().
std::unique_ptr<HidTransport> openMouseTransport(Clock& clock = SystemClock::instance());

using HardwareTransportFactory = std::unique_ptr<HidTransport> (*)();
void setHardwareTransportFactory(HardwareTransportFactory factory);

}  // namespace z408
