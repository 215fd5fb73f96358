// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "shell/pointer_settings.h"

#include <atomic>

namespace z408 {
namespace {
std::atomic<PointerSettingsFactory> pointerFactory{nullptr};
}  // namespace

void setPointerSettingsFactory(PointerSettingsFactory factory) {
    pointerFactory = factory;
}

std::unique_ptr<PointerSettings> openPointerSettings() {
    const PointerSettingsFactory factory = pointerFactory.load();
    return factory ? factory() : nullptr;
}

PointerValues pointerValuesOf(uint32_t enhancePrecision, uint32_t pointerSpeed,
                              int32_t wheelLines) {
    PointerValues v;
    if (enhancePrecision != 0) v.mouse = {6, 10, 1};
    v.speed = pointerSpeed;
    v.wheelLines = static_cast<uint32_t>(wheelLines);
    return v;
}

void ApplyPointerSettings(PointerSettings& settings, const PointerValues& values) {
    settings.setMouse(values.mouse);
    settings.setMouseSpeed(values.speed);
    settings.setWheelScrollLines(values.wheelLines);
}

}  // namespace z408
