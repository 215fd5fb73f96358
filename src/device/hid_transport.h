#pragma once
// The way to the mouse's vendor HID interface. Two implementations: the hidraw backend for the
// real device and the simulated mouse. The command set (CUSBDriver) builds on these primitives;
// protocol pauses are its business, through a Clock, not the transport's.
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace z408 {

inline constexpr size_t kOutputReportSize = 33;  // report id + 32 payload bytes
inline constexpr uint16_t kMaxReportCount = 254;  // feature reports fit a 255-byte buffer

class HidTransport {
public:
    virtual ~HidTransport() = default;

    // Finds and opens the mouse (closing any open handle first). On success reportId() and
    // reportCount() describe its command feature value (usage page 0xFF01, usage 0x22).
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual uint8_t reportId() const = 0;
    virtual uint16_t reportCount() const = 0;

    // Feature reports are reportCount()+1 bytes long, report id first.
    virtual bool sendFeature(std::span<const uint8_t> report) = 0;
    // `report[0]` holds the report id on entry; the reply replaces the rest.
    virtual bool readFeature(std::span<uint8_t> report) = 0;
    // One 33-byte output report. Waits at most `completionTimeoutMs` for the device to take it;
    // a report not taken by then was not sent and fails like any other write error (the command
    // that sent it fails, and the upload reports it instead of carrying on with a gap).
    virtual bool writeOutput(std::span<const uint8_t, kOutputReportSize> report,
                             uint32_t completionTimeoutMs) = 0;

    // Where the open device is (a /dev/hidrawN path, or the simulated mouse's state file).
    virtual std::string location() const = 0;
    // Why the last open() failed, in words for the user; empty after success.
    virtual std::string lastError() const = 0;
};

}  // namespace z408
