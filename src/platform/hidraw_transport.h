// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The mouse through Linux hidraw: found with libudev by the ids of its HID device, recognised by
// the command feature value in its report descriptor, used through two descriptors (read,
// write) like the read and write handles of a HID class driver.
#include <cstdint>
#include <string>
#include <vector>

#include "device/hid_transport.h"

namespace z408 {

// One hidraw interface seen during a search, and what became of it.
struct HidrawCandidate {
    enum class Verdict {
        Taken,           // opened: this is the mouse's command interface
        NotNeeded,       // would qualify, but an earlier interface was taken
        WrongIds,        // another device
        NoCommandValue,  // the mouse, but without the command feature value
        BadDescriptor,   // the report descriptor could not be read or understood
        ReportCountTooLarge,
        PermissionDenied,
        OpenFailed,
    };
    std::string devnode;   // /dev/hidrawN
    std::string pathText;  // "HID#VID_3F1C&PID_7A52#hidrawN", or the sysname when ids are unknown
    std::string name;      // the HID device's name, when it has one
    bool idsKnown = false;
    uint16_t vendor = 0;
    uint16_t product = 0;
    Verdict verdict = Verdict::WrongIds;
    std::string reason;  // in words for the user
};
const char* toString(HidrawCandidate::Verdict verdict);

class HidrawTransport final : public HidTransport {
  public:
    HidrawTransport() = default;
    ~HidrawTransport() override;
    HidrawTransport(const HidrawTransport&) = delete;
    HidrawTransport& operator=(const HidrawTransport&) = delete;

    // Lists the hidraw interfaces, judges each, opens the first that qualifies and, when none
    // does, says why in lastError().
    bool open() override;
    void close() override;
    // When one of these fails, lastError() says why as well.
    bool sendFeature(std::span<const uint8_t> report) override;
    bool readFeature(std::span<uint8_t> report) override;
    bool writeOutput(std::span<const uint8_t, kOutputReportSize> report,
                     uint32_t completionTimeoutMs) override;

    // Every hidraw interface the last open() looked at, in enumeration order.
    std::vector<HidrawCandidate> candidates() const;
    // The same as lines for `z408ctl status`.
    std::vector<std::string> describeCandidates() const;

    // The text given when the node exists but may not be opened.
    static std::string permissionAdvice(const std::string& devnode);

  private:
    // The rest run with the mutex held.
    void closeLocked();
    // Opens the read and write descriptors of a qualifying interface; on failure says why in
    // `c` and leaves both closed.
    bool openLocked(HidrawCandidate& c, uint8_t reportId, uint16_t reportCount);
    // Sets lastError_ when the report cannot be exchanged.
    bool featureReportFits(int fd, size_t size);

    int readFd_ = -1;
    int writeFd_ = -1;
    std::vector<HidrawCandidate> candidates_;
};

}  // namespace z408
