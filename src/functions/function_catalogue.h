// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// What a button can do: the numbered functions, their built-in names and kinds.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace z408 {

using FunctionType = uint32_t;

namespace fn {
inline constexpr FunctionType Click = 1, Menu = 2, Middle = 4, KeyCombination = 5, Macro = 6,
                              Forward = 8, ScrollUp = 11, Back = 16, Software = 19, Scroll = 22,
                              PlayPause = 32, Stop = 33, Previous = 34, Next = 35, VolumeUp = 37,
                              VolumeDown = 38, Mute = 39, Music = 40, CloseWindow = 81, LockPc = 82,
                              Run = 84, ShowDesktop = 85, Disable = 121, ClassicDesktop = 123,
                              SwitchApps = 124, Search = 125, ZoomIn = 126, ZoomOut = 127,
                              Snipe = 142, Fire = 143;
}  // namespace fn

enum class FunctionKind {
    MouseButton,
    KeyCombination,
    Macro,
    Wheel,
    Software,  // executed by the computer: sound, program, file, folder
    MediaKey,
    SystemShortcut,
    Disable,
    Sniper,
    Fire,
};

struct CatalogueEntry {
    FunctionType type;
    std::string_view chineseName;  // empty for 5, 6 and 19: their names are per assignment
    std::string_view englishName;
    FunctionKind kind;
    std::string_view pickerKey;  // language key labelling the basic list entry; empty if not there
};

// Every function, in number order.
std::span<const CatalogueEntry> functionCatalogue();
const CatalogueEntry* findFunction(FunctionType type);

// The built-in name of a catalogue function in Chinese or English; empty for every other number,
// 5, 6 and 19 included.
std::string_view functionName(FunctionType type, bool chinese);

inline constexpr int kButtonCount = 7;
// Button order everywhere: left, middle, right, forward, back, wheel up, wheel down.
inline constexpr std::array<FunctionType, kButtonCount> kDefaultFunctionTable = {
    fn::Click, fn::Middle, fn::Menu, fn::Forward, fn::Back, fn::ScrollUp, fn::Scroll};

// Built-in names that are translated when the language changed since they were stored. The last
// pair's English member is "Scroll down", unlike the catalogue name of function 22.
struct NamePair {
    std::string_view chinese;
    std::string_view english;
};
std::span<const NamePair> translatableNamePairs();
// The partner of a built-in name stored in the other language: the English member of a pair
// when `chinese` is clear and the name is a Chinese member, and the reverse. Nothing for any
// other name, or for a name already in the wanted language.
std::optional<std::string_view> translatedBuiltInName(std::string_view name, bool chinese);

// Whether `name` is a name the program itself stores for function `type`: its English or Chinese
// catalogue name, or a member of its translatable pair ("Scroll down" for 22). A name the person
// gave (a macro's, a program path, a key combination) is not.
bool isBuiltInName(FunctionType type, std::string_view name);

// The name to show for a button with function `type` and stored name `stored` in the interface
// language `languageId`. English and Chinese show the stored name, as profiles store those. In the
// other languages a built-in name shows as `languageText` (that language's text under the
// function's picker key) or, for the functions the language files do not name, the program's
// own text; a name the person gave, or one without any text, shows as stored. Display only: the
// stored name never changes with the language.
std::u16string shownFunctionName(FunctionType type, std::u16string_view stored, int64_t languageId,
                                 std::u16string_view languageText);

// Software kinds of function 19.
enum class SoftwareKind : uint32_t { Sound = 0xC0, Program = 0xD0, File = 0xE0, Folder = 0xF0 };
inline constexpr int kSoftwareKindCount = 4;
std::optional<SoftwareKind> softwareKindFromValue(uint32_t value);
std::string_view softwareKindName(SoftwareKind kind);
// The value the function picker returns with a software function; stored only.
uint32_t softwarePickerValue(SoftwareKind kind, int button);

}  // namespace z408
