// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "cli/profile_edit.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "common/text.h"
#include "config/button_assignment.h"
#include "config/settings_page_rules.h"
#include "functions/key_tables.h"
#include "functions/keyboard_layout.h"
#include "functions/picker_rules.h"
#include "lighting/colours.h"
#include "lighting/lighting_page_model.h"
#include "macros/macro_library.h"

namespace z408::cli {
namespace {

constexpr std::string_view kButtonWords[kButtonCount] = {"left", "middle",   "right",     "forward",
                                                         "back", "wheel-up", "wheel-down"};

// The lighting modes by their place on the page (mode m at m - 1).
constexpr std::string_view kModeWords[kLightingModeCount] = {
    "steady", "breathing", "apm-breathing", "spectrum", "colour-flow", "off"};

constexpr std::string_view kSoftwareWords[kSoftwareKindCount] = {"sound", "program", "file",
                                                                 "folder"};

// The lighting page's swatches have no names of their own; these follow their colours.
constexpr std::string_view kPresetColourNames[kPresetColourCount] = {
    "rose", "red",   "orange",  "yellow",      "lime",   "green",  "forest", "spring", "cyan",
    "sky",  "azure", "blue",    "ultramarine", "indigo", "violet", "purple", "citron", "emerald",
    "pink", "brick", "crimson", "steel",       "grass",  "slate",  "iris",   "cobalt"};

constexpr std::string_view kSettingWords[] = {
    "button",   "dpi",   "report-rate",     "pointer-speed", "precision",   "wheel",  "height",
    "lighting", "level", "breathing-speed", "flow-speed",    "multicolour", "colour", "proximity"};

template <typename Words>
std::vector<std::string> wordList(const Words& words) {
    return std::vector<std::string>(std::begin(words), std::end(words));
}

EditResult done() {
    return {EditStatus::Done, {}};
}
EditResult bad(std::string message) {
    return {EditStatus::BadInput, std::move(message)};
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// A whole decimal number within [low, high]; nothing for anything else.
std::optional<int> number(std::string_view text, int low, int high) {
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < low || v > high)
        return std::nullopt;
    return v;
}

// A macro id, decimal or 0x-hexadecimal.
std::optional<uint32_t> macroIdNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && lower(text[1]) == 'x')
        text.remove_prefix(2), base = 16;
    uint32_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, base);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

std::optional<bool> onOff(std::string_view text) {
    if (sameWord(text, "on")) return true;
    if (sameWord(text, "off")) return false;
    return std::nullopt;
}

std::string joined(const std::vector<std::string>& words, size_t from) {
    std::string out;
    for (size_t i = from; i < words.size(); ++i) {
        if (i > from) out += ' ';
        out += words[i];
    }
    return out;
}

std::string valueText(const std::vector<std::string>& words) {
    // Appended, not built with operator+: GCC 12 at -O3 reports a false -Wrestrict there.
    return words.size() > 1 ? std::string("'").append(joined(words, 1)).append("'") : "nothing";
}

// The one value a setting takes, or the message saying what it takes.
EditResult oneValue(const std::vector<std::string>& words, std::string_view what) {
    if (words.size() != 2)
        return bad(std::string(words[0]) + " takes " + std::string(what) + ", not " +
                   valueText(words));
    return done();
}

std::optional<int> buttonIndex(std::string_view word) {
    for (int b = 0; b < kButtonCount; ++b)
        if (sameWord(word, kButtonWords[b])) return b;
    if (auto n = number(word, 1, kButtonCount)) return *n - 1;
    return std::nullopt;
}

EditResult assign(ProfileSettings& profile, MacroIdList& macroIds, const PickerChoice& choice,
                  const EditContext& context) {
    AssignmentContext assignment;
    assignment.chinese = context.languageId == 1;
    assignment.languageId = context.languageId;
    if (context.macros)
        assignment.macroName = [&](uint32_t id) -> std::optional<std::u16string> {
            const auto slot = context.macros->findMacroById(id);
            if (!slot) return std::nullopt;
            return context.macros->slot(*slot).name();
        };
    const AssignmentResult r = assignFunction(profile, macroIds, choice, assignment);
    switch (r.verdict) {
        case AssignmentVerdict::Assigned:
            return done();
        case AssignmentVerdict::InvalidChoice:
            return bad("that function cannot be given to a button");
        case AssignmentVerdict::NothingChosen:
            return bad("no function chosen");
        default:
            return {EditStatus::Refused, r.message};
    }
}

// The listed macro with this id, or the first listed one of this name.
std::optional<uint32_t> findMacro(const MacroLibrary& library, std::string_view idOrName) {
    if (const auto id = macroIdNumber(idOrName); id && *id != 0)
        if (const auto slot = library.findMacroById(*id); slot && library.slot(*slot).isListed())
            return *id;
    const std::u16string name = utf8ToUtf16(idOrName);
    for (size_t i = 0; i < MacroLibrary::size(); ++i) {
        const MacroEntry& m = library.slot(i);
        if (!m.isFree() && m.isListed() && m.id() != 0 && m.name() == name) return m.id();
    }
    return std::nullopt;
}

EditResult setButton(ProfileSettings& profile, MacroIdList& macroIds,
                     const std::vector<std::string>& words, const EditContext& context) {
    if (words.size() < 3)
        return bad("button takes a button and a function, e.g. 'button forward key \"Ctrl + F\"'");
    const auto b = buttonIndex(words[1]);
    if (!b)
        return bad("unknown button '" + words[1] + "'" +
                   didYouMean(words[1], wordList(kButtonWords)) +
                   "; the buttons are left, middle, right, forward, back, wheel-up, wheel-down "
                   "(or 1 to 7)");
    PickerChoice choice;
    choice.button = *b;
    const std::string_view function = words[2];
    const std::string rest = joined(words, 3);
    const auto noMore = [&]() -> std::optional<EditResult> {
        if (words.size() > 3)
            return bad(std::string(function) + " takes nothing more, not '" + rest + "'");
        return std::nullopt;
    };
    if (sameWord(function, "default")) {
        if (auto e = noMore()) return *e;
        fillDefaultChoice(choice);
    } else if (sameWord(function, "disable")) {
        if (auto e = noMore()) return *e;
        fillDisableChoice(choice);
    } else if (sameWord(function, "key")) {
        choice.kind = fn::KeyCombination;
        choice.value = parseKeyCombination(rest);
        if (choice.value == 0)
            return bad("'" + rest +
                       "' is no key combination: write modifiers (Ctrl, Alt, Shift, Win) and one "
                       "key joined by ' + ', e.g. \"Ctrl + F\", \"Shift + Alt + F5\", \"Win + L\"");
    } else if (sameWord(function, "macro")) {
        if (words.size() != 4) return bad("macro takes one macro id or name");
        if (!context.macros) return bad("no macro library to take the macro from");
        const auto id = findMacro(*context.macros, words[3]);
        if (!id)
            return bad("no macro with the id or name '" + words[3] +
                       "'; 'z408ctl macro list' shows the macros");
        fillMacroChoice(*id, choice);
    } else if (const auto kind =
                   std::find_if(std::begin(kSoftwareWords), std::end(kSoftwareWords),
                                [&](std::string_view w) { return sameWord(w, function); });
               kind != std::end(kSoftwareWords)) {
        if (words.size() != 4) return bad(std::string(function) + " takes one path");
        std::error_code ec;
        // The computer runs it later from anywhere: the path is kept whole.
        const std::filesystem::path path = std::filesystem::absolute(words[3], ec);
        const bool folder = *kind == "folder";
        if (ec || !(folder ? std::filesystem::is_directory(path, ec)
                           : std::filesystem::is_regular_file(path, ec))) {
            const bool exists = std::filesystem::exists(path, ec);
            return bad(path.string() +
                       (!exists  ? " does not exist; give the path of an existing "
                        : folder ? " is not a folder; give the path of a "
                                 : " is not a file; give the path of a ") +
                       (folder ? "folder" : "file"));
        }
        SoftwareRows rows;
        const auto k = static_cast<size_t>(kind - std::begin(kSoftwareWords));
        rows.chosen[k] = true;
        rows.paths[k] = utf8ToUtf16(path.string());
        fillSoftwareChoice(rows, choice);
        // A path too long for the field gives no choice: the assignment says so in the page's
        // words.
        if (choice.value == 0) {
            choice.value = softwarePickerValue(static_cast<SoftwareKind>(0xC0u + 0x10u * k), *b);
            choice.kind = fn::Software;
            choice.softwareKindIndex = static_cast<int32_t>(k);
            choice.path = rows.paths[k];
        }
    } else {
        // A name of the basic list, in English or Chinese.
        const std::string name = joined(words, 2);
        const auto list = basicListFunctions();
        const auto f = std::find_if(list.begin(), list.end(), [&](FunctionType t) {
            return sameWord(name, functionName(t, false)) || name == functionName(t, true);
        });
        if (f == list.end()) {
            std::vector<std::string> names = {"default", "disable", "key", "macro"};
            for (const std::string_view w : kSoftwareWords) names.emplace_back(w);
            for (const FunctionType t : list) names.emplace_back(functionName(t, false));
            return bad("unknown function '" + name + "'" + didYouMean(name, names) +
                       "; 'z408ctl profile set --help' lists the functions");
        }
        choice.value = *f;
    }
    return assign(profile, macroIds, choice, context);
}

EditResult setDpi(ProfileSettings& profile, const std::vector<std::string>& words) {
    DpiSelection selection{};
    int chosen = 0;
    for (size_t i = 1; i < words.size(); ++i) {
        std::string_view list = words[i];
        while (!list.empty()) {
            const size_t comma = list.find(',');
            const std::string_view item = trim(list.substr(0, comma));
            list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
            if (item.empty()) continue;
            const auto v = number(item, 1, 1 << 30);
            const auto at =
                v ? std::find(kDpiChoices.begin(), kDpiChoices.end(), static_cast<uint32_t>(*v))
                  : kDpiChoices.end();
            if (at == kDpiChoices.end())
                return bad("DPI " + std::string(item) +
                           " is not offered (500, 750, 1000, 1250, 1500, 2000, 2500, 3000, 3250, "
                           "3500, 4000, 5000, 6000, 7000)");
            bool& on = selection[static_cast<size_t>(at - kDpiChoices.begin())];
            if (on) return bad("DPI " + std::string(item) + " is given twice");
            on = true;
            ++chosen;
        }
    }
    if (chosen < 1 || chosen > kDpiLevelCount) return bad("dpi takes one to seven values");
    const auto levels = dpiLevelsFromSelection(selection);
    for (int i = 0; i < kDpiLevelCount; ++i) profile.setDpiLevel(i, levels[static_cast<size_t>(i)]);
    return done();
}

EditResult setLighting(ProfileSettings& profile, const std::vector<std::string>& words) {
    const std::string_view setting = words[0];
    LightingPageModel model;
    model.refresh(profile);
    if (sameWord(setting, "lighting")) {
        if (auto e = oneValue(words, "a mode"); e.status != EditStatus::Done) return e;
        for (int m = 1; m <= kLightingModeCount; ++m) {
            if (sameWord(words[1], kModeWords[m - 1]) ||
                (m == 5 && sameWord(words[1], "color-flow"))) {
                model.selectMode(profile, m);
                return done();
            }
        }
        return bad("unknown lighting mode '" + words[1] + "'" +
                   didYouMean(words[1], wordList(kModeWords)) +
                   "; the modes are steady, breathing, apm-breathing, spectrum, colour-flow, off");
    }
    if (sameWord(setting, "multicolour") || sameWord(setting, "multicolor")) {
        const auto on = words.size() == 2 ? onOff(words[1]) : std::nullopt;
        if (!on) return bad("multicolour takes on or off, not " + valueText(words));
        if (*on != (profile.multicolourOption() == 1)) model.toggleMulticolour(profile);
        // The toggle keeps 0 and 1 only: a stored value that is neither is made plain here.
        profile.setMulticolourOption(*on ? 1 : 0);
        return done();
    }
    if (sameWord(setting, "proximity")) {
        const auto on = words.size() == 2 ? onOff(words[1]) : std::nullopt;
        if (!on) return bad("proximity takes on or off, not " + valueText(words));
        model.setProximity(profile, *on);
        return done();
    }
    struct Slider {
        std::string_view word;
        LightingSlider id;
        int low, high;
    };
    constexpr Slider kSliders[] = {{"level", LightingSlider::Mode1Level, 1, 10},
                                   {"breathing-speed", LightingSlider::Mode2Speed, 1, 5},
                                   {"flow-speed", LightingSlider::Mode5Speed, 1, 3}};
    for (const Slider& s : kSliders) {
        if (!sameWord(setting, s.word)) continue;
        const auto v = words.size() == 2 ? number(words[1], s.low, s.high) : std::nullopt;
        if (!v || !model.sliderMoved(profile, static_cast<int>(s.id), *v))
            return bad(std::string(s.word) + " takes " + std::to_string(s.low) + " to " +
                       std::to_string(s.high) + ", not " + valueText(words));
        return done();
    }
    return bad("unknown setting '" + words[0] + "'" +
               didYouMean(words[0], wordList(kSettingWords)) + "; the settings are " +
               joined(wordList(kSettingWords), 0) +
               " ('z408ctl profile set --help' tells their values)");
}

// A colour as a swatch's name or number, or as RRGGBB with or without its '#'.
struct ColourValue {
    int preset = -1;  // the swatch, or -1 for a mixed colour
    uint32_t colour = 0;
};

std::optional<ColourValue> colourValue(std::string_view text) {
    for (int i = 0; i < kPresetColourCount; ++i)
        if (sameWord(text, kPresetColourNames[i])) return ColourValue{i, 0};
    if (text.starts_with('#')) text.remove_prefix(1);
    if (text.size() != 6 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c));
        }))
        return std::nullopt;
    uint32_t rgb = 0;
    std::from_chars(text.data(), text.data() + text.size(), rgb, 16);
    return ColourValue{-1, colourRef(static_cast<uint8_t>(rgb >> 16),
                                     static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb))};
}

std::string presetNames() {
    return joined(wordList(kPresetColourNames), 0);
}

// colour single|1|2|3 #RRGGBB | RRGGBB | NAME | preset N|NAME
EditResult setColour(ProfileSettings& profile, const std::vector<std::string>& words) {
    // An unquoted #RRGGBB is a comment to the shell: the colour never arrives.
    const std::string shellHint =
        words.size() == 2 ? "; the shell drops an unquoted #RRGGBB as a comment: quote it "
                            "('#FF8000') or leave out the '#'"
                          : "";
    if (words.size() < 3 || words.size() > 4)
        return bad(
            "colour takes single, 1, 2 or 3 and then #RRGGBB, RRGGBB, a swatch's name or "
            "preset N" +
            shellHint);
    int slot = -1;
    if (sameWord(words[1], "single"))
        slot = kSingleColourSlot;
    else if (const auto n = number(words[1], 1, kMulticolourSlots))
        slot = *n - 1;
    if (slot < 0)
        return bad("unknown colour '" + words[1] + "'; the colours are single, 1, 2 and 3");
    if (words.size() == 4) {
        if (!sameWord(words[2], "preset"))
            return bad("colour takes #RRGGBB, RRGGBB, a swatch's name or preset N, not '" +
                       joined(words, 2) + "'");
        auto index = number(words[3], 0, kPresetColourCount - 1);
        if (const auto named = colourValue(words[3]); !index && named && named->preset >= 0)
            index = named->preset;
        if (!index)
            return bad("preset takes 0 to 25 or a swatch's name (" + presetNames() + "), not '" +
                       words[3] + "'");
        setPresetColour(profile, slot, *index);
        return done();
    }
    const auto value = colourValue(words[2]);
    if (!value)
        return bad("'" + words[2] + "' is no colour: write #RRGGBB or RRGGBB (e.g. FF8000), " +
                   "preset N (0 to 25) or a swatch's name" +
                   didYouMean(words[2], wordList(kPresetColourNames)) + " (" + presetNames() + ")");
    if (value->preset >= 0)
        setPresetColour(profile, slot, value->preset);
    else
        setCustomColour(profile, slot, value->colour);
    return done();
}

}  // namespace

uint32_t parseKeyCombination(std::string_view text) {
    text = trim(text);
    if (text.empty()) return 0;
    // As shown: "Shift + Ctrl + A"; "Ctrl+A" is taken too, and "+" alone or last is a key.
    std::vector<std::string_view> parts;
    const std::string_view separator = text.find(" + ") != std::string_view::npos ? " + " : "+";
    for (size_t p = 0;;) {
        const size_t q = text.find(separator, p);
        if (q == std::string_view::npos ||
            (q + separator.size() == text.size() && separator == "+")) {
            parts.push_back(trim(text.substr(p)));
            break;
        }
        parts.push_back(trim(text.substr(p, q - p)));
        p = q + separator.size();
    }
    struct Modifier {
        std::string_view name;
        KeyCapture::Box box;
    };
    constexpr Modifier kModifiers[] = {{"Ctrl", KeyCapture::Ctrl},   {"Alt", KeyCapture::Alt},
                                       {"Shift", KeyCapture::Shift}, {"Win", KeyCapture::Win},
                                       {"Super", KeyCapture::Win},   {"Meta", KeyCapture::Win}};
    KeyCapture capture;
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string_view part = parts[i];
        const auto modifier =
            std::find_if(std::begin(kModifiers), std::end(kModifiers),
                         [&](const Modifier& m) { return sameWord(part, m.name); });
        if (modifier != std::end(kModifiers)) {
            if (capture.boxOn(modifier->box)) return 0;  // named twice
            capture.setBox(modifier->box, true);
            continue;
        }
        // The key comes last and once.
        if (i + 1 != parts.size() || part.empty()) return 0;
        uint32_t key = 0;
        for (uint32_t k = 1; k < 0xFF && key == 0; ++k)
            if (!KeyCapture::boxOfKey(k) && keyToUsage(k) != 0 &&
                sameWord(keyName(k, UsKeyboardLayout::instance()), part))
                key = k;
        if (key == 0) return 0;
        capture.keyEvent(key, 0);
    }
    PickerChoice choice;
    capture.fillChoice(choice);
    return choice.value;
}

EditResult applySetting(ProfileSettings& profile, MacroIdList& macroIds,
                        const std::vector<std::string>& words, const EditContext& context) {
    if (words.empty()) return bad("expects a SETTING and its VALUE");
    // Worked on copies: whatever refuses, the profile stays as it was.
    ProfileSettings edited = profile;
    MacroIdList ids = macroIds;
    const std::string_view setting = words[0];
    EditResult r;
    const auto whole = [&](int low, int high) -> std::optional<int> {
        return words.size() == 2 ? number(words[1], low, high) : std::nullopt;
    };
    const auto range = [&](int low, int high) {
        return bad(std::string(setting) + " takes " + std::to_string(low) + " to " +
                   std::to_string(high) + ", not " + valueText(words));
    };
    if (sameWord(setting, "button")) {
        r = setButton(edited, ids, words, context);
    } else if (sameWord(setting, "dpi")) {
        r = setDpi(edited, words);
    } else if (sameWord(setting, "report-rate")) {
        const auto hz = whole(1, 1000);
        const auto choice = std::find_if(
            kReportRateChoices.begin(), kReportRateChoices.end(),
            [&](const ReportRateChoice& c) { return hz && c.hz == static_cast<uint32_t>(*hz); });
        if (choice == kReportRateChoices.end())
            r = bad("report-rate takes 125, 250, 500 or 1000 (Hz), not " + valueText(words));
        else
            edited.setReportRateCode(choice->code), r = done();
    } else if (sameWord(setting, "pointer-speed")) {
        if (const auto v = whole(kPointerSpeedMin, kPointerSpeedMax))
            edited.setPointerSpeed(static_cast<uint32_t>(*v)), r = done();
        else
            r = range(kPointerSpeedMin, kPointerSpeedMax);
    } else if (sameWord(setting, "height")) {
        if (const auto v = whole(kHeightSliderMin, kHeightSliderMax))
            edited.setHeightSlider(static_cast<uint32_t>(*v)), r = done();
        else
            r = range(kHeightSliderMin, kHeightSliderMax);
    } else if (sameWord(setting, "precision")) {
        const auto on = words.size() == 2 ? onOff(words[1]) : std::nullopt;
        if (on)
            edited.setEnhancePrecision(*on ? 1 : 0), r = done();
        else
            r = bad("precision takes on or off, not " + valueText(words));
    } else if (sameWord(setting, "wheel")) {
        if (words.size() == 2 && sameWord(words[1], "screen")) {
            edited.setWheelLines(-1), r = done();
        } else if (words.size() == 3 && sameWord(words[1], "lines")) {
            if (const auto v = number(words[2], kMinScrollLines, kMaxScrollLines))
                edited.setWheelLines(*v), r = done();
            else
                r = bad("wheel lines takes 1 to 30, not '" + words[2] + "'");
        } else {
            r = bad("wheel takes 'lines N' (1 to 30) or 'screen', not " + valueText(words));
        }
    } else if (sameWord(setting, "colour") || sameWord(setting, "color")) {
        r = setColour(edited, words);
    } else {
        r = setLighting(edited, words);
    }
    if (r.status == EditStatus::Done) {
        profile = edited;
        macroIds = ids;
    }
    return r;
}

std::vector<std::string> catalogueNameCandidates() {
    std::vector<std::string> out;
    for (const CatalogueEntry& e : functionCatalogue())
        if (!e.englishName.empty()) out.emplace_back(e.englishName);
    return out;
}

std::vector<std::string> settingCompletions(const std::vector<std::string>& words,
                                            bool& wantsMacro) {
    wantsMacro = false;
    const auto list = [](std::initializer_list<std::string_view> items) {
        return std::vector<std::string>(items.begin(), items.end());
    };
    const auto of = [](const auto& words_) {
        return std::vector<std::string>(std::begin(words_), std::end(words_));
    };
    if (words.empty())
        return list({"button", "dpi", "report-rate", "pointer-speed", "precision", "wheel",
                     "height", "lighting", "level", "breathing-speed", "flow-speed", "multicolour",
                     "colour", "proximity"});
    const std::string_view setting = words[0];
    const size_t at = words.size();  // the place of the word being completed
    if (setting == "button") {
        if (at == 1) return of(kButtonWords);
        if (at == 2) {
            std::vector<std::string> out = list({"default", "disable", "key", "macro"});
            for (const std::string_view w : kSoftwareWords) out.emplace_back(w);
            for (std::string& name : catalogueNameCandidates()) out.push_back(std::move(name));
            return out;
        }
        if (at == 3 && words[2] == "macro") wantsMacro = true;
        return {};
    }
    if (setting == "dpi") {  // one to seven values
        std::vector<std::string> out;
        for (const uint32_t dpi : kDpiChoices) out.push_back(std::to_string(dpi));
        return out;
    }
    if (at != 1)
        return setting == "colour" && at == 2 ? list({"preset"}) : std::vector<std::string>{};
    if (setting == "lighting") return of(kModeWords);
    if (setting == "precision" || setting == "multicolour" || setting == "proximity")
        return list({"on", "off"});
    if (setting == "wheel") return list({"lines", "screen"});
    if (setting == "colour") return list({"single", "1", "2", "3"});
    if (setting == "report-rate") return list({"125", "250", "500", "1000"});
    return {};
}

std::string_view settingsHelp() {
    return "settings:\n"
           "  button BUTTON FUNCTION   BUTTON: left, middle, right, forward, back, wheel-up,\n"
           "                           wheel-down (or 1 to 7). FUNCTION: default, disable,\n"
           "                           key \"Ctrl + F\" (Ctrl, Alt, Shift, Win or Super or\n"
           "                           Meta, and a key), macro ID|NAME, sound|program|file|folder\n"
           "                           PATH, or a name of the basic list (\"Play/Pause\", \"Lock "
           "PC\")\n"
           "  dpi VALUE...             one to seven of 500 750 1000 1250 1500 2000 2500 3000\n"
           "                           3250 3500 4000 5000 6000 7000 (kept in that order)\n"
           "  report-rate HZ           125, 250, 500 or 1000\n"
           "  pointer-speed N          1 to 20\n"
           "  precision on|off         enhanced pointer precision\n"
           "  wheel lines N | screen   1 to 30 lines per notch, or a screen\n"
           "  height N                 the height slider, 1 to 30\n"
           "  lighting MODE            steady, breathing, apm-breathing, spectrum, colour-flow, "
           "off\n"
           "  level N                  steady's brightness, 1 to 10\n"
           "  breathing-speed N        1 to 5\n"
           "  flow-speed N             colour flow's speed, 1 to 3\n"
           "  multicolour on|off       colour flow in colours 1 to 3\n"
           "  colour single|1|2|3 COLOUR   #RRGGBB (quoted: the shell drops an unquoted '#'),\n"
           "                           RRGGBB, a swatch's name or preset N (0 to 25); the\n"
           "                           swatches: rose red orange yellow lime green forest\n"
           "                           spring cyan sky azure blue ultramarine indigo violet\n"
           "                           purple citron emerald pink brick crimson steel grass\n"
           "                           slate iris cobalt\n"
           "  proximity on|off         proximity sensing";
}

std::string_view buttonWord(int button) {
    return button >= 0 && button < kButtonCount ? kButtonWords[button] : std::string_view();
}

std::string_view lightingModeWord(uint32_t mode) {
    return mode >= 1 && mode <= kLightingModeCount ? kModeWords[mode - 1] : std::string_view();
}

std::string_view colourSlotWord(int slot) {
    constexpr std::string_view kSlots[] = {"1", "2", "3", "single"};
    return slot >= 0 && slot <= kSingleColourSlot ? kSlots[slot] : std::string_view();
}

std::string_view presetColourName(int index) {
    return index >= 0 && index < kPresetColourCount ? kPresetColourNames[index]
                                                    : std::string_view();
}

std::string colourHex(uint32_t c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", redOf(c), greenOf(c), blueOf(c));
    return buf;
}

std::string macroIdText(uint32_t id) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(id));
    return buf;
}

namespace {

// The words `profile set` takes for button `b` as the profile has it, before checking.
std::vector<std::vector<std::string>> buttonCandidates(const ProfileSettings& profile, int b) {
    const auto btn = profile.button(b);
    const std::string button(kButtonWords[b]);
    const FunctionType f = btn.functionType();
    if (f == fn::KeyCombination)
        return {
            {"button", button, "key", comboText(btn.bindingCode(), UsKeyboardLayout::instance())}};
    if (f == fn::Macro) return {{"button", button, "macro", macroIdText(btn.macroId())}};
    if (f == fn::Software) {
        const auto kind = softwareKindFromValue(btn.softwareKind());
        if (!kind) return {};
        const size_t k = (static_cast<uint32_t>(*kind) - 0xC0u) / 0x10u;
        return {{"button", button, std::string(kSoftwareWords[k]), utf16ToUtf8(btn.path())}};
    }
    std::vector<std::vector<std::string>> out = {{"button", button, "default"},
                                                 {"button", button, "disable"}};
    if (const std::string_view name = functionName(f, false); !name.empty())
        out.push_back({"button", button, std::string(name)});
    return out;
}

std::string buttonNote(const ProfileSettings& profile, int b) {
    const auto btn = profile.button(b);
    const FunctionType f = btn.functionType();
    std::string what =
        f == fn::Software ? "software function of kind " + macroIdText(btn.softwareKind()) + " \"" +
                                utf16ToUtf8(btn.path()) + "\""
        : findFunction(f)
            ? "function " + std::to_string(f) + " (" + std::string(functionName(f, false)) + ")"
            : "unknown function " + std::to_string(f);
    return "button " + std::string(kButtonWords[b]) + ": " + what + ", shown as \"" +
           utf16ToUtf8(btn.displayName()) + "\"";
}

}  // namespace

std::vector<ShownSetting> showSettings(const ProfileSettings& profile, const MacroIdList& macroIds,
                                       const EditContext& context) {
    std::vector<ShownSetting> out;
    // A line is given only when applying it to the profile itself changes nothing.
    const auto faithful = [&](const std::vector<std::string>& words) {
        ProfileSettings copy = profile;
        MacroIdList ids = macroIds;
        return applySetting(copy, ids, words, context).status == EditStatus::Done &&
               copy == profile && ids == macroIds;
    };
    const auto add = [&](std::vector<std::vector<std::string>> candidates, std::string note) {
        const std::string setting = candidates.empty() ? "button" : candidates[0][0];
        for (auto& words : candidates)
            if (faithful(words)) {
                out.push_back({setting, std::move(words), {}});
                return;
            }
        out.push_back({setting, {}, std::move(note)});
    };
    const auto onOffWord = [](bool on) { return std::string(on ? "on" : "off"); };
    const auto num = [](auto v) { return std::to_string(v); };

    for (int b = 0; b < kButtonCount; ++b)
        add(buttonCandidates(profile, b), buttonNote(profile, b));

    std::vector<std::string> dpi = {"dpi"};
    for (int i = 0; i < kDpiLevelCount; ++i)
        if (profile.dpiLevel(i) != 0) dpi.push_back(num(profile.dpiLevel(i)));
    std::string levels;
    for (int i = 0; i < kDpiLevelCount; ++i) levels += (i ? " " : "") + num(profile.dpiLevel(i));
    add({dpi}, "dpi: levels " + levels + ", which the page cannot make");
    const uint32_t hz = reportRateHz(profile.reportRateCode());
    add({{"report-rate", num(hz)}}, "report-rate: unknown code " + num(profile.reportRateCode()));
    add({{"pointer-speed", num(profile.pointerSpeed())}},
        "pointer-speed: " + num(profile.pointerSpeed()) + " is outside 1 to 20");
    add({{"precision", onOffWord(profile.enhancePrecision() != 0)}},
        "precision: stored value " + num(profile.enhancePrecision()) + " is neither on nor off");
    if (profile.wheelLines() == -1)
        add({{"wheel", "screen"}}, {});
    else
        add({{"wheel", "lines", num(profile.wheelLines())}},
            "wheel: " + num(profile.wheelLines()) + " lines is outside 1 to 30");
    add({{"height", num(profile.heightSlider())}},
        "height: " + num(profile.heightSlider()) + " is outside 1 to 30");

    // The lighting: the mode first, as the page selects it before its slider and colours.
    add({{"lighting", std::string(lightingModeWord(profile.lightingMode()))}},
        "lighting: unknown mode " + num(profile.lightingMode()) + " (the light is off)");
    add({{"level", num(profile.mode1Param())}},
        "level: stored value " + num(profile.mode1Param()) + " is outside 1 to 10");
    add({{"breathing-speed", num(profile.mode2Param())}},
        "breathing-speed: stored value " + num(profile.mode2Param()) + " is outside 1 to 5");
    add({{"flow-speed", num(profile.mode5Param() / 2)}}, "flow-speed: stored value " +
                                                             num(profile.mode5Param()) +
                                                             " is none of the page's 2, 4 and 6");
    add({{"multicolour", onOffWord(profile.multicolourOption() == 1)}},
        "multicolour: stored value " + num(profile.multicolourOption()) +
            " is neither on (1) nor off (0)");
    const ProfileSettings defaults = ProfileSettings::defaults(false);
    for (const int slot : {kSingleColourSlot, 0, 1, 2}) {
        const std::string which(colourSlotWord(slot));
        const uint32_t preset = profile.presetIndex(slot);
        const std::string presetName(presetColourName(static_cast<int>(preset)));
        const std::string note = "colour " + which + ": " + colourHex(profile.colour(slot)) +
                                 " marked as swatch " + num(preset) + ", which is not its colour";
        if (profile.colourIsCustom(slot) == 0) {
            add({{"colour", which, presetName}}, note);
            continue;
        }
        // A mixed colour keeps the swatch it was mixed from: named first, so that it is kept.
        if (preset != defaults.presetIndex(slot)) {
            if (!presetName.empty()) out.push_back({"colour", {"colour", which, presetName}, {}});
        }
        add({{"colour", which, colourHex(profile.colour(slot))}},
            "colour " + which + ": " + colourHex(profile.colour(slot)) + " (custom)");
    }
    add({{"proximity", onOffWord(profile.proximitySensing() != 0)}},
        "proximity: stored value " + num(profile.proximitySensing()) + " is neither on nor off");
    return out;
}

std::string shellWords(const std::vector<std::string>& words) {
    std::string out;
    for (const std::string& w : words) {
        if (!out.empty()) out += ' ';
        const bool plain =
            !w.empty() && w[0] != '#' && w[0] != '~' && std::all_of(w.begin(), w.end(), [](char c) {
                return std::isalnum(static_cast<unsigned char>(c)) ||
                       std::string_view("-_./,:+=@%").find(c) != std::string_view::npos;
            });
        if (plain) {
            out += w;
            continue;
        }
        out += '\'';
        for (const char c : w) {
            if (c == '\'')
                out += "'\\''";
            else
                out += c;
        }
        out += '\'';
    }
    return out;
}

namespace {

// Edits (insert, delete, replace, swap of neighbours) from a to b, letters in any case.
size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
    for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (size_t i = 1; i <= a.size(); ++i)
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t cost = lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && lower(a[i - 1]) == lower(b[j - 2]) &&
                lower(a[i - 2]) == lower(b[j - 1]))
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[a.size()][b.size()];
}

}  // namespace

std::vector<std::string> nearestWords(std::string_view word,
                                      const std::vector<std::string>& candidates) {
    // Words of a few letters are near only at one edit; longer ones at up to a third of them.
    const size_t limit = std::max<size_t>(1, std::min<size_t>(3, word.size() / 3));
    std::vector<std::pair<size_t, std::string>> near;
    for (const std::string& c : candidates) {
        const size_t d = editDistance(word, c);
        const bool prefix = word.size() >= 3 && c.size() > word.size() &&
                            sameWord(std::string_view(c).substr(0, word.size()), word);
        if (d <= limit || prefix) near.emplace_back(prefix ? 0 : d, c);
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    std::vector<std::string> out;
    for (auto& [d, c] : near)
        if (std::find(out.begin(), out.end(), c) == out.end() && out.size() < 3)
            out.push_back(std::move(c));
    return out;
}

std::string didYouMean(std::string_view word, const std::vector<std::string>& candidates) {
    const auto near = nearestWords(word, candidates);
    if (near.empty()) return {};
    std::string out = " (did you mean ";
    for (size_t i = 0; i < near.size(); ++i)
        out += (i == 0 ? "" : i + 1 == near.size() ? " or " : ", ") + near[i];
    return out + "?)";
}

std::optional<PointerValues> parsePointerValues(const std::vector<std::string>& words,
                                                std::string& error) {
    if (words.size() != 3 && !(words.size() == 4 && sameWord(words[2], "lines"))) {
        error =
            "expects SPEED PRECISION WHEEL: pointer-speed 1 to 20, precision on or off, "
            "wheel lines 1 to 30 or screen (e.g. '10 on 3' or '10 off screen')";
        return std::nullopt;
    }
    // Each value checked by the profile setting that holds it, with its message.
    ProfileSettings profile = ProfileSettings::defaults(false);
    MacroIdList ids{};
    std::vector<std::vector<std::string>> settings = {{"pointer-speed", words[0]},
                                                      {"precision", words[1]}};
    if (words.size() == 4)
        settings.push_back({"wheel", "lines", words[3]});
    else if (sameWord(words[2], "screen"))
        settings.push_back({"wheel", "screen"});
    else
        settings.push_back({"wheel", "lines", words[2]});
    for (const auto& setting : settings) {
        const EditResult r = applySetting(profile, ids, setting, EditContext{});
        if (r.status != EditStatus::Done) {
            error = r.message;
            return std::nullopt;
        }
    }
    return PointerValues{static_cast<int>(profile.pointerSpeed()),
                         static_cast<int>(profile.enhancePrecision()), profile.wheelLines()};
}

}  // namespace z408::cli
