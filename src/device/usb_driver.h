// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The command set of the mouse on top of a HidTransport: framing of feature and output reports,
// the protocol's pauses (through a Clock) and the result of every command.
#include <array>
#include <cstdint>
#include <mutex>
#include <span>

#include "common/clock.h"
#include "device/hid_transport.h"

namespace z408 {

class MacroEntry;

inline constexpr size_t kOutputPayloadSize = 32;
inline constexpr uint32_t kWriteCompletionTimeoutMs = 1500;
inline constexpr uint32_t kOutputReportPauseMs = 50;  // after every output report
inline constexpr uint32_t kRunReportPauseMs = 50;     // before each report of a multi-report run
inline constexpr uint32_t kBulkPauseMs = 50;          // LED colours, DPI table: feature → output
inline constexpr uint32_t kLongBulkPauseMs = 100;     // key map, macro: feature → output run
inline constexpr uint32_t kFirmwareReadPauseMs = 50;

// The mouse's command bytes (first byte after the report id).
namespace cmd {
inline constexpr uint8_t ReportRate = 0x01;
inline constexpr uint8_t Proximity = 0x03;
inline constexpr uint8_t LedColours = 0x09;
inline constexpr uint8_t DpiLevel = 0x0B;
inline constexpr uint8_t LedColour = 0x0C;
inline constexpr uint8_t LedEffect = 0x0D;
inline constexpr uint8_t DpiTable = 0x11;
inline constexpr uint8_t KeyMap = 0x12;
inline constexpr uint8_t Macro = 0x13;
inline constexpr uint8_t FirmwareVersion = 0x80;
}  // namespace cmd

inline constexpr uint8_t kProximityOn = 0xA0;
inline constexpr uint8_t kProximityOff = 0xB0;
inline constexpr uint32_t kLightingModeOff = 6;

// The shortest feature report that carries a command byte and its first value.
inline constexpr uint16_t kMinReportCount = 2;

// Every operation returns true on success and never throws. The transport calls are serialised
// by a mutex so that a removal (Close on the interface thread) can meet an upload safely; the
// pauses are taken outside it.
class CUSBDriver {
  public:
    CUSBDriver(HidTransport& transport, Clock& clock) : transport_(transport), clock_(clock) {}
    ~CUSBDriver();
    CUSBDriver(const CUSBDriver&) = delete;
    CUSBDriver& operator=(const CUSBDriver&) = delete;

    // Closes first, then finds and opens the mouse. A device whose report count is below
    // kMinReportCount or does not fit the 255-byte buffers is refused.
    bool Open();
    void Close();
    bool IsOpen() const;
    // After a failed Open(): the node of a present mouse that could not be opened, or empty.
    std::string RefusedNode() const { return transport_.refusedNode(); }
    bool WaitsInBootloader() const { return transport_.waitsInBootloader(); }
    uint8_t ReportId() const;
    uint16_t ReportCount() const;

    // One feature report: report id, then the command bytes, zero up to report count + 1 bytes;
    // command bytes past that length are not sent.
    bool SetFeatureCommand(std::span<const uint8_t> command);
    // Reads the feature report (report id set before the read) into `reply` (report count + 1
    // bytes are used).
    bool GetFeatureReport(std::array<uint8_t, kFeatureBufferSize>& reply);
    // A payload as 33-byte output reports, 50 ms before and after each; the length must be a
    // whole multiple of 32 (0 sends nothing and succeeds). Stops at the first failed report.
    bool WriteOutputReports(std::span<const uint8_t> payload);

    bool ReadFirmwareVersion(uint32_t* version);
    bool WriteReportRate(uint32_t code);
    bool WriteProximity(bool on, uint32_t lightingMode);
    bool WriteLedColours(std::span<const uint8_t> payload);  // exactly 32 bytes
    bool WriteDpiLevel(uint8_t n);
    bool WriteLedColour(uint32_t colour);  // COLORREF 0x00BBGGRR
    bool WriteLedEffect(uint8_t e1, uint8_t e2, uint8_t e3);
    bool WriteDpiTable(std::span<const uint8_t> payload);  // exactly 16 bytes
    bool WriteKeyMap(std::span<const uint8_t> payload);    // exactly 64 bytes
    // Encodes the macro and, for slots 0..7, sends it. Returns the encoding's first free word
    // index whether or not it was sent; 0 without a macro.
    uint32_t WriteMacro(uint32_t macroSlot, const MacroEntry* macro);

  private:
    // One output report: id and a payload piece of up to 32 bytes (the rest zero), no pause.
    bool writeOutputReport(std::span<const uint8_t> piece);
    // The same, then 50 ms.
    bool sendOutputReport(std::span<const uint8_t> piece);
    // A run of output reports after `leadingPauseMs`, paced as WriteOutputReports.
    bool writeRun(std::span<const uint8_t> payload, uint32_t leadingPauseMs);
    // A bulk command: feature report, pause, then the payload as one or more output reports.
    bool sendBulk(std::span<const uint8_t> command, uint32_t pauseMs,
                  std::span<const uint8_t> payload, bool singleReport);

    HidTransport& transport_;
    Clock& clock_;
    mutable std::mutex mutex_;
    std::array<uint8_t, kFeatureBufferSize> output_{};
};

}  // namespace z408
