// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The function picker's rules without its windows: what each page turns its state into when OK
// is pressed, the basic list, and the key-combination page's key capture.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "functions/assignment_rules.h"

namespace z408 {

// Pages of the picker, numbered as its tabs.
enum class PickerPage { KeyCombination = 1, Macro = 2, Basic = 3, Advanced = 4 };
inline constexpr int kPickerPageCount = 4;

// The value OK gives with the disable box on; the kind (121) is what the button gets.
inline constexpr uint32_t kDisableChoiceValue = 7;
// A path, like a display name, holds at most this many UTF-16 units before its terminator.
inline constexpr size_t kMaxPathUnits = 259;

// The 24 functions of the basic list, in list order; their labels are the catalogue's picker
// keys.
std::span<const FunctionType> basicListFunctions();

// Basic page: the function at `selected` (a list position, -1 for none); kind is left alone.
void fillBasicChoice(int selected, PickerChoice& choice);

// Macro page: the selected macro's id, or nothing (no selection, or the macro is gone).
void fillMacroChoice(std::optional<uint32_t> macroId, PickerChoice& choice);

// Advanced page: the first row whose choice is on and whose path is not empty gives a software
// function of that kind for choice.button. A path that would not fit the field gives nothing:
// a shortened path would run another file than the one chosen.
struct SoftwareRows {
    std::array<bool, 4> chosen{};
    std::array<std::u16string, 4> paths;
};
void fillSoftwareChoice(const SoftwareRows& rows, PickerChoice& choice);

// The default button: the button's default function (nothing for a button index out of range).
void fillDefaultChoice(PickerChoice& choice);
// The disable box with OK.
void fillDisableChoice(PickerChoice& choice);

// The key-combination page's state: the last key that arrived and four modifier boxes. Keys
// arrive as virtual-key codes with the low-level key flags (0x01 extended, 0x10 injected, 0x20
// Alt down, 0x80 released).
class KeyCapture {
  public:
    enum Box { Ctrl, Alt, Shift, Win };  // top to bottom on the page
    static constexpr int kBoxCount = 4;

    // A modifier key press toggles its box (releases change nothing); any other key, pressed or
    // released, becomes the key. True when the key changed (its area must be redrawn).
    bool keyEvent(uint32_t key, uint32_t flags);
    void toggleBox(Box box) { boxes_[box] = !boxes_[box]; }
    void setBox(Box box, bool on) { boxes_[box] = on; }
    bool boxOn(Box box) const { return boxes_[box]; }
    // 0 while no key has arrived.
    uint32_t key() const { return key_; }

    // kind 5 always; value the combination's binding code, or 0 when there is none.
    void fillChoice(PickerChoice& choice) const;

    // The box a modifier key toggles, or nothing for other keys.
    static std::optional<Box> boxOfKey(uint32_t key);

  private:
    uint32_t key_ = 0;
    std::array<bool, kBoxCount> boxes_{};
};

}  // namespace z408
