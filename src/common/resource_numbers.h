// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Numbers of the built-in bitmaps (":/res/<number>.<ext>"). The skin generator draws each picture
// under its number and the windows load it by the same number, so both take them from here.
// Page images named by a number in the skin layout table are not listed: the table is their
// one definition.
namespace z408::res {

inline constexpr int kTrayIcon = 128;             // PNG
inline constexpr int kPopupBackground = 129;      // PNG, the language popup
inline constexpr int kMenuIconBeforeFirst = 129;  // + LanguageId: 19x11 PNG flag of the popup
inline constexpr int kFlagBeforeFirst = 141;      // + LanguageId: 37x22 bitmap flag of the window

// The main window's Apply button, whose pictures carry its caption: normal, pressed, hover.
inline constexpr int kApplyChinese = 154;
inline constexpr int kApplyEnglish = 157;
// The button tabs of the main settings page: pressed (selected), normal, hover.
inline constexpr int kButtonTabsChinese = 160;
inline constexpr int kButtonTabsEnglish = 163;

inline constexpr int kScrollSkin = 166;  // the skinned scroll bars' parts

// Icons of the tray menu.
inline constexpr int kMenuIconExit = 1011;
inline constexpr int kMenuIconConfig = 1012;

constexpr int languageMenuIcon(int languageId) {
    return kMenuIconBeforeFirst + languageId;
}
constexpr int languageFlag(int languageId) {
    return kFlagBeforeFirst + languageId;
}

}  // namespace z408::res
