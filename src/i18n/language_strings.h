// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The user-interface texts that a language file can change: 114 texts, each under a key that is
// also the element name in the file. Empty until a language file is loaded.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace z408 {

inline constexpr size_t kLanguageKeyCount = 114;

// In the order the loader reads them. "str_led_changeClolor" and "str_marco_list" are spelt as
// the language files spell them.
inline constexpr std::array<std::u16string_view, kLanguageKeyCount> kLanguageKeys{
    u"str_main",
    u"str_led_title",
    u"str_macro_manager",
    u"str_sts",
    u"str_about",
    u"str_profile1",
    u"str_profile2",
    u"str_profile3",
    u"str_profile4",
    u"str_profile5",
    u"str_ok",
    u"str_dpiwant",
    u"str_mouseSpeed",
    u"str_improveAccuracy",
    u"str_sheight",
    u"str_rollingrate",
    u"str_rollerColumn",
    u"str_rollerScreen",
    u"str_close",
    u"str_lock",
    u"str_run",
    u"str_show",
    u"str_win8_classic",
    u"str_win8_switch",
    u"str_win8_winp",
    u"str_win8_winm",
    u"str_find",
    u"str_mouseleft",
    u"str_mousemiddle",
    u"str_mouseright",
    u"str_pre",
    u"str_back",
    u"str_player",
    u"str_PL",
    u"str_stop",
    u"str_pre_media",
    u"str_next_media",
    u"str_vol_dw",
    u"str_vol_up",
    u"str_mute",
    u"str_snipe",
    u"str_fire",
    u"str_advanced_sound",
    u"str_advanced_exe",
    u"str_advanced_file",
    u"str_advanced_dir",
    u"str_ledspe",
    u"str_led_apmbre",
    u"str_led_off",
    u"str_led_norbre",
    u"str_led_frequency",
    u"str_led_brealways",
    u"str_led_brightness",
    u"str_led_symphony",
    u"str_led_changeClolor",
    u"str_led_setColor",
    u"str_led_symphonySpeed",
    u"str_led_body_on",
    u"str_led_body_off",
    u"str_led_custom",
    u"str_new_macro",
    u"str_del_macro",
    u"str_macro_new",
    u"str_macro_del",
    u"str_macro_modify",
    u"str_macro_start",
    u"str_macro_end",
    u"str_macro_delay",
    u"str_macro_loop",
    u"str_click",
    u"str_middle",
    u"str_menu",
    u"str_macro_msg6",
    u"str_macro_msg7",
    u"str_cups",
    u"str_resetSts",
    u"str_update",
    u"str_importFile",
    u"str_exportFile",
    u"str_tarvoWeb",
    u"str_defaultname",
    u"str_msg2",
    u"str_msg4",
    u"str_msg5",
    u"str_dpi_setting",
    u"str_sensor",
    u"str_usbrate",
    u"str_windows_scroll",
    u"str_mouse_key",
    u"str_panel",
    u"str_cur_function",
    u"str_key_com",
    u"str_macro_set",
    u"str_basic",
    u"str_advance",
    u"str_disable",
    u"str_default_setting",
    u"str_browse",
    u"str_backlight",
    u"str_breath_speed",
    u"str_multicolor1",
    u"str_multicolor2",
    u"str_multicolor3",
    u"str_proximity_sensing",
    u"str_color_setting",
    u"str_cur_color",
    u"str_choose_color",
    u"str_preset_color",
    u"str_custom_color",
    u"str_macro_choose",
    u"str_marco_list",
    u"str_key_list",
    u"str_driver_version",
    u"str_firmware_version",
};

// The position of a key in kLanguageKeys (case-sensitive).
std::optional<size_t> languageKeyIndex(std::u16string_view key);
std::string languageKeyName(size_t index);  // as UTF-8

class LanguageStrings {
  public:
    const std::u16string& text(size_t index) const;
    // Empty for a key that is not one of the 114.
    const std::u16string& text(std::u16string_view key) const;
    std::string utf8(std::u16string_view key) const;
    void set(size_t index, std::u16string text);
    void clear();
    // How many keys have a non-empty text.
    size_t filledCount() const;

  private:
    std::array<std::u16string, kLanguageKeyCount> texts_;
};

}  // namespace z408
