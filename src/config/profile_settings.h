// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// One profile: the seven button functions, DPI levels, report rate, lighting, proximity switch
// and pointer settings. Memory and file share one 22252-byte little-endian image; the record is
// kept as that image and every field is read and written explicitly at its offset.
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "functions/function_catalogue.h"

namespace z408 {

inline constexpr uint32_t kProfileMagic = 0x80800280;
inline constexpr size_t kProfileSize = 22252;
inline constexpr size_t kButtonAssignmentSize = 3148;
inline constexpr size_t kPathUnits = 260;  // 259 characters and the terminator
inline constexpr int kDpiLevelCount = 7;
inline constexpr std::array<uint32_t, kDpiLevelCount> kDefaultDpiLevels = {750,  1250, 1500, 2000,
                                                                           2500, 3500, 4000};

namespace profile_offset {
inline constexpr size_t Magic = 0;
inline constexpr size_t Buttons = 4;
inline constexpr size_t DpiLevels = 22040;
inline constexpr size_t Reserved = 22068;      // 92 bytes
inline constexpr size_t HeightSlider = 22160;  // 1..30, stored only
inline constexpr size_t ReportRate = 22164;    // 1, 2, 4 or 8
inline constexpr size_t LightingMode = 22168;  // 1..6
inline constexpr size_t MulticolourOption = 22172;
inline constexpr size_t Colours = 22176;  // 4 x COLORREF 0x00BBGGRR
inline constexpr size_t ColourIsCustom = 22192;
inline constexpr size_t PresetIndex = 22208;
inline constexpr size_t ProximitySensing = 22224;
inline constexpr size_t EnhancePrecision = 22228;
inline constexpr size_t PointerSpeed = 22232;  // 1..20
inline constexpr size_t Mode1Param = 22236;
inline constexpr size_t Mode2Param = 22240;
inline constexpr size_t Mode5Param = 22244;
inline constexpr size_t WheelLines = 22248;  // signed; -1 = one screen per notch
static_assert(WheelLines + 4 == kProfileSize);
static_assert(Buttons + kButtonCount * kButtonAssignmentSize == DpiLevels);
}  // namespace profile_offset

// Offsets inside one button's record.
namespace button_offset {
inline constexpr size_t FunctionType = 0;
inline constexpr size_t MacroId = 4;
inline constexpr size_t SoftwareKind = 8;
inline constexpr size_t BindingCode = 16;
inline constexpr size_t SoftwareValue = 20;
inline constexpr size_t Path = 24;          // 260 UTF-16 units
inline constexpr size_t DisplayName = 548;  // 260 UTF-16 units
static_assert(DisplayName + 2 * kPathUnits + 2080 == kButtonAssignmentSize);
}  // namespace button_offset

using ProfileImage = std::array<uint8_t, kProfileSize>;

class ProfileSettings;

// A view of one button's record inside a profile.
template <typename Image>
class ButtonAssignmentView {
  public:
    ButtonAssignmentView(Image& image, size_t base) : image_(image), base_(base) {}

    FunctionType functionType() const { return get(button_offset::FunctionType); }
    uint32_t macroId() const { return get(button_offset::MacroId); }
    uint32_t softwareKind() const { return get(button_offset::SoftwareKind); }
    uint32_t bindingCode() const { return get(button_offset::BindingCode); }
    uint32_t softwareValue() const { return get(button_offset::SoftwareValue); }
    std::u16string path() const;
    std::u16string displayName() const;

    void setFunctionType(FunctionType v) { put(button_offset::FunctionType, v); }
    void setMacroId(uint32_t v) { put(button_offset::MacroId, v); }
    void setSoftwareKind(uint32_t v) { put(button_offset::SoftwareKind, v); }
    void setBindingCode(uint32_t v) { put(button_offset::BindingCode, v); }
    void setSoftwareValue(uint32_t v) { put(button_offset::SoftwareValue, v); }
    // Both return false when the text did not fit its 259 units and was cut.
    bool setPath(std::u16string_view text);
    bool setDisplayName(std::u16string_view text);

  private:
    uint32_t get(size_t off) const;
    void put(size_t off, uint32_t v);
    Image& image_;
    size_t base_;
};

class ProfileSettings {
  public:
    // A zeroed record (not valid until filled or loaded).
    ProfileSettings() = default;
    static ProfileSettings defaults(bool chinese);

    // Zero, magic, DPI levels, buttons with their default functions and names in the given
    // language, lighting and pointer defaults.
    void fillDefaults(bool chinese);

    // Replaces the image with up to kProfileSize bytes; a shorter input leaves the tail zero.
    void assign(std::span<const uint8_t> bytes);
    bool hasMagic() const { return magic() == kProfileMagic; }

    const ProfileImage& image() const { return image_; }
    uint32_t magic() const { return get(profile_offset::Magic); }

    ButtonAssignmentView<ProfileImage> button(int index);
    ButtonAssignmentView<const ProfileImage> button(int index) const;
    std::array<FunctionType, kButtonCount> functionTypes() const;

    uint32_t dpiLevel(int level) const;
    void setDpiLevel(int level, uint32_t dpi);
    uint32_t heightSlider() const { return get(profile_offset::HeightSlider); }
    void setHeightSlider(uint32_t v) { put(profile_offset::HeightSlider, v); }
    uint32_t reportRateCode() const { return get(profile_offset::ReportRate); }
    void setReportRateCode(uint32_t v) { put(profile_offset::ReportRate, v); }
    uint32_t lightingMode() const { return get(profile_offset::LightingMode); }
    void setLightingMode(uint32_t v) { put(profile_offset::LightingMode, v); }
    uint32_t multicolourOption() const { return get(profile_offset::MulticolourOption); }
    void setMulticolourOption(uint32_t v) { put(profile_offset::MulticolourOption, v); }
    uint32_t colour(int i) const { return get(profile_offset::Colours + 4 * idx4(i)); }
    void setColour(int i, uint32_t v) { put(profile_offset::Colours + 4 * idx4(i), v); }
    uint32_t colourIsCustom(int i) const {
        return get(profile_offset::ColourIsCustom + 4 * idx4(i));
    }
    void setColourIsCustom(int i, uint32_t v) {
        put(profile_offset::ColourIsCustom + 4 * idx4(i), v);
    }
    uint32_t presetIndex(int i) const { return get(profile_offset::PresetIndex + 4 * idx4(i)); }
    void setPresetIndex(int i, uint32_t v) { put(profile_offset::PresetIndex + 4 * idx4(i), v); }
    uint32_t proximitySensing() const { return get(profile_offset::ProximitySensing); }
    void setProximitySensing(uint32_t v) { put(profile_offset::ProximitySensing, v); }
    uint32_t enhancePrecision() const { return get(profile_offset::EnhancePrecision); }
    void setEnhancePrecision(uint32_t v) { put(profile_offset::EnhancePrecision, v); }
    uint32_t pointerSpeed() const { return get(profile_offset::PointerSpeed); }
    void setPointerSpeed(uint32_t v) { put(profile_offset::PointerSpeed, v); }
    uint32_t mode1Param() const { return get(profile_offset::Mode1Param); }
    void setMode1Param(uint32_t v) { put(profile_offset::Mode1Param, v); }
    uint32_t mode2Param() const { return get(profile_offset::Mode2Param); }
    void setMode2Param(uint32_t v) { put(profile_offset::Mode2Param, v); }
    uint32_t mode5Param() const { return get(profile_offset::Mode5Param); }
    void setMode5Param(uint32_t v) { put(profile_offset::Mode5Param, v); }
    int32_t wheelLines() const { return static_cast<int32_t>(get(profile_offset::WheelLines)); }
    void setWheelLines(int32_t v) { put(profile_offset::WheelLines, static_cast<uint32_t>(v)); }

    friend bool operator==(const ProfileSettings&, const ProfileSettings&) = default;

  private:
    static size_t idx4(int i);
    uint32_t get(size_t off) const;
    void put(size_t off, uint32_t v);
    ProfileImage image_{};
};

// Report-rate codes and their rates: 1 → 1000 Hz, 2 → 500 Hz, 4 → 250 Hz, 8 → 125 Hz.
// Returns 0 for a code that is none of these.
uint32_t reportRateHz(uint32_t code);

}  // namespace z408
