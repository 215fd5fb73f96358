// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The keys of the read commands' --json output, as the manual page documents them. The table
// test reads them back from the page and compares them with what each command prints.
#include <cstdio>
#include <string>
#include <string_view>

#include "cli/cli.h"
#include "cli/json_out.h"

namespace z408::cli {
namespace {

struct JsonKey {
    std::string_view command;
    std::string_view key;  // "buttons[].button": a key of each object of the array "buttons"
    std::string_view meaning;
};

constexpr JsonKey kJsonKeys[] = {
    {"profile show", "version", "1, the version of this layout"},
    {"profile show", "file", "the profile file read"},
    {"profile show", "profile", "its number 1 to 5 in the data folder; null for a file of its own"},
    {"profile show", "buttons",
     "the seven buttons, left, middle, right, forward, back, wheel-up, "
     "wheel-down"},
    {"profile show", "buttons[].button", "the button's name as profile set takes it"},
    {"profile show", "buttons[].number", "1 to 7, the number profile set takes for it"},
    {"profile show", "buttons[].function",
     "default, disable, key, macro, sound, program, file, folder or a name of the basic list; "
     "null when no setting makes what the file holds"},
    {"profile show", "buttons[].value",
     "the key combination, macro id or path that goes with the function, else null"},
    {"profile show", "buttons[].displayName", "the name the window shows for the button"},
    {"profile show", "buttons[].macroId", "the macro's id (0x15A1B2C3) for a macro, else null"},
    {"profile show", "buttons[].macroName", "that macro's name in Macro.cfg, else null"},
    {"profile show", "buttons[].tableMacroId",
     "the macro id the profile table keeps for the button; null for a file of its own"},
    {"profile show", "buttons[].setting", "the whole profile set line, or null"},
    {"profile show", "dpi", "the DPI levels in use, as numbers"},
    {"profile show", "reportRate", "125, 250, 500 or 1000, or null"},
    {"profile show", "pointerSpeed", "1 to 20, or null"},
    {"profile show", "precision", "on or off, or null"},
    {"profile show", "wheel", "lines or screen, or null"},
    {"profile show", "wheelLines", "1 to 30 with lines, else null"},
    {"profile show", "height", "1 to 30, or null"},
    {"profile show", "lighting",
     "steady, breathing, apm-breathing, spectrum, colour-flow or off, or null"},
    {"profile show", "level", "steady's level, 1 to 10, or null"},
    {"profile show", "breathingSpeed", "1 to 5, or null"},
    {"profile show", "flowSpeed", "1 to 3, or null"},
    {"profile show", "multicolour", "on or off, or null"},
    {"profile show", "colours", "the colours single, 1, 2 and 3"},
    {"profile show", "colours[].colour", "single, 1, 2 or 3"},
    {"profile show", "colours[].value",
     "what profile set takes for it: a swatch's name or #RRGGBB; null when none"},
    {"profile show", "colours[].rgb", "the colour as #RRGGBB"},
    {"profile show", "colours[].custom", "true when mixed, false when a swatch"},
    {"profile show", "colours[].preset", "the swatch's name it is or was mixed from, or null"},
    {"profile show", "proximity", "on or off, or null"},
    {"profile show", "settings", "every profile set line, as the text output gives them"},
    {"profile show", "notes", "what the file holds that no setting makes, one text each"},

    {"status", "version", "1"},
    {"status", "found", "whether the mouse was found (exit 1 when not)"},
    {"status", "location", "where it is, or null"},
    {"status", "reportId", "the report id of its command channel, or null"},
    {"status", "reportCount", "the report count of its command channel, or null"},
    {"status", "firmwareVersion", "the firmware version as a number (12), or null"},
    {"status", "firmwareText", "the same as the window shows it (V 0.1.2), or null"},
    {"status", "noAccessNode", "the node of a mouse that is there but may not be opened, or null"},
    {"status", "interfaces", "each HID interface looked at and why it was or was not taken"},
    {"status", "inputDevices", "the mouse's input event devices"},
    {"status", "inputDevices[].node", "its device node"},
    {"status", "inputDevices[].name", "its name"},
    {"status", "inputDevicesReadable", "how many of them this user can read"},
    {"status", "uinputWritable", "whether /dev/uinput can be written"},
    {"status", "inputProblems", "each missing access, with its cause and fix"},

    {"macro list", "version", "1"},
    {"macro list", "file", "the Macro.cfg read"},
    {"macro list", "macros", "every listed macro, by game"},
    {"macro list", "macros[].id", "its id as 0x15A1B2C3, as every command takes it"},
    {"macro list", "macros[].name", "its name"},
    {"macro list", "macros[].game", "its game's name"},
    {"macro list", "macros[].preset", "its game's number"},
    {"macro list", "macros[].slot", "its slot in Macro.cfg"},
    {"macro list", "macros[].events", "its number of events"},
    {"macro list", "macros[].loops", "its plays per press"},

    {"macro show", "version", "1"},
    {"macro show", "macro", "the macro, with the keys of macro list's macros and:"},
    {"macro show", "macro.id", "as in macro list"},
    {"macro show", "macro.name", "as in macro list"},
    {"macro show", "macro.game", "as in macro list"},
    {"macro show", "macro.preset", "as in macro list"},
    {"macro show", "macro.slot", "as in macro list"},
    {"macro show", "macro.events", "as in macro list"},
    {"macro show", "macro.loops", "as in macro list"},
    {"macro show", "macro.text", "the macro text, as macro export writes it"},
    {"macro show", "macro.complete", "false when an event of an unknown kind cut the text short"},

    {"stats show", "version", "1"},
    {"stats show", "file", "the Sts.cfg read"},
    {"stats show", "leftClicks", "clicks of the left button"},
    {"stats show", "middleClicks", "clicks of the middle button"},
    {"stats show", "rightClicks", "clicks of the right button"},
    {"stats show", "clicks", "clicks in all"},
    {"stats show", "wheelForward", "wheel notches forward"},
    {"stats show", "wheelBackward", "wheel notches backward"},
    {"stats show", "wheel", "wheel notches in all"},
    {"stats show", "pointerTravel", "the pointer's travel in pixels"},
    {"stats show", "travelText", "the same as the page shows it, in 10 000 pixels"},
    {"stats show", "trophyLevel", "the trophy level, 1 to trophyCount"},
    {"stats show", "trophyCount", "the number of trophy levels"},

    {"update check", "version", "1"},
    {"update check", "description", "the address of the update description"},
    {"update check", "newestVersion", "the newest firmware as a number (13)"},
    {"update check", "newestText", "the same as the window shows it (V 0.1.3)"},
    {"update check", "image", "the address of its image, or null"},
    {"update check", "mouseFound", "whether the mouse was found (exit 1 when not)"},
    {"update check", "mouseVersion",
     "the mouse's firmware as a number (0 when it does not "
     "say), or null without a mouse"},
    {"update check", "mouseText", "the same as the window shows it, or null"},
    {"update check", "newerAvailable", "whether the newest is newer than the mouse's, or null"},

    {"pointer show", "version", "1"},
    {"pointer show", "places", "each place the pointer settings may live"},
    {"pointer show", "places[].name", "its name"},
    {"pointer show", "places[].present", "whether this desktop uses it"},
    {"pointer show", "places[].values", "its values when present, else null"},
    {"pointer show", "places[].values.speed", "1 to 20 (10 neutral), or null"},
    {"pointer show", "places[].values.precision", "on or off, or null"},
    {"pointer show", "places[].values.wheel", "lines or screen, or null"},
    {"pointer show", "places[].values.wheelLines", "the lines with lines, else null"},
    {"pointer show", "keptBy", "for each value, the places that keep it"},
    {"pointer show", "keptBy.speed", "the places' names"},
    {"pointer show", "keptBy.precision", "the places' names"},
    {"pointer show", "keptBy.wheel", "the places' names"},
};

std::string roffText(std::string_view text) {
    std::string out;
    for (const char c : text) out += c == '-' ? std::string("\\-") : std::string(1, c);
    return out;
}

}  // namespace

void printJsonManual(FILE* out) {
    std::fprintf(out,
                 ".SH JSON OUTPUT\n"
                 "The read commands take \\fB\\-\\-json\\fR and print one JSON object. Its keys "
                 "are always\nthe same, whatever a button's function or the mouse's presence: a "
                 "value that does not\napply is null. \\fBversion\\fR is %d and is raised when a "
                 "key changes its meaning or\ngoes; new keys may be added. The values are those "
                 "the commands take: profile set's\nwords and numbers, macro ids as 0x15A1B2C3.\n",
                 kJsonVersion);
    std::string_view command;
    for (const JsonKey& k : kJsonKeys) {
        if (k.command != command) {
            command = k.command;
            std::fprintf(out, ".SS \"json: %s\"\n", std::string(command).c_str());
        }
        std::fprintf(out, ".TP\n.B %s\n%s\n", roffText(k.key).c_str(), roffText(k.meaning).c_str());
    }
}

}  // namespace z408::cli
