// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "functions/picker_rules.h"

#include "functions/key_tables.h"

namespace z408 {
namespace {

constexpr std::array<FunctionType, 24> kBasicList = {
    fn::CloseWindow, fn::LockPc, fn::Run,      fn::ShowDesktop, fn::ClassicDesktop,
    fn::SwitchApps,  fn::ZoomIn, fn::ZoomOut,  fn::Search,      fn::Click,
    fn::Menu,        fn::Middle, fn::Forward,  fn::Back,        fn::Music,
    fn::PlayPause,   fn::Stop,   fn::Previous, fn::Next,        fn::VolumeDown,
    fn::VolumeUp,    fn::Mute,   fn::Snipe,    fn::Fire};

struct ModifierBox {
    uint8_t flag;
    uint8_t usage;                // the modifier key alone
    std::array<uint8_t, 3> keys;  // 0 = unused
};

// In KeyCapture::Box order.
constexpr std::array<ModifierBox, KeyCapture::kBoxCount> kBoxes = {{
    {modifier::Ctrl, kUsageLeftCtrl, {0x11, 0xA2, 0xA3}},
    {modifier::Alt, kUsageLeftAlt, {0x12, 0xA4, 0xA5}},
    {modifier::Shift, kUsageLeftShift, {0x10, 0xA0, 0xA1}},
    {modifier::Win, kUsageLeftWin, {0x5B, 0x5C, 0}},
}};

// A press with or without the extended, injected or Alt-down flag, but not injected and Alt-down
// together; every release carries 0x80 and so is none of these.
bool togglesBox(uint32_t flags) {
    switch (flags) {
        case 0:
        case 1:
        case 16:
        case 17:
        case 32:
        case 33:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::span<const FunctionType> basicListFunctions() {
    return kBasicList;
}

void fillBasicChoice(int selected, PickerChoice& choice) {
    choice.value = selected >= 0 && static_cast<size_t>(selected) < kBasicList.size()
                       ? kBasicList[static_cast<size_t>(selected)]
                       : 0;
}

void fillMacroChoice(std::optional<uint32_t> macroId, PickerChoice& choice) {
    choice.value = 0;
    if (!macroId) return;
    choice.kind = fn::Macro;
    choice.value = *macroId;
}

void fillSoftwareChoice(const SoftwareRows& rows, PickerChoice& choice) {
    choice.value = 0;
    for (size_t k = 0; k < rows.paths.size(); ++k) {
        if (!rows.chosen[k] || rows.paths[k].empty()) continue;
        if (rows.paths[k].size() > kMaxPathUnits) return;
        const auto kind = static_cast<SoftwareKind>(0xC0u + 0x10u * k);
        choice.value = softwarePickerValue(kind, choice.button);
        choice.kind = fn::Software;
        choice.softwareKindIndex = static_cast<int32_t>(k);
        choice.path = rows.paths[k];
        return;
    }
}

void fillDefaultChoice(PickerChoice& choice) {
    choice.value = choice.button >= 0 && choice.button < kButtonCount
                       ? kDefaultFunctionTable[static_cast<size_t>(choice.button)]
                       : 0;
}

void fillDisableChoice(PickerChoice& choice) {
    choice.value = kDisableChoiceValue;
    choice.kind = fn::Disable;
}

std::optional<KeyCapture::Box> KeyCapture::boxOfKey(uint32_t key) {
    for (size_t b = 0; b < kBoxes.size(); ++b)
        for (uint8_t k : kBoxes[b].keys)
            if (k != 0 && k == key) return static_cast<Box>(b);
    return std::nullopt;
}

bool KeyCapture::keyEvent(uint32_t key, uint32_t flags) {
    if (const auto box = boxOfKey(key)) {
        if (togglesBox(flags)) toggleBox(*box);
        return false;
    }
    key_ = key;
    return true;
}

void KeyCapture::fillChoice(PickerChoice& choice) const {
    choice.kind = fn::KeyCombination;
    uint8_t flags = 0;
    int on = 0;
    uint8_t loneUsage = 0;
    for (size_t b = 0; b < kBoxes.size(); ++b) {
        if (!boxes_[b]) continue;
        flags |= kBoxes[b].flag;
        loneUsage = kBoxes[b].usage;
        ++on;
    }
    const uint8_t usage = key_ != 0 ? keyToUsage(key_) : 0;
    if (on == 0)
        choice.value = makeComboCode(0, usage);
    else if (usage != 0)
        choice.value = makeComboCode(flags, usage);
    else
        choice.value = on == 1 ? makeComboCode(0, loneUsage) : 0;
}

}  // namespace z408
