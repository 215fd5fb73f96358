// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/keysym_map.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

namespace z408::desktop {
namespace {

struct KeysymRow {
    uint32_t keysym;
    uint8_t key;
    bool extended;
};

// Named keys; the extended flag follows what a Windows keyboard driver reports for the key
// (the navigation block, right-hand Ctrl/Alt, Windows keys, keypad divide and Enter, media keys).
constexpr KeysymRow kNamedKeys[] = {
    {XK_BackSpace, 0x08, false},
    {XK_Tab, 0x09, false},
    {XK_ISO_Left_Tab, 0x09, false},
    {XK_Clear, 0x0C, false},
    {XK_Return, 0x0D, false},
    {XK_Pause, 0x13, false},
    {XK_Scroll_Lock, 0x91, false},
    {XK_Sys_Req, 0x2C, true},
    {XK_Escape, 0x1B, false},
    {XK_Delete, 0x2E, true},
    {XK_Home, 0x24, true},
    {XK_Left, 0x25, true},
    {XK_Up, 0x26, true},
    {XK_Right, 0x27, true},
    {XK_Down, 0x28, true},
    {XK_Prior, 0x21, true},
    {XK_Next, 0x22, true},
    {XK_End, 0x23, true},
    {XK_Begin, 0x0C, false},
    {XK_Select, 0x29, false},
    {XK_Print, 0x2C, true},
    {XK_Execute, 0x2B, false},
    {XK_Insert, 0x2D, true},
    {XK_Menu, 0x5D, true},
    {XK_Help, 0x2F, false},
    {XK_Break, 0x03, true},
    {XK_Cancel, 0x03, false},
    {XK_Num_Lock, 0x90, true},
    {XK_KP_Space, 0x20, false},
    {XK_KP_Tab, 0x09, false},
    {XK_KP_Enter, 0x0D, true},
    {XK_KP_F1, 0x70, false},
    {XK_KP_F2, 0x71, false},
    {XK_KP_F3, 0x72, false},
    {XK_KP_F4, 0x73, false},
    {XK_KP_Home, 0x24, false},
    {XK_KP_Left, 0x25, false},
    {XK_KP_Up, 0x26, false},
    {XK_KP_Right, 0x27, false},
    {XK_KP_Down, 0x28, false},
    {XK_KP_Prior, 0x21, false},
    {XK_KP_Next, 0x22, false},
    {XK_KP_End, 0x23, false},
    {XK_KP_Begin, 0x0C, false},
    {XK_KP_Insert, 0x2D, false},
    {XK_KP_Delete, 0x2E, false},
    {XK_KP_Equal, 0xBB, false},
    {XK_KP_Multiply, 0x6A, false},
    {XK_KP_Add, 0x6B, false},
    {XK_KP_Separator, 0x6C, false},
    {XK_KP_Subtract, 0x6D, false},
    {XK_KP_Decimal, 0x6E, false},
    {XK_KP_Divide, 0x6F, true},
    {XK_Shift_L, 0xA0, false},
    {XK_Shift_R, 0xA1, false},
    {XK_Control_L, 0xA2, false},
    {XK_Control_R, 0xA3, true},
    {XK_Caps_Lock, 0x14, false},
    {XK_Shift_Lock, 0x14, false},
    {XK_Alt_L, 0xA4, false},
    {XK_Alt_R, 0xA5, true},
    {XK_ISO_Level3_Shift, 0xA5, true},
    {XK_Meta_L, 0xA4, false},
    {XK_Meta_R, 0xA5, true},
    {XK_Super_L, 0x5B, true},
    {XK_Super_R, 0x5C, true},
    {XK_Kanji, 0x19, false},
    {XK_Muhenkan, 0x1D, false},
    {XK_Henkan, 0x1C, false},
    {XK_Hangul, 0x15, false},
    {XK_Hangul_Hanja, 0x19, false},
    // media, browser and launcher keys
    {XF86XK_AudioMute, 0xAD, true},
    {XF86XK_AudioLowerVolume, 0xAE, true},
    {XF86XK_AudioRaiseVolume, 0xAF, true},
    {XF86XK_AudioNext, 0xB0, true},
    {XF86XK_AudioPrev, 0xB1, true},
    {XF86XK_AudioStop, 0xB2, true},
    {XF86XK_AudioPlay, 0xB3, true},
    {XF86XK_AudioPause, 0xB3, true},
    {XF86XK_Mail, 0xB4, true},
    {XF86XK_AudioMedia, 0xB5, true},
    {XF86XK_Tools, 0xB5, true},
    {XF86XK_MyComputer, 0xB6, true},
    {XF86XK_Calculator, 0xB7, true},
    {XF86XK_Back, 0xA6, true},
    {XF86XK_Forward, 0xA7, true},
    {XF86XK_Refresh, 0xA8, true},
    {XF86XK_Reload, 0xA8, true},
    {XF86XK_Stop, 0xA9, true},
    {XF86XK_Search, 0xAA, true},
    {XF86XK_Favorites, 0xAB, true},
    {XF86XK_HomePage, 0xAC, true},
    {XF86XK_Sleep, 0x5F, true},
};

// US punctuation, both levels of each key.
constexpr KeysymRow kPunctuation[] = {
    {XK_space, 0x20, false},       {XK_semicolon, 0xBA, false},    {XK_colon, 0xBA, false},
    {XK_equal, 0xBB, false},       {XK_plus, 0xBB, false},         {XK_comma, 0xBC, false},
    {XK_less, 0xBC, false},        {XK_minus, 0xBD, false},        {XK_underscore, 0xBD, false},
    {XK_period, 0xBE, false},      {XK_greater, 0xBE, false},      {XK_slash, 0xBF, false},
    {XK_question, 0xBF, false},    {XK_grave, 0xC0, false},        {XK_asciitilde, 0xC0, false},
    {XK_bracketleft, 0xDB, false}, {XK_braceleft, 0xDB, false},    {XK_backslash, 0xDC, false},
    {XK_bar, 0xDC, false},         {XK_bracketright, 0xDD, false}, {XK_braceright, 0xDD, false},
    {XK_apostrophe, 0xDE, false},  {XK_quotedbl, 0xDE, false},
};

// evdev keycodes (Linux key code + 8) of the printable keys of a US keyboard.
constexpr uint8_t kUsPositions[][2] = {
    {10, 0x31}, {11, 0x32}, {12, 0x33}, {13, 0x34}, {14, 0x35}, {15, 0x36}, {16, 0x37}, {17, 0x38},
    {18, 0x39}, {19, 0x30}, {20, 0xBD}, {21, 0xBB}, {24, 0x51}, {25, 0x57}, {26, 0x45}, {27, 0x52},
    {28, 0x54}, {29, 0x59}, {30, 0x55}, {31, 0x49}, {32, 0x4F}, {33, 0x50}, {34, 0xDB}, {35, 0xDD},
    {38, 0x41}, {39, 0x53}, {40, 0x44}, {41, 0x46}, {42, 0x47}, {43, 0x48}, {44, 0x4A}, {45, 0x4B},
    {46, 0x4C}, {47, 0xBA}, {48, 0xDE}, {49, 0xC0}, {51, 0xDC}, {52, 0x5A}, {53, 0x58}, {54, 0x43},
    {55, 0x56}, {56, 0x42}, {57, 0x4E}, {58, 0x4D}, {59, 0xBC}, {60, 0xBE}, {61, 0xBF}, {65, 0x20},
    {94, 0xE2},  // the extra key of 102-key keyboards
};

constexpr uint32_t kKey102 = 94;

bool isKeypadDigit(uint32_t keysym) {
    return (keysym >= XK_KP_0 && keysym <= XK_KP_9) || keysym == XK_KP_Decimal ||
           keysym == XK_KP_Separator;
}

}  // namespace

VirtualKey virtualKeyOfKeysym(uint32_t keysym) {
    if (keysym >= XK_a && keysym <= XK_z)
        return {static_cast<uint8_t>(0x41 + keysym - XK_a), false};
    if (keysym >= XK_A && keysym <= XK_Z)
        return {static_cast<uint8_t>(0x41 + keysym - XK_A), false};
    if (keysym >= XK_0 && keysym <= XK_9)
        return {static_cast<uint8_t>(0x30 + keysym - XK_0), false};
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9)
        return {static_cast<uint8_t>(0x60 + keysym - XK_KP_0), false};
    if (keysym >= XK_F1 && keysym <= XK_F24)
        return {static_cast<uint8_t>(0x70 + keysym - XK_F1), false};
    for (const auto& r : kNamedKeys)
        if (r.keysym == keysym) return {r.key, r.extended};
    for (const auto& r : kPunctuation)
        if (r.keysym == keysym) return {r.key, r.extended};
    return {};
}

uint8_t virtualKeyOfUsPosition(uint32_t keycode) {
    for (const auto& p : kUsPositions)
        if (p[0] == keycode) return p[1];
    return 0;
}

void KeycodeTable::build(KeysymLookup lookup, void* context) {
    for (uint32_t kc = 0; kc < entries_.size(); ++kc) {
        KeycodeEntry e;
        const uint32_t level0 = kc >= 8 ? lookup(context, kc, 0) : 0;
        const uint32_t level1 = kc >= 8 ? lookup(context, kc, 1) : 0;
        if (level0 != 0) {
            VirtualKey vk = virtualKeyOfKeysym(level0);
            // A digit on the second level (AZERTY's digit row) names the key as on Windows.
            if (vk.code == 0 && level1 >= XK_0 && level1 <= XK_9) vk = virtualKeyOfKeysym(level1);
            // The extra key of 102-key keyboards has its own virtual key whatever it produces.
            if (kc == kKey102) vk = {virtualKeyOfUsPosition(kc), false};
            if (vk.code == 0) vk.code = virtualKeyOfUsPosition(kc);
            if (vk.code == 0) vk.code = kNoVirtualKey;
            e.key = vk.code;
            e.extended = vk.extended;
            e.keyNumLock = isKeypadDigit(level1) ? virtualKeyOfKeysym(level1).code : vk.code;
        }
        entries_[kc] = e;
    }
}

uint8_t KeycodeTable::keycodeOf(uint8_t virtualKey) const {
    for (uint32_t kc = 8; kc < entries_.size(); ++kc)
        if (entries_[kc].key == virtualKey) return static_cast<uint8_t>(kc);
    return 0;
}

}  // namespace z408::desktop
