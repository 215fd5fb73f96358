// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "functions/keyboard_layout.h"

namespace z408 {

char32_t UsKeyboardLayout::characterOf(uint32_t key) const {
    if (key >= 0x41 && key <= 0x5A) return U'a' + (key - 0x41);
    if (key >= 0x30 && key <= 0x39) return U'0' + (key - 0x30);
    switch (key) {
        case 0xBA:
            return U';';
        case 0xBB:
            return U'=';
        case 0xBC:
            return U',';
        case 0xBD:
            return U'-';
        case 0xBE:
            return U'.';
        case 0xBF:
            return U'/';
        case 0xC0:
            return U'`';
        case 0xDB:
            return U'[';
        case 0xDC:
            return U'\\';
        case 0xDD:
            return U']';
        case 0xDE:
            return U'\'';
        case 0xE2:
            return U'\\';  // the extra key of 102-key keyboards
        default:
            return 0;
    }
}

const UsKeyboardLayout& UsKeyboardLayout::instance() {
    static const UsKeyboardLayout layout;
    return layout;
}

}  // namespace z408
