// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A Z408 made with the kernel's uhid: the kernel sees a USB HID device with the given ids and
// report descriptor, and every report our side sends reaches this object through the real HID
// core and hidraw. It answers the firmware version query and records each report with the time
// it arrived.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace z408::vm {

struct ReceivedReport {
    enum class Kind { Output, SetFeature, GetFeature };
    Kind kind = Kind::Output;
    std::vector<uint8_t> data;  // report id first, as the kernel passed it on
    uint64_t timeUs = 0;        // CLOCK_MONOTONIC
};

class VirtualZ408 {
  public:
    struct Config {
        std::string name = "TARVO Z408 virtual";
        uint16_t vendor = 0x3F1C;
        uint16_t product = 0x7A52;
        std::vector<uint8_t> descriptor;
        uint8_t firmwareTens = 1;
        uint8_t firmwareUnits = 5;
    };

    VirtualZ408() = default;
    ~VirtualZ408();
    VirtualZ408(const VirtualZ408&) = delete;
    VirtualZ408& operator=(const VirtualZ408&) = delete;

    bool create(const Config& config, std::string& error);
    // Plays one input report (UHID_INPUT2), as the mouse sends it on its interrupt endpoint.
    bool input(const std::vector<uint8_t>& report);
    void destroy();  // the device leaves, as when unplugged
    bool exists() const { return fd_ >= 0; }

    std::vector<ReceivedReport> reports() const;
    void clearReports();

  private:
    void serve();
    void handle(const void* event);
    bool send(const void* event);

    Config config_;
    int fd_ = -1;
    int stopFd_ = -1;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<ReceivedReport> reports_;
    bool versionAsked_ = false;  // the last feature report sent was the version query
};

uint64_t monotonicUs();

// Report descriptors of the interfaces the virtual mouse can offer.
namespace descriptors {
// Vendor page 0xFF01: feature report 4 (usage 0x21, 7 bytes), feature report `id` (usage 0x22,
// `count` bytes) and output report `id` (usage 0x23, 32 bytes).
std::vector<uint8_t> command(uint8_t id, uint16_t count);
// Vendor page 0xFF01 without the command value: feature report 4 (usage 0x21) only.
std::vector<uint8_t> vendorWithoutCommand();
// An ordinary five-button mouse: reports of buttons (bit 0 left, 1 right, 2 middle, 3 back,
// 4 forward), X, Y and wheel, without a report id.
std::vector<uint8_t> mouse();
// One report of that mouse.
std::vector<uint8_t> pointerReport(uint8_t buttons, int8_t dx = 0, int8_t dy = 0, int8_t wheel = 0);
}  // namespace descriptors

}  // namespace z408::vm
