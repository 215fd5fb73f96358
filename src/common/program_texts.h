#pragma once
// Messages the program itself adds (failures of its own files, notices of its own), in each of
// the twelve interface languages. The language files carry only the fixed set of interface
// texts; these are compiled in so that every message a person sees follows the chosen language.
#include <cstdint>
#include <string_view>

namespace z408 {

// Append new texts at the end, with their row at the end of the table in program_texts.cpp.
enum class ProgramText : int {
    CouldNotRead,                // %s the file, %s the reason
    CouldNotSave,                // %s the file, %s the reason
    ButtonHeldByAnotherProgram,  // a button the hook swallows is grabbed by another program
    NoUpdateServer,
    NoWebSite,
    UpdateCheckFailed,  // %s the reason
    UpdateServerSilent,
    MacroLibraryFull,        // a macro could not be kept: all 500 places are taken
    MacroCutToSlot,          // a macro longer than the mouse holds was kept shortened
    MacroWindowKeysOnly,     // the macro page records only keys typed into the program's window
    PathTooLong,             // a chosen file or folder whose path does not fit a button's 259 units
    MacroMissing,            // a button was to get a macro that is no longer in the library
    EvdevNoMouseNode,        // no input event node of the mouse is present
    EvdevNodeNotReadable,    // %s the mouse's event node, %s the reason
    EvdevNoUinput,           // %s /dev/uinput: the uinput module is not loaded
    EvdevUinputNotWritable,  // %s /dev/uinput, %s the reason
    EvdevUinputFailed,       // %s /dev/uinput, %s the reason
    EvdevGrabBusy,           // %s the mouse's event node, held by another program
    EvdevGrabFailed,         // %s the mouse's event node, %s the reason
    EvdevWatchFailed,        // %s the reason the mouse's hot-plug cannot be watched
    MouseSearching,          // the hint line while the mouse is searched at start-up
    MouseNoAccess,           // %s the mouse's node that cannot be opened; the fix follows
    StartAtLogin,            // the tray menu's switch of the autostart entry
    Count
};

inline constexpr int kProgramTextLanguages = 12;

// The text in the language `languageId` (1..12, the order of the language table: Simplified
// Chinese, English, French, Korean, German, Italian, Spanish, Dutch, Portuguese, Russian,
// Ukrainian, Traditional Chinese), UTF-8; English for any other id.
std::string_view programText(ProgramText text, int64_t languageId);

}  // namespace z408
