// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

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
    MacroCutToSlot,          // a macro longer than a library slot holds was kept shortened
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
    NoFirmwareBurner,        // this installation carries no firmware burner (packaged builds)
    NoProgramUpdater,        // this installation carries no program updater (packaged builds)
    // The macros behind the buttons and the profile an editor was opened for.
    MacroGoneFromButtons,      // %s the buttons (names joined) whose macro left the library
    MacroGoneName,             // %s the stored name of a button's macro that left the library
    ProfileSwitchedWhileOpen,  // the active profile changed while a dialog editing it was open
    RecordedMacroDeleted,      // the macro being recorded was deleted by another program
    ButtonLeft,                // the seven buttons, in button order
    ButtonMiddle,
    ButtonRight,
    ButtonForward,
    ButtonBack,
    ButtonWheelUp,
    ButtonWheelDown,
    MacroCutInMouse,       // %s the macro's name, %s the steps it needs: the mouse got a part
    MacroMouseSteps,       // %s the steps a macro takes in the mouse, %s the most it plays
    MacroRecordingFull,    // the recorder took its 999 keys and dropped the rest
    MacroReleasesAdded,    // releases were added for keys a macro pressed and never released
    MacroKeysWithoutCode,  // %s the keys of a macro the mouse has no code for
    MacroNameBlank,        // a macro name that is empty or only spaces was refused
    MacroNameTaken,        // %s a macro name that another macro already has
    InfoBoxCaption,        // the caption of the program's information box ("Tips")
    MouseSearching,        // the hint line while the mouse is searched at start-up
    MouseNoAccess,         // %s the mouse's node that cannot be opened; the fix follows
    StartAtLogin,          // the tray menu's switch of the autostart entry
    // What a screen reader reads for the controls and the macro events.
    AccessMinimise,       // the window's minimise button
    AccessLanguage,       // the window's language button
    AccessNamedValue,     // %s what a control is, %s its value or function
    AccessMoreLines,      // the button that adds a line per notch
    AccessFewerLines,     // the button that takes a line per notch away
    AccessSpeed,          // a lighting effect's speed slider
    AccessBrightness,     // the steady light's brightness slider
    AccessRed,            // the red slider and its value
    AccessGreen,          // the green slider and its value
    AccessBlue,           // the blue slider and its value
    AccessColour,         // %s a preset colour's number (its #RRGGBB follows)
    AccessCustomColours,  // the switch of Color flow's own three colours
    MacroEventPress,      // %s the key: a macro event that presses it
    MacroEventRelease,    // %s the key: a macro event that releases it
    MacroEventDelay,      // %s the milliseconds of a macro's pause
    AccessClose,          // the close buttons of the window, the picker and the information box
    // Texts the pages draw over their skin images, by the skin control that carries them.
    CaptionAppName,  // the window's title line beside the product name
    CaptionButtonMap,
    CaptionSlow,  // the ends of the pointer-speed slider
    CaptionFast,
    CaptionPrecision,
    CaptionLow,  // the ends of the lift-off slider
    CaptionHigh,
    CaptionReportsPerSecond,
    CaptionScrollLines,  // the wheel's two ways of scrolling
    CaptionScrollScreen,
    CaptionLinesPerNotch,
    CaptionDpiLevels,  // the settings page's sections
    CaptionPointerSpeed,
    CaptionLiftOff,
    CaptionReportRate,
    CaptionWheelScrolling,
    CaptionButtons,
    CaptionBacklight,  // the lighting page's sections
    CaptionMulticolour,
    CaptionProximity,
    CaptionCurrentColour,
    CaptionColour,
    CaptionPresetColours,
    CaptionCustomColour,
    CaptionGame,  // the macro page and its event editor
    CaptionEvents,
    CaptionLoopCount,
    CaptionEventEditor,  // upper case where the script has it: drawn as a heading
    CaptionKey,          // also the key title of the picker's combination page
    CaptionDelay,
    CaptionStatistics,  // the statistics page
    CaptionClicks,
    CaptionLeft,
    CaptionMiddle,
    CaptionRight,
    CaptionTotal,
    CaptionForward,
    CaptionBackward,
    CaptionDistance,
    CaptionWheel,
    CaptionPointer,
    CaptionTravelUnit,  // the unit of the pointer's travel: ten thousand pixels
    CaptionTrophyLevel,
    CaptionAbout,  // the support page
    CaptionProduct,
    CaptionDriverVersion,
    CaptionFirmwareVersion,
    CaptionOnline,
    CaptionCheckFirmware,
    CaptionVisitWebsite,
    CaptionProfileFile,
    CaptionFactorySettings,
    CaptionRestoreDefaults,
    CaptionRunOnComputer,  // the function picker's pages
    CaptionModifiers,
    CaptionPressAKey,
    CaptionTabSettings,  // the window's page tabs, profile buttons and its other buttons
    CaptionTabLighting,
    CaptionTabMacros,
    CaptionTabStatistics,
    CaptionTabSupport,
    CaptionProfile,  // %s the profile's number
    CaptionApply,
    CaptionLanguage,  // short: the button is as narrow as the flag above it  // the button that
                      // opens the language list
    CaptionButtonForward,  // the settings page's button tabs (left, middle and right as above)
    CaptionButtonBack,
    CaptionWheelUp,
    CaptionWheelDown,
    CaptionUpdate,  // the support page's buttons
    CaptionWebsite,
    CaptionImport,
    CaptionExport,
    CaptionRestore,
    FunctionScrollUp,  // built-in function names the language files do not carry
    FunctionScrollDown,
    FunctionDisableKey,
    // The large trophy's rank names, one per level in order, and its level line (%s the level).
    CaptionRankRookie,
    CaptionRankApprentice,
    CaptionRankSkilled,
    CaptionRankAdept,
    CaptionRankVeteran,
    CaptionRankExpert,
    CaptionRankElite,
    CaptionRankMaster,
    CaptionRankGrandmaster,
    CaptionRankChampion,
    CaptionRankHero,
    CaptionRankLegend,
    CaptionRankImmortal,
    CaptionTrophyLevelLine,
    // Notices, questions and button captions of the pages and dialogs.
    RecordStart,      // the macro page's record button
    RecordStop,       // the same button while recording
    RecordBusyKey,    // recording refused while a key event is edited or inserted
    RecordBusyDelay,  // recording refused while a delay event is edited or inserted
    MacroInUse,       // a macro behind a button cannot be deleted
    InfoOk,           // the information box's buttons (fixed width: keep them short)
    InfoCancel,
    UpdateInProgress,  // the progress window's line while the firmware is written
    MouseFound,        // the mouse was found / is missing
    MouseMissing,
    RefusedLeftClick,    // the picker refuses to take the last left click away
    RefusedSniper,       // the wheel cannot take the sniper function
    PresetCustomize,     // the macro page's preset button when no game is chosen
    RestoreDefaultsAsk,  // the support page asks before restoring the defaults
    ResetStatisticsAsk,  // the statistics page asks before clearing trophies and counts
    FirmwareNewVersion,  // the update check offers a newer firmware
    FirmwareLatest,      // the mouse already has the newest firmware
    FirmwareDownloadFailed,
    Count
};

inline constexpr int kProgramTextLanguages = 12;

// The text in the language `languageId` (1..12, the order of the language table: Simplified
// Chinese, English, French, Korean, German, Italian, Spanish, Dutch, Portuguese, Russian,
// Ukrainian, Traditional Chinese), UTF-8; English for any other id.
std::string_view programText(ProgramText text, int64_t languageId);

}  // namespace z408
