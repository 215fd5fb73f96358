// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// One macro slot: 4104 bytes, identical in memory and in Macro.cfg. Kept as its byte image;
// every value read from it is bounded before use (a file may carry any bytes).
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace z408 {

inline constexpr size_t kMacroEntrySize = 4104;
inline constexpr size_t kMacroSlotCount = 500;
inline constexpr size_t kMacroLibrarySize = kMacroEntrySize * kMacroSlotCount;  // 2052000
inline constexpr size_t kMaxMacroEvents = 1000;
inline constexpr size_t kMacroNameUnits = 40;
inline constexpr uint32_t kMacroTagUsed = 0xE8E80010;
inline constexpr uint32_t kLoopCountSingleKey = 0xFFFE;
inline constexpr uint32_t kMaxLoopCount = 65533;  // the largest count the loop box stores

namespace macro_offset {
inline constexpr size_t RecordSize = 0;
inline constexpr size_t Tag = 4;
inline constexpr size_t Id = 8;
inline constexpr size_t Reserved = 12;
inline constexpr size_t LoopCount = 16;
inline constexpr size_t EventCount = 20;
inline constexpr size_t Events = 24;
inline constexpr size_t Name = 4024;
static_assert(Events + 4 * kMaxMacroEvents == Name);
static_assert(Name + 2 * kMacroNameUnits == kMacroEntrySize);
}  // namespace macro_offset

// A macro step: kind in bits 24..31, value in bits 0..23.
enum class MacroEventKind : uint8_t { Delay = 0xA0, KeyDown = 0xC0, KeyUp = 0xE0 };
constexpr uint32_t makeMacroEvent(MacroEventKind kind, uint32_t value) {
    return static_cast<uint32_t>(kind) << 24 | (value & 0xFFFFFF);
}
constexpr uint8_t macroEventKind(uint32_t event) {
    return static_cast<uint8_t>(event >> 24);
}
constexpr uint32_t macroEventValue(uint32_t event) {
    return event & 0xFFFFFF;
}
constexpr bool isValidMacroEventKind(uint8_t kind) {
    return kind == 0xA0 || kind == 0xC0 || kind == 0xE0;
}
constexpr bool isKeyEventKind(uint8_t kind) {
    return kind == 0xC0 || kind == 0xE0;
}

// Keys pressed and not yet released by the events taken so far, in the order they went down.
// A second press of a held key and a release of a key not held change nothing.
class HeldKeys {
  public:
    void take(uint32_t event);
    const std::vector<uint32_t>& keys() const { return keys_; }

  private:
    std::vector<uint32_t> keys_;
};

// Game group in bits 24..31 of a macro id (1..20 games, 21 the player's own).
constexpr uint8_t macroPreset(uint32_t id) {
    return static_cast<uint8_t>(id >> 24);
}
constexpr uint32_t makeMacroId(uint8_t preset, uint32_t tickMs) {
    return static_cast<uint32_t>(preset) << 24 | (tickMs & 0xFFFFFF);
}

class MacroEntry {
  public:
    MacroEntry() = default;
    // Up to kMacroEntrySize bytes; a shorter input leaves the tail zero.
    void assign(std::span<const uint8_t> bytes);
    const std::array<uint8_t, kMacroEntrySize>& image() const { return image_; }
    void clear() { image_.fill(0); }

    uint32_t recordSize() const;
    uint32_t tag() const;
    uint32_t id() const;
    uint32_t reserved() const;
    uint32_t loopCount() const;
    // The loop count the page shows and the mouse is sent: the stored one bounded to 1 … 65533
    // (0 reads as 1), the single-key 0xFFFE kept. A damaged file is not rewritten for it.
    uint32_t effectiveLoopCount() const;
    // The stored count as it is, possibly a lie; use eventCount() to address events.
    uint32_t rawEventCount() const;
    // The stored count bounded to the slot's 1000 events.
    size_t eventCount() const;
    uint32_t event(size_t i) const;  // 0 for i >= 1000
    std::u16string name() const;     // bounded and terminated

    void setRecordSize(uint32_t v);
    void setTag(uint32_t v);
    void setId(uint32_t v);
    void setReserved(uint32_t v);
    void setLoopCount(uint32_t v);
    void setEventCount(uint32_t v);
    void setEvent(size_t i, uint32_t v);  // ignored for i >= 1000
    bool setName(std::u16string_view name);

    bool isFree() const { return tag() == 0; }
    // Treated as a macro by the pages: recordSize >= 4104 or the tag's upper half 0xE8E8.
    bool isListed() const;
    // The validity test of storing: recordSize >= 4104 and the tag's upper half 0xE8E8.
    bool isStorable() const;

    friend bool operator==(const MacroEntry&, const MacroEntry&) = default;

  private:
    std::array<uint8_t, kMacroEntrySize> image_{};
};

}  // namespace z408
