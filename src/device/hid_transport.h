// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The way to the mouse's vendor HID interface. Two implementations: the hidraw backend for the
// real device and the simulated mouse. The command set (CUSBDriver) builds on these primitives;
// protocol pauses are its business, through a Clock, not the transport's.
#include <array>
#include <cstdint>
#include <mutex>
#include <span>
#include <string>

namespace z408 {

inline constexpr size_t kFeatureBufferSize = 255;  // every feature report is built in one
inline constexpr size_t kOutputReportSize = 33;    // report id + 32 payload bytes
// The report id takes the first byte of the buffer.
inline constexpr auto kMaxReportCount = static_cast<uint16_t>(kFeatureBufferSize - 1);

class HidTransport {
  public:
    virtual ~HidTransport() = default;

    // Finds and opens the mouse (closing any open handle first). On success reportId() and
    // reportCount() describe its command feature value (usage page 0xFF01, usage 0x22).
    virtual bool open() = 0;
    virtual void close() = 0;

    // Feature reports are reportCount()+1 bytes long, report id first.
    virtual bool sendFeature(std::span<const uint8_t> report) = 0;
    // `report[0]` holds the report id on entry; the reply replaces the rest.
    virtual bool readFeature(std::span<uint8_t> report) = 0;
    // One 33-byte output report. Waits at most `completionTimeoutMs` for the device to take it;
    // a report not taken by then was not sent and fails like any other write error (the command
    // that sent it fails, and the upload reports it instead of carrying on with a gap).
    virtual bool writeOutput(std::span<const uint8_t, kOutputReportSize> report,
                             uint32_t completionTimeoutMs) = 0;

    // What the last open() found, kept the same way by every transport; the report id and count
    // are kept after close().
    bool isOpen() const {
        std::lock_guard lock(mutex_);
        return open_;
    }
    uint8_t reportId() const {
        std::lock_guard lock(mutex_);
        return reportId_;
    }
    uint16_t reportCount() const {
        std::lock_guard lock(mutex_);
        return reportCount_;
    }
    // Where the device is (a /dev/hidrawN path, or the simulated mouse's state file).
    std::string location() const {
        std::lock_guard lock(mutex_);
        return location_;
    }
    // Why the last open() failed, in words for the user; empty after success.
    std::string lastError() const {
        std::lock_guard lock(mutex_);
        return lastError_;
    }
    // After a failed open(): the node of a mouse that is present but could not be opened (no
    // permission, or held by another program); empty when no mouse was there.
    std::string refusedNode() const {
        std::lock_guard lock(mutex_);
        return refusedNode_;
    }
    // Whether the mouse shows itself only in its firmware-update mode. The real one is found
    // through udev (the bootloader test); only the simulated mouse answers here.
    virtual bool waitsInBootloader() const { return false; }

  protected:
    // One operation at a time: implementations hold it for their own state too, so that a
    // close() from the interface thread waits for a write the upload thread is making.
    mutable std::mutex mutex_;
    // What the accessors report; implementations set them with mutex_ held.
    bool open_ = false;
    uint8_t reportId_ = 0;
    uint16_t reportCount_ = 0;
    std::string location_;
    std::string lastError_;
    std::string refusedNode_;
};

}  // namespace z408
