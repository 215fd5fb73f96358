// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "device/usb_driver.h"

#include <algorithm>

#include "device/macro_image.h"
#include "macros/macro_entry.h"

namespace z408 {

CUSBDriver::~CUSBDriver() {
    Close();
}

bool CUSBDriver::Open() {
    std::lock_guard lock(mutex_);
    transport_.close();
    if (!transport_.open()) return false;
    const uint16_t count = transport_.reportCount();
    if (count < kMinReportCount || count > kMaxReportCount) {
        // The feature buffers hold 255 bytes; a longer report could not be framed. A shorter one
        // than a command and its value carries commands without their values: every write
        // would succeed while no setting reached the mouse.
        transport_.close();
        return false;
    }
    return true;
}

void CUSBDriver::Close() {
    std::lock_guard lock(mutex_);
    transport_.close();
}

bool CUSBDriver::IsOpen() const {
    std::lock_guard lock(mutex_);
    return transport_.isOpen();
}

uint8_t CUSBDriver::ReportId() const {
    std::lock_guard lock(mutex_);
    return transport_.reportId();
}

uint16_t CUSBDriver::ReportCount() const {
    std::lock_guard lock(mutex_);
    return transport_.reportCount();
}

bool CUSBDriver::SetFeatureCommand(std::span<const uint8_t> command) {
    std::lock_guard lock(mutex_);
    if (!transport_.isOpen()) return false;
    const size_t length = static_cast<size_t>(transport_.reportCount()) + 1;
    if (length < 2 || length > output_.size()) return false;
    output_.fill(0);
    output_[0] = transport_.reportId();
    std::copy_n(command.begin(), std::min(command.size(), length - 1), output_.begin() + 1);
    return transport_.sendFeature(std::span<const uint8_t>(output_.data(), length));
}

bool CUSBDriver::GetFeatureReport(std::array<uint8_t, kFeatureBufferSize>& reply) {
    std::lock_guard lock(mutex_);
    reply.fill(0);
    if (!transport_.isOpen()) return false;
    const size_t length = static_cast<size_t>(transport_.reportCount()) + 1;
    if (length < 2 || length > reply.size()) return false;
    reply[0] = transport_.reportId();
    return transport_.readFeature(std::span<uint8_t>(reply.data(), length));
}

bool CUSBDriver::writeOutputReport(std::span<const uint8_t> piece) {
    std::array<uint8_t, kOutputReportSize> report{};
    std::lock_guard lock(mutex_);
    if (!transport_.isOpen()) return false;
    report[0] = transport_.reportId();
    std::copy_n(piece.begin(), std::min(piece.size(), kOutputPayloadSize), report.begin() + 1);
    return transport_.writeOutput(report, kWriteCompletionTimeoutMs);
}

bool CUSBDriver::sendOutputReport(std::span<const uint8_t> piece) {
    if (!writeOutputReport(piece)) return false;
    clock_.sleepMs(kOutputReportPauseMs);
    return true;
}

bool CUSBDriver::writeRun(std::span<const uint8_t> payload, uint32_t leadingPauseMs) {
    if (payload.size() % kOutputPayloadSize != 0) return false;
    // Pauses with nothing sent between them are taken as one sleep: the same gaps on the wire,
    // half the wake-ups (each of which may overshoot).
    uint32_t pause = leadingPauseMs + kRunReportPauseMs;
    for (size_t off = 0; off < payload.size(); off += kOutputPayloadSize) {
        clock_.sleepMs(pause);
        if (!writeOutputReport(payload.subspan(off, kOutputPayloadSize))) return false;
        pause = kOutputReportPauseMs + kRunReportPauseMs;
    }
    if (!payload.empty())
        clock_.sleepMs(kOutputReportPauseMs);
    else if (leadingPauseMs != 0)
        clock_.sleepMs(leadingPauseMs);
    return true;
}

bool CUSBDriver::WriteOutputReports(std::span<const uint8_t> payload) {
    return writeRun(payload, 0);
}

bool CUSBDriver::sendBulk(std::span<const uint8_t> command, uint32_t pauseMs,
                          std::span<const uint8_t> payload, bool singleReport) {
    if (!SetFeatureCommand(command)) return false;
    if (!singleReport) return writeRun(payload, pauseMs);
    clock_.sleepMs(pauseMs);
    return sendOutputReport(payload);
}

bool CUSBDriver::ReadFirmwareVersion(uint32_t* version) {
    if (version == nullptr) return false;
    const uint8_t command[] = {cmd::FirmwareVersion};
    if (!SetFeatureCommand(command)) return false;
    clock_.sleepMs(kFirmwareReadPauseMs);
    std::array<uint8_t, kFeatureBufferSize> reply{};
    if (!GetFeatureReport(reply)) return false;
    if (reply[1] != cmd::FirmwareVersion) return false;
    *version = static_cast<uint32_t>(reply[2]) * 10 + reply[3];
    return true;
}

bool CUSBDriver::WriteReportRate(uint32_t code) {
    const bool known = code == 1 || code == 2 || code == 4 || code == 8;
    const uint8_t command[] = {cmd::ReportRate, static_cast<uint8_t>(known ? code : 2)};
    return SetFeatureCommand(command);
}

bool CUSBDriver::WriteProximity(bool on, uint32_t lightingMode) {
    const uint8_t value = on && lightingMode != kLightingModeOff ? kProximityOn : kProximityOff;
    const uint8_t command[] = {cmd::Proximity, value};
    return SetFeatureCommand(command);
}

bool CUSBDriver::WriteLedColours(std::span<const uint8_t> payload) {
    if (payload.size() != 32) return false;
    const uint8_t command[] = {cmd::LedColours, 0x01, 0x00, 0x20};
    return sendBulk(command, kBulkPauseMs, payload, true);
}

bool CUSBDriver::WriteDpiLevel(uint8_t n) {
    const uint8_t command[] = {cmd::DpiLevel, 0x01, n};
    return SetFeatureCommand(command);
}

bool CUSBDriver::WriteLedColour(uint32_t colour) {
    // Green, red, blue: the mouse's order, not the COLORREF's.
    const uint8_t command[] = {cmd::LedColour, 0x01, static_cast<uint8_t>(colour >> 8),
                               static_cast<uint8_t>(colour), static_cast<uint8_t>(colour >> 16)};
    return SetFeatureCommand(command);
}

bool CUSBDriver::WriteLedEffect(uint8_t e1, uint8_t e2, uint8_t e3) {
    const uint8_t command[] = {cmd::LedEffect, 0x01, e1, e2, e3};
    return SetFeatureCommand(command);
}

bool CUSBDriver::WriteDpiTable(std::span<const uint8_t> payload) {
    if (payload.size() != 16) return false;
    const uint8_t command[] = {cmd::DpiTable, 0x01, 0x07, 0x10};
    return sendBulk(command, kBulkPauseMs, payload, true);
}

bool CUSBDriver::WriteKeyMap(std::span<const uint8_t> payload) {
    if (payload.size() != 64) return false;
    const uint8_t command[] = {cmd::KeyMap, 0x01, 0x00, 0x40};
    return sendBulk(command, kLongBulkPauseMs, payload, false);
}

uint32_t CUSBDriver::WriteMacro(uint32_t macroSlot, const MacroEntry* macro) {
    if (macro == nullptr) return 0;
    MacroImage image{};
    const uint32_t length = encodeMacroImage(*macro, image);
    if (macroSlot > 7) return length;
    // The length 512 as a little-endian 16-bit value.
    const uint8_t command[] = {cmd::Macro, 0x01, static_cast<uint8_t>(macroSlot), 0x00, 0x02};
    sendBulk(command, kLongBulkPauseMs, image, false);
    return length;
}

}  // namespace z408
