// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A model of the mouse's side of the protocol: it accepts every command, decodes it into the state
// the mouse keeps, answers the firmware version, records every report with its time, and can be
// told to fail a given report or to be unplugged. With a state file it keeps that state between
// runs (saved when it is closed); with a trace file it appends one line per report ("MS KIND HEX").
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "common/clock.h"
#include "device/hid_transport.h"

namespace z408 {

inline constexpr const char* kSimulatedMouseEnv = "Z408_SIMULATED_MOUSE";
inline constexpr const char* kSimulatedMouseTraceEnv = "Z408_SIMULATED_MOUSE_TRACE";
inline constexpr const char* kSimulatedMouseFailEnv = "Z408_SIMULATED_MOUSE_FAIL";

struct SimulatedMouseState {
    uint32_t firmwareVersion = 12;
    uint8_t reportId = 1;
    uint16_t reportCount = 32;
    std::array<uint8_t, 64> keyMap{};
    std::array<std::array<uint8_t, 512>, 8> macros{};
    std::array<uint8_t, 3> ledColour{};  // green, red, blue as sent
    std::array<uint8_t, 3> ledEffect{};
    std::array<uint8_t, 32> ledColours{};
    uint8_t proximity = 0;
    std::array<uint8_t, 16> dpiTable{};
    uint8_t dpiLevel = 0;
    uint8_t reportRate = 0;

    std::string toText() const;
    // Parses a state file; on error returns nullopt and says what is wrong with which line.
    static std::optional<SimulatedMouseState> fromText(std::string_view text, std::string& error);
    friend bool operator==(const SimulatedMouseState&, const SimulatedMouseState&) = default;
};

// Which reports fail: the n-th feature report sent or output report written after opening.
struct SimulatedMouseFaults {
    uint32_t failFeature = 0;  // 0: none
    uint32_t failOutput = 0;
    uint32_t stallOutput = 0;  // that output report is never taken: the wait runs out, it fails
    bool unplugged = false;
    bool denied = false;      // present, but its node may not be opened
    bool bootloader = false;  // waits in its bootloader: absent as a mouse
    // "F3", "O2", "unplug", "denied", "bootloader", several separated by commas. False with a
    // message for anything else.
    static bool parse(std::string_view spec, SimulatedMouseFaults& out, std::string& error);
};

struct SimulatedReport {
    uint64_t ms;  // since the mouse was opened
    char kind;    // 'F' feature sent, 'G' feature read (the reply), 'O' output report
    std::vector<uint8_t> bytes;
    friend bool operator==(const SimulatedReport&, const SimulatedReport&) = default;
};

class SimulatedMouse final : public HidTransport {
  public:
    // In memory only, no trace file.
    explicit SimulatedMouse(Clock& clock, SimulatedMouseState initial = {});
    // Kept in `stateFile` (created when missing), traced to `traceFile` when not empty.
    SimulatedMouse(Clock& clock, std::filesystem::path stateFile, std::filesystem::path traceFile,
                   SimulatedMouseFaults faults);
    ~SimulatedMouse() override;

    // From the environment variables; nullptr when Z408_SIMULATED_MOUSE is not set.
    static std::unique_ptr<SimulatedMouse> fromEnvironment(Clock& clock);

    bool open() override;
    void close() override;
    bool waitsInBootloader() const override;
    bool sendFeature(std::span<const uint8_t> report) override;
    bool readFeature(std::span<uint8_t> report) override;
    bool writeOutput(std::span<const uint8_t, kOutputReportSize> report,
                     uint32_t completionTimeoutMs) override;

    void setFaults(const SimulatedMouseFaults& faults);
    SimulatedMouseState state() const;
    std::vector<SimulatedReport> reports() const;
    static std::string traceLine(const SimulatedReport& report);

  private:
    struct Pending {
        uint8_t* target = nullptr;
        size_t targetSize = 0;
        size_t length = 0;    // payload bytes announced
        size_t received = 0;  // payload bytes taken so far
    };
    void record(char kind, std::span<const uint8_t> bytes);
    void decodeFeature(std::span<const uint8_t> report);
    // With the mutex held: the state, and the report id and count it gives the transport.
    void setState(const SimulatedMouseState& state);
    bool loadState();
    void saveState();

    Clock& clock_;
    SimulatedMouseState state_;
    std::filesystem::path stateFile_;
    std::filesystem::path traceFile_;
    SimulatedMouseFaults faults_;
    std::string configError_;
    bool dirty_ = false;  // state changed since it was last saved
    uint64_t openedAt_ = 0;
    uint32_t featuresSent_ = 0;
    uint32_t outputsWritten_ = 0;
    bool firmwareAsked_ = false;
    Pending pending_;
    std::vector<SimulatedReport> reports_;
    FILE* trace_ = nullptr;
};

}  // namespace z408
