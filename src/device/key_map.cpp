// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "device/key_map.h"

#include "common/binary.h"

namespace z408 {
namespace {

struct FixedCode {
    FunctionType type;
    uint32_t code;
};

// clang-format off
constexpr FixedCode kFixedCodes[] = {
    {fn::Click, 0x00F00001},          {fn::Menu, 0x00F10001},
    {fn::Middle, 0x00F20001},         {fn::Forward, 0x00F40001},
    {fn::Back, 0x00F30001},           {fn::ScrollUp, 0x00010004},
    {fn::Scroll, 0x00020004},         {fn::PlayPause, 0x00CD0003},
    {fn::Stop, 0x00B70003},           {fn::Previous, 0x00B60003},
    {fn::Next, 0x00B50003},           {fn::VolumeUp, 0x00E90003},
    {fn::VolumeDown, 0x00EA0003},     {fn::Mute, 0x00E20003},
    {fn::Music, 0x01830003},          {fn::CloseWindow, 0x003D0400},
    {fn::LockPc, 0x000F0800},         {fn::Run, 0x00150800},
    {fn::ShowDesktop, 0x00070800},    {fn::Disable, 0x00000007},
    {fn::ClassicDesktop, 0x00100800}, {fn::SwitchApps, 0x002B0400},
    {fn::Search, 0x00140800},         {fn::ZoomIn, 0x00570800},
    {fn::ZoomOut, 0x00560800},        {fn::Snipe, 0x08040007},
    {fn::Fire, 0x0218F00A},
};
// clang-format on

constexpr std::array<uint32_t, kButtonCount> kSoftwareDefaultCodes = {
    0x00F00001, 0x00F20001, 0x00F10001, 0x00F40001, 0x00F30001, 0x00010004, 0x00020004};

}  // namespace

void KeyMap::setSlot(size_t slot, uint32_t code) {
    if (slot < kKeyMapSlots) le::put32(bytes_, 4 * slot, code);
}

uint32_t KeyMap::slot(size_t slot) const {
    return slot < kKeyMapSlots ? le::get32(bytes_, 4 * slot) : 0;
}

std::optional<uint32_t> fixedBindingCode(FunctionType type) {
    for (const FixedCode& c : kFixedCodes)
        if (c.type == type) return c.code;
    return std::nullopt;
}

uint32_t softwareDefaultCode(int button) {
    return button >= 0 && button < kButtonCount ? kSoftwareDefaultCodes[static_cast<size_t>(button)]
                                                : 0;
}

bool interceptsSoftwareFunction(int button) {
    return button > 0 && button < kButtonCount;
}

}  // namespace z408
