// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Macro.cfg in the data directory: the library's 500 slots back to back (2052000 bytes, no
// header). Every change goes to memory first, then the whole file is rewritten.
#include <filesystem>

#include "common/clock.h"
#include "common/file_io.h"
#include "common/user_notices.h"
#include "macros/macro_library.h"

namespace z408 {

inline constexpr const char* kMacroFileName = "Macro.cfg";
// The pause before and after rewriting an existing Macro.cfg.
inline constexpr uint32_t kMacroSaveSettleMs = 100;

// Reads Macro.cfg of `dataDirectory` into `library` as it stands (a short file leaves the
// remaining slots free); on failure the library keeps what it held. Tells no one: callers decide
// whether a missing file matters.
FileResult readMacroLibraryFile(const std::filesystem::path& dataDirectory, MacroLibrary& library);

class MacroStore {
  public:
    MacroStore(MacroLibrary& library, std::filesystem::path dataDirectory, UserNotices& notices,
               Clock& clock);

    std::filesystem::path path() const;
    MacroLibrary& library() { return library_; }
    const MacroLibrary& library() const { return library_; }

    // Start-up: the whole table from the file, taken as it is (a short file leaves the remaining
    // slots free). On failure the table keeps what it held and the user is told why.
    bool loadMacroLibrary();

    // Rewrites the whole file. A missing file is reported and then created. False when the file
    // could not be written (reported to the user).
    bool saveMacroLibrary();

    // Puts the macro into the library (see MacroLibrary::placeMacro) and saves the file. False when
    // the record was refused or the library is full; nothing changes then and nothing is shown.
    bool storeMacro(const MacroEntry& source);

    // True when Macro.cfg can be read and holds something else than the library in memory: another
    // program changed it since it was read or written here.
    bool differsOnDisk() const;

    // Zeroes the slot of the macro, if it has one, and saves the file either way.
    void deleteMacro(uint32_t id);

  private:
    MacroLibrary& library_;
    std::filesystem::path dataDirectory_;
    UserNotices& notices_;
    Clock& clock_;
};

// A new macro's id: the preset in bits 24..31, the low 24 bits of the millisecond tick below.
uint32_t createMacroId(uint8_t preset, Clock& clock);

}  // namespace z408
