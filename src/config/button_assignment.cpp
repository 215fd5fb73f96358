// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "config/button_assignment.h"

#include "common/program_texts.h"
#include "common/text.h"
#include "functions/key_tables.h"
#include "functions/keyboard_layout.h"
#include "functions/picker_rules.h"

namespace z408 {
namespace {

AssignmentResult outcome(AssignmentVerdict verdict, std::string message = {}) {
    return {verdict, std::move(message)};
}

// A combination code keeps bits 0..7 and 24..31 zero and names a key.
bool isComboCode(uint32_t code) {
    return (code & 0xFF0000FFu) == 0 && comboUsage(code) != 0;
}

}  // namespace

AssignmentResult assignFunction(ProfileSettings& profile, MacroIdList& macroIds,
                                const PickerChoice& choice, const AssignmentContext& context) {
    if (choice.button < 0 || choice.button >= kButtonCount)
        return outcome(AssignmentVerdict::InvalidChoice);
    const RuleResult rules = checkAssignment(profile.functionTypes(), choice, context.languageId);
    switch (rules.verdict) {
        case RuleVerdict::Accept:
            break;
        case RuleVerdict::NothingChosen:
            return outcome(AssignmentVerdict::NothingChosen);
        case RuleVerdict::RefusedLeftClick:
            return outcome(AssignmentVerdict::RefusedLeftClick, rules.refusal);
        case RuleVerdict::RefusedSniper:
            return outcome(AssignmentVerdict::RefusedSniper, rules.refusal);
    }

    // Everything the record will hold is worked out first, so a refusal changes nothing.
    std::u16string name;
    switch (choice.kind) {
        case fn::KeyCombination: {
            if (!isComboCode(choice.value)) return outcome(AssignmentVerdict::InvalidChoice);
            const KeyboardLayout& layout =
                context.layout ? *context.layout : UsKeyboardLayout::instance();
            name = utf8ToUtf16(comboText(choice.value, layout));
            break;
        }
        case fn::Macro: {
            std::optional<std::u16string> macro =
                context.macroName ? context.macroName(choice.value) : std::nullopt;
            if (!macro)
                return outcome(
                    AssignmentVerdict::MacroMissing,
                    std::string(programText(ProgramText::MacroMissing, context.languageId)));
            name = std::move(*macro);
            break;
        }
        case fn::Software:
            if (choice.softwareKindIndex < 0 || choice.softwareKindIndex >= kSoftwareKindCount ||
                choice.path.empty())
                return outcome(AssignmentVerdict::InvalidChoice);
            if (choice.path.size() > kMaxPathUnits)
                return outcome(
                    AssignmentVerdict::PathTooLong,
                    std::string(programText(ProgramText::PathTooLong, context.languageId)));
            name = choice.path;
            break;
        case fn::Disable:
            name = utf8ToUtf16(functionName(fn::Disable, context.chinese));
            break;
        case 0:
            name = utf8ToUtf16(functionName(choice.value, context.chinese));
            // Only a function with a built-in name can come from the basic list.
            if (name.empty()) return outcome(AssignmentVerdict::InvalidChoice);
            break;
        default:
            return outcome(AssignmentVerdict::InvalidChoice);
    }

    const size_t b = static_cast<size_t>(choice.button);
    auto button = profile.button(choice.button);
    // Fields the new kind does not use keep what they held.
    macroIds[b] = 0;
    button.setFunctionType(choiceFunction(choice));
    switch (choice.kind) {
        case fn::KeyCombination:
            button.setBindingCode(choice.value);
            break;
        case fn::Macro:
            button.setMacroId(choice.value);
            macroIds[b] = choice.value;
            break;
        case fn::Software:
            button.setSoftwareValue(choice.value);
            button.setPath(choice.path);
            button.setSoftwareKind(0xC0u + 0x10u * static_cast<uint32_t>(choice.softwareKindIndex));
            break;
        default:
            break;
    }
    // A macro name holds at most 39 units and a path 259: the name always fits.
    button.setDisplayName(name);
    return outcome(AssignmentVerdict::Assigned);
}

bool translateDisplayName(ProfileSettings& profile, int button, bool chinese) {
    if (button < 0 || button >= kButtonCount) return false;
    auto b = profile.button(button);
    const std::optional<std::string_view> partner =
        translatedBuiltInName(utf16ToUtf8(b.displayName()), chinese);
    if (!partner) return false;
    b.setDisplayName(utf8ToUtf16(*partner));
    return true;
}

bool differsFromDefault(const ProfileSettings& profile, int button) {
    if (button < 0 || button >= kButtonCount) return false;
    return profile.button(button).functionType() !=
           kDefaultFunctionTable[static_cast<size_t>(button)];
}

}  // namespace z408
