// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "device/macro_image.h"

#include <algorithm>

namespace z408 {
namespace {

struct UsageRow {
    uint8_t usage;
    uint32_t keyCode;
};

// In ascending usage order; lookup takes the first row with the key code. Usages the mouse has
// no key for carry key code 0 (0x01..0x03, 0x32, 0x64), and keypad Enter (0x58) repeats the
// code of Enter, so its row is never chosen.
// clang-format off
constexpr UsageRow kUsageTable[] = {
    {0x00, 0x00}, {0x01, 0x00}, {0x02, 0x00}, {0x03, 0x00},
    {0x04, 0x41}, {0x05, 0x42}, {0x06, 0x43}, {0x07, 0x44}, {0x08, 0x45}, {0x09, 0x46},
    {0x0A, 0x47}, {0x0B, 0x48}, {0x0C, 0x49}, {0x0D, 0x4A}, {0x0E, 0x4B}, {0x0F, 0x4C},
    {0x10, 0x4D}, {0x11, 0x4E}, {0x12, 0x4F}, {0x13, 0x50}, {0x14, 0x51}, {0x15, 0x52},
    {0x16, 0x53}, {0x17, 0x54}, {0x18, 0x55}, {0x19, 0x56}, {0x1A, 0x57}, {0x1B, 0x58},
    {0x1C, 0x59}, {0x1D, 0x5A},
    {0x1E, 0x31}, {0x1F, 0x32}, {0x20, 0x33}, {0x21, 0x34}, {0x22, 0x35}, {0x23, 0x36},
    {0x24, 0x37}, {0x25, 0x38}, {0x26, 0x39}, {0x27, 0x30},
    {0x28, 0x0D}, {0x29, 0x1B}, {0x2A, 0x08}, {0x2B, 0x09}, {0x2C, 0x20},
    {0x2D, 0xBD}, {0x2E, 0xBB}, {0x2F, 0xDB}, {0x30, 0xDD}, {0x31, 0xDC}, {0x32, 0x00},
    {0x33, 0xBA}, {0x34, 0xDE}, {0x35, 0xC0}, {0x36, 0xBC}, {0x37, 0xBE}, {0x38, 0xBF},
    {0x39, 0x14},
    {0x3A, 0x70}, {0x3B, 0x71}, {0x3C, 0x72}, {0x3D, 0x73}, {0x3E, 0x74}, {0x3F, 0x75},
    {0x40, 0x76}, {0x41, 0x77}, {0x42, 0x78}, {0x43, 0x79}, {0x44, 0x7A}, {0x45, 0x7B},
    {0x46, 0x2C}, {0x47, 0x91}, {0x48, 0x13},
    {0x49, 0x2D}, {0x4A, 0x24}, {0x4B, 0x21}, {0x4C, 0x2E}, {0x4D, 0x23}, {0x4E, 0x22},
    {0x4F, 0x27}, {0x50, 0x25}, {0x51, 0x28}, {0x52, 0x26},
    {0x53, 0x90}, {0x54, 0x6F}, {0x55, 0x6A}, {0x56, 0x6D}, {0x57, 0x6B}, {0x58, 0x0D},
    {0x59, 0x61}, {0x5A, 0x62}, {0x5B, 0x63}, {0x5C, 0x64}, {0x5D, 0x65}, {0x5E, 0x66},
    {0x5F, 0x67}, {0x60, 0x68}, {0x61, 0x69}, {0x62, 0x60}, {0x63, 0x6E}, {0x64, 0x00},
    {0x65, 0x5D},
    {0xE0, 0xA2}, {0xE1, 0xA0}, {0xE2, 0xA4}, {0xE3, 0x5B},
    {0xE4, 0xA3}, {0xE5, 0xA1}, {0xE6, 0xA5}, {0xE7, 0x5C},
    {0xF0, 0x01}, {0xF1, 0x02}, {0xF2, 0x04},
};
// clang-format on
static_assert(std::size(kUsageTable) == 113);

constexpr uint32_t kShortDelayMaxMs = 1270;   // 127 units of 10 ms
constexpr uint32_t kDelay20MaxMs = 1310700;   // 65535 × 20 ms
constexpr uint32_t kDelay50MaxMs = 3276750;   // 65535 × 50 ms
constexpr uint32_t kDelay100MaxMs = 6553500;  // 65535 × 100 ms
constexpr uint8_t kReleaseBit = 0x80;
constexpr uint8_t kControlCountMask = 0x7F;

class ImageWriter {
  public:
    explicit ImageWriter(MacroImage& image) : image_(image) {}
    uint32_t next() const { return n_; }

    void word(uint8_t b0, uint8_t b1) {
        image_[2 * n_] = b0;
        image_[2 * n_ + 1] = b1;
        ++n_;
    }
    void longDelay(uint8_t unit, uint32_t count) {
        word(0x00, unit);
        word(static_cast<uint8_t>(count >> 8), static_cast<uint8_t>(count));
    }
    // Adds a short delay to the first byte of the previous word. The count lives in bits 0..6;
    // it stops at 127 units instead of carrying into bit 7, which tells a release from a press.
    void addShortDelay(uint32_t units) {
        if (n_ < 2) return;  // no step before it: nothing to add to
        uint8_t& b = image_[2 * (n_ - 1)];
        const uint32_t count =
            std::min<uint32_t>((b & kControlCountMask) + units, kControlCountMask);
        b = static_cast<uint8_t>((b & kReleaseBit) | count);
    }

  private:
    MacroImage& image_;
    uint32_t n_ = 1;
};

}  // namespace

uint8_t macroUsage(uint32_t keyCode) {
    for (const UsageRow& row : kUsageTable)
        if (row.keyCode == keyCode) return row.usage;
    return 0;
}

namespace {

// The words event `i` adds to the image: a short delay rides on the step before it.
uint32_t wordsOfEvent(uint32_t event, size_t i) {
    const uint8_t kind = macroEventKind(event);
    const uint32_t v = macroEventValue(event);
    if (kind != static_cast<uint8_t>(MacroEventKind::Delay)) return 1;
    if (i == 0) return 2;
    if (v <= kShortDelayMaxMs) return 0;
    return v <= kDelay100MaxMs ? 2 : 1;
}

}  // namespace

uint32_t macroStepWords(const MacroEntry& macro) {
    uint32_t words = 0;
    for (size_t i = 0; i < macro.eventCount(); ++i) words += wordsOfEvent(macro.event(i), i);
    return words;
}

std::vector<uint32_t> keysWithoutUsage(const MacroEntry& macro) {
    std::vector<uint32_t> keys;
    for (size_t i = 0; i < macro.eventCount(); ++i) {
        const uint32_t event = macro.event(i);
        const uint32_t key = macroEventValue(event);
        if (isKeyEventKind(macroEventKind(event)) && macroUsage(key) == 0 &&
            std::find(keys.begin(), keys.end(), key) == keys.end())
            keys.push_back(key);
    }
    return keys;
}

namespace {

// How many leading events go into the image, and the keys to release after them.
struct ImageCut {
    size_t events = 0;
    std::vector<uint32_t> releases;  // latest press first
};

ImageCut cutForImage(const MacroEntry& macro) {
    const size_t count = macro.eventCount();
    ImageCut cut;
    if (macroStepWords(macro) <= kMacroImageMaxSteps) {
        cut.events = count;
        return cut;
    }
    HeldKeys held;
    uint32_t words = 0;
    for (size_t i = 0; i < count; ++i) {
        const uint32_t event = macro.event(i);
        words += wordsOfEvent(event, i);
        if (words > kMacroImageMaxSteps) break;
        held.take(event);
        if (words + held.keys().size() <= kMacroImageMaxSteps) {
            cut.events = i + 1;
            cut.releases.assign(held.keys().rbegin(), held.keys().rend());
        }
    }
    return cut;
}

}  // namespace

uint32_t encodeMacroImage(const MacroEntry& macro, MacroImage& image) {
    image.fill(0);
    const uint32_t loop = macro.effectiveLoopCount();
    image[0] = static_cast<uint8_t>(loop >> 8);
    image[1] = static_cast<uint8_t>(loop);

    ImageWriter out(image);
    const ImageCut cut = cutForImage(macro);
    for (size_t i = 0; i < cut.events; ++i) {
        const uint32_t event = macro.event(i);
        const uint8_t kind = macroEventKind(event);
        const uint32_t v = macroEventValue(event);
        if (isKeyEventKind(kind)) {
            const bool release = kind == static_cast<uint8_t>(MacroEventKind::KeyUp);
            out.word(release ? 0x81 : 0x01, macroUsage(v));
        } else if (kind == static_cast<uint8_t>(MacroEventKind::Delay)) {
            if (i == 0) {
                out.longDelay(kDelayUnit100Ms, (v & 0xFFFF) / 100);
            } else if (v <= kShortDelayMaxMs) {
                out.addShortDelay((v / 10) & kControlCountMask);
            } else if (v <= kDelay20MaxMs) {
                out.longDelay(kDelayUnit20Ms, v / 20);
            } else if (v <= kDelay50MaxMs) {
                out.longDelay(kDelayUnit50Ms, v / 50);
            } else if (v <= kDelay100MaxMs) {
                out.longDelay(kDelayUnit100Ms, v / 100);
            } else {
                out.word(0x00, 0x00);
            }
        } else {
            out.word(0x00, 0x00);
        }
    }
    for (const uint32_t key : cut.releases) out.word(0x81, macroUsage(key));
    return out.next();
}

}  // namespace z408
