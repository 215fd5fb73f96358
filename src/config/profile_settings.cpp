// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "config/profile_settings.h"

#include <algorithm>
#include <cassert>

#include "common/binary.h"
#include "common/text.h"

namespace z408 {

template <typename Image>
uint32_t ButtonAssignmentView<Image>::get(size_t off) const {
    return le::get32(image_, base_ + off);
}
template <typename Image>
void ButtonAssignmentView<Image>::put(size_t off, uint32_t v) {
    le::put32(image_, base_ + off, v);
}
template <typename Image>
std::u16string ButtonAssignmentView<Image>::path() const {
    return readUtf16Field(image_, base_ + button_offset::Path, kPathUnits);
}
template <typename Image>
std::u16string ButtonAssignmentView<Image>::displayName() const {
    return readUtf16Field(image_, base_ + button_offset::DisplayName, kPathUnits);
}
template <typename Image>
bool ButtonAssignmentView<Image>::setPath(std::u16string_view text) {
    return writeUtf16Field(image_, base_ + button_offset::Path, kPathUnits, text);
}
template <typename Image>
bool ButtonAssignmentView<Image>::setDisplayName(std::u16string_view text) {
    return writeUtf16Field(image_, base_ + button_offset::DisplayName, kPathUnits, text);
}

template class ButtonAssignmentView<ProfileImage>;
// The read-only view only instantiates its getters.
template uint32_t ButtonAssignmentView<const ProfileImage>::get(size_t) const;
template std::u16string ButtonAssignmentView<const ProfileImage>::path() const;
template std::u16string ButtonAssignmentView<const ProfileImage>::displayName() const;

namespace {
// Indexes come from the program, never from a file: a bad one is our bug. Debug builds stop on it;
// release builds clamp so the image is never addressed outside its bounds.
size_t checkedIndex(int i, int count) {
    assert(i >= 0 && i < count);
    return static_cast<size_t>(std::clamp(i, 0, count - 1));
}

size_t buttonBase(int index) {
    index = static_cast<int>(checkedIndex(index, kButtonCount));
    return profile_offset::Buttons + kButtonAssignmentSize * static_cast<size_t>(index);
}
}  // namespace

ProfileSettings ProfileSettings::defaults(bool chinese) {
    ProfileSettings p;
    p.fillDefaults(chinese);
    return p;
}

void ProfileSettings::fillDefaults(bool chinese) {
    image_.fill(0);
    put(profile_offset::Magic, kProfileMagic);
    for (int i = 0; i < kDpiLevelCount; ++i)
        setDpiLevel(i, kDefaultDpiLevels[static_cast<size_t>(i)]);
    setHeightSlider(15);
    setReportRateCode(1);
    setEnhancePrecision(0);
    setPointerSpeed(10);
    setWheelLines(3);
    for (int b = 0; b < kButtonCount; ++b) {
        const FunctionType f = kDefaultFunctionTable[static_cast<size_t>(b)];
        auto btn = button(b);
        btn.setFunctionType(f);
        btn.setMacroId(0);
        btn.setDisplayName(utf8ToUtf16(functionName(f, chinese)));
    }
    setLightingMode(5);
    setMulticolourOption(0);
    for (int i = 0; i < 4; ++i) {
        setColour(i, 0x000000FF);
        setColourIsCustom(i, 1);
        setPresetIndex(i, 0);
    }
    setProximitySensing(1);
    setMode1Param(5);
    setMode2Param(3);
    setMode5Param(4);
}

void ProfileSettings::assign(std::span<const uint8_t> bytes) {
    image_.fill(0);
    std::copy_n(bytes.begin(), std::min(bytes.size(), image_.size()), image_.begin());
}

ButtonAssignmentView<ProfileImage> ProfileSettings::button(int index) {
    return {image_, buttonBase(index)};
}
ButtonAssignmentView<const ProfileImage> ProfileSettings::button(int index) const {
    return {image_, buttonBase(index)};
}

std::array<FunctionType, kButtonCount> ProfileSettings::functionTypes() const {
    std::array<FunctionType, kButtonCount> out{};
    for (int b = 0; b < kButtonCount; ++b) out[static_cast<size_t>(b)] = button(b).functionType();
    return out;
}

uint32_t ProfileSettings::dpiLevel(int level) const {
    return get(profile_offset::DpiLevels + 4 * checkedIndex(level, kDpiLevelCount));
}
void ProfileSettings::setDpiLevel(int level, uint32_t dpi) {
    put(profile_offset::DpiLevels + 4 * checkedIndex(level, kDpiLevelCount), dpi);
}

size_t ProfileSettings::idx4(int i) {
    return checkedIndex(i, 4);
}
uint32_t ProfileSettings::get(size_t off) const {
    return le::get32(image_, off);
}
void ProfileSettings::put(size_t off, uint32_t v) {
    le::put32(image_, off, v);
}

uint32_t reportRateHz(uint32_t code) {
    switch (code) {
        case 1:
            return 1000;
        case 2:
            return 500;
        case 4:
            return 250;
        case 8:
            return 125;
        default:
            return 0;
    }
}

}  // namespace z408
