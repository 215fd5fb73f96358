#include "app/hint_texts.h"

#include <array>

namespace z408 {
namespace {

constexpr std::array<std::u16string_view, 18> kFirst{
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
};  // 1..18

constexpr std::array<std::u16string_view, 35> kSecond{
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
    u"str_tarvoWeb",
    u"str_importFile",
    u"str_exportFile",
    u"str_defaultname",
};  // 26..60

constexpr std::array<std::u16string_view, 30> kThird{
    u"str_dpi_setting",     u"str_sensor",
    u"str_usbrate",         u"str_windows_scroll",
    u"str_mouse_key",       u"str_panel",
    u"str_cur_function",    u"str_key_com",
    u"str_macro_set",       u"str_basic",
    u"str_advance",         u"str_disable",
    u"str_default_setting", u"str_browse",
    u"str_backlight",       u"str_breath_speed",
    u"str_multicolor1",     u"str_multicolor2",
    u"str_multicolor3",     u"str_proximity_sensing",
    u"str_color_setting",   u"str_cur_color",
    u"str_choose_color",    u"str_preset_color",
    u"str_custom_color",    u"str_macro_choose",
    u"str_marco_list",      u"str_key_list",
    u"str_driver_version",  u"str_firmware_version",
};  // 61..90

}  // namespace

std::u16string_view hintKey(int number) {
    if (number >= 1 && number <= 18) return kFirst[static_cast<size_t>(number - 1)];
    if (number >= 26 && number <= 60) return kSecond[static_cast<size_t>(number - 26)];
    if (number >= 61 && number <= 90) return kThird[static_cast<size_t>(number - 61)];
    return {};
}

}  // namespace z408
