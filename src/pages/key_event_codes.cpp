// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "pages/key_event_codes.h"

#include <QKeyEvent>
#include <utility>

#include "desktop/keysym_map.h"

namespace z408 {
namespace {

// Keys by Qt's key number where the event carries no X keysym (other platforms, synthesised
// events); modifiers read as their left-hand keys. Laid out by hand.
// clang-format off
constexpr std::pair<int, uint8_t> kNamedKeys[] = {
    {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},        {Qt::Key_Backtab, 0x09},
    {Qt::Key_Clear, 0x0C},     {Qt::Key_Return, 0x0D},     {Qt::Key_Enter, 0x0D},
    {Qt::Key_Shift, 0xA0},     {Qt::Key_Control, 0xA2},    {Qt::Key_Alt, 0xA4},
    {Qt::Key_Meta, 0x5B},      {Qt::Key_Super_L, 0x5B},    {Qt::Key_Super_R, 0x5C},
    {Qt::Key_Pause, 0x13},     {Qt::Key_CapsLock, 0x14},   {Qt::Key_Escape, 0x1B},
    {Qt::Key_Space, 0x20},     {Qt::Key_PageUp, 0x21},     {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},       {Qt::Key_Home, 0x24},       {Qt::Key_Left, 0x25},
    {Qt::Key_Up, 0x26},        {Qt::Key_Right, 0x27},      {Qt::Key_Down, 0x28},
    {Qt::Key_Print, 0x2C},     {Qt::Key_Insert, 0x2D},     {Qt::Key_Delete, 0x2E},
    {Qt::Key_Help, 0x2F},      {Qt::Key_Menu, 0x5D},       {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91}, {Qt::Key_VolumeMute, 0xAD}, {Qt::Key_VolumeDown, 0xAE},
    {Qt::Key_VolumeUp, 0xAF},  {Qt::Key_MediaNext, 0xB0},  {Qt::Key_MediaPrevious, 0xB1},
    {Qt::Key_MediaStop, 0xB2}, {Qt::Key_MediaTogglePlayPause, 0xB3},
    {Qt::Key_Semicolon, 0xBA}, {Qt::Key_Equal, 0xBB},      {Qt::Key_Comma, 0xBC},
    {Qt::Key_Minus, 0xBD},     {Qt::Key_Period, 0xBE},     {Qt::Key_Slash, 0xBF},
    {Qt::Key_QuoteLeft, 0xC0}, {Qt::Key_BracketLeft, 0xDB}, {Qt::Key_Backslash, 0xDC},
    {Qt::Key_BracketRight, 0xDD}, {Qt::Key_Apostrophe, 0xDE},
};
// clang-format on

uint8_t keypadKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<uint8_t>(0x60 + key - Qt::Key_0);
    switch (key) {
        case Qt::Key_Asterisk:
            return 0x6A;
        case Qt::Key_Plus:
            return 0x6B;
        case Qt::Key_Minus:
            return 0x6D;
        case Qt::Key_Period:
            return 0x6E;
        case Qt::Key_Slash:
            return 0x6F;
        case Qt::Key_Enter:
            return 0x0D;
        default:
            return 0;
    }
}

uint8_t keyOfQtKey(int key, bool keypad) {
    if (keypad)
        if (const uint8_t k = keypadKey(key)) return k;
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<uint8_t>(key);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<uint8_t>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<uint8_t>(0x70 + key - Qt::Key_F1);
    for (const auto& [qtKey, vk] : kNamedKeys)
        if (qtKey == key) return vk;
    return 0;
}

}  // namespace

HookKey hookKeyOf(const QKeyEvent& event) {
    HookKey out;
    bool extended = false;
    // On X11 the event carries the keysym, which tells left from right modifiers.
    if (const quint32 keysym = event.nativeVirtualKey(); keysym != 0) {
        const desktop::VirtualKey vk = desktop::virtualKeyOfKeysym(keysym);
        out.key = vk.code;
        extended = vk.extended;
    }
    if (out.key == 0)
        out.key = keyOfQtKey(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
    out.flags = (extended ? 0x01u : 0u) | (event.type() == QEvent::KeyRelease ? 0x80u : 0u);
    return out;
}

}  // namespace z408
