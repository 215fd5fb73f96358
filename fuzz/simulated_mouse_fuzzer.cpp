// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The simulated mouse's state file, read when the mouse is opened, and the fault list of its
// environment variable. Checks: a damaged file leaves the mouse closed with a message naming the
// line, and the file as it was; an accepted one is the mouse's state, and the state written back
// when the mouse is closed reads again to the same state.
#include <cstddef>
#include <cstdint>

#include "common/clock.h"
#include "device/simulated_mouse.h"
#include "fuzz_support.h"

using namespace z408;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = fuzz::asText({data, size});

    SimulatedMouseFaults faults;
    std::string faultError;
    if (!SimulatedMouseFaults::parse(text, faults, faultError)) FUZZ_CHECK(!faultError.empty());

    std::string error;
    const auto state = SimulatedMouseState::fromText(text, error);
    if (state) {
        const std::string written = state->toText();
        std::string again;
        FUZZ_CHECK(SimulatedMouseState::fromText(written, again) == state);
    } else {
        FUZZ_CHECK(error.starts_with("line "));
    }

    // The same text as the state file of a mouse that is opened and closed.
    const auto file = fuzz::scratchFolder() / "mouse" / "state.txt";
    fuzz::writeInput(file, {data, size});
    ManualClock clock;
    {
        SimulatedMouse mouse(clock, file, {}, {});
        const bool opened = mouse.open();
        FUZZ_CHECK(opened == state.has_value());
        if (!opened) {
            FUZZ_CHECK(mouse.lastError().find(error) != std::string::npos);
        } else {
            FUZZ_CHECK(mouse.state() == *state);
        }
        mouse.close();
    }
    std::vector<uint8_t> after;
    FUZZ_CHECK(static_cast<bool>(readFilePrefix(file, size + 1, after)));
    if (!state) FUZZ_CHECK(after.size() == size && std::equal(after.begin(), after.end(), data));
    return 0;
}
