// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/x11_keyboard_layout.h"

#include <string>

#include "desktop/keysym_map.h"

// Last: Xlib defines macros (None, Status) that clash with ordinary names.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace z408::desktop {
namespace {

uint32_t keysymAt(XkbDescPtr xkb, uint32_t keycode, int group, int level) {
    const auto kc = static_cast<KeyCode>(keycode);
    if (keycode < xkb->min_key_code || keycode > xkb->max_key_code) return 0;
    const int groups = XkbKeyNumGroups(xkb, kc);
    if (groups == 0) return 0;
    if (group >= groups) group = 0;  // keys with fewer groups repeat their first one
    if (level >= XkbKeyGroupWidth(xkb, kc, group)) return 0;
    return static_cast<uint32_t>(XkbKeySymEntry(xkb, kc, level, group));
}

}  // namespace

X11KeyboardLayout::X11KeyboardLayout() {
    std::string error;
    display_ = openX11Display(error);
}

X11KeyboardLayout::~X11KeyboardLayout() {
    closeX11Display(display_);
}

char32_t X11KeyboardLayout::characterOfKeysym(uint32_t keysym) {
    if ((keysym >= 0x20 && keysym <= 0x7E) || (keysym >= 0xA0 && keysym <= 0xFF)) return keysym;
    if ((keysym & 0xFF000000u) == 0x01000000u) {
        const char32_t c = keysym & 0x00FFFFFFu;
        return c <= 0x10FFFF ? c : 0;
    }
    return 0;
}

char32_t X11KeyboardLayout::characterOf(uint32_t key) const {
    std::lock_guard lock(mutex_);
    if (display_ == nullptr || key > 0xFF) return UsKeyboardLayout::instance().characterOf(key);
    // Fetched on every call: the user may have switched layouts since the last one.
    XkbDescPtr xkb = XkbGetMap(display_, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd);
    if (xkb == nullptr) return UsKeyboardLayout::instance().characterOf(key);
    XkbStateRec state{};
    const int group = XkbGetState(display_, XkbUseCoreKbd, &state) == Success ? state.group : 0;
    // The key is the one the input source reports under this virtual key.
    KeycodeTable table;
    table.build([](void* ctx, uint32_t kc,
                   int level) { return keysymAt(static_cast<XkbDescPtr>(ctx), kc, 0, level); },
                xkb);
    const uint8_t keycode = table.keycodeOf(static_cast<uint8_t>(key));
    const char32_t c = keycode != 0 ? characterOfKeysym(keysymAt(xkb, keycode, group, 0)) : 0;
    XkbFreeKeyboard(xkb, 0, True);
    // A symbol without a character of its own (a legacy national keysym) reads as on US keys.
    return c != 0 ? c : UsKeyboardLayout::instance().characterOf(key);
}

}  // namespace z408::desktop
