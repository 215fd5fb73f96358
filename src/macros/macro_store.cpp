// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "macros/macro_store.h"

#include "common/data_folder_lock.h"
#include "common/file_io.h"
#include "common/file_messages.h"
#include "common/text.h"

#include <memory>

namespace z408 {

MacroStore::MacroStore(MacroLibrary& library, std::filesystem::path dataDirectory,
                       UserNotices& notices, Clock& clock)
    : library_(library),
      dataDirectory_(std::move(dataDirectory)),
      notices_(notices),
      clock_(clock) {}

std::filesystem::path MacroStore::path() const {
    return dataDirectory_ / kMacroFileName;
}

FileResult readMacroLibraryFile(const std::filesystem::path& dataDirectory, MacroLibrary& library) {
    std::vector<uint8_t> bytes;
    const FileResult r = readFilePrefix(dataDirectory / kMacroFileName, kMacroLibrarySize, bytes);
    if (r) library.assign(bytes);
    return r;
}

bool MacroStore::loadMacroLibrary() {
    const auto file = path();
    const FileResult r = readMacroLibraryFile(dataDirectory_, library_);
    if (r) return true;
    if (r.error == FileError::NotFound) {
        notices_.info(formatText(notices_.text("str_msg2"), {file.string()}));
    } else {
        // An unreadable library looks empty, and the next change would overwrite the user's
        // macros with it: say so instead of carrying on silently.
        // A plain message box: the path and the reason are read whole there.
        notices_.message(fileFailureText(notices_, ProgramText::CouldNotRead, file, r));
    }
    return false;
}

bool MacroStore::saveMacroLibrary() {
    const auto file = path();
    const auto image = library_.image();
    // Another writer (z408ctl) in the middle of its change finishes first. A folder where no
    // lock can be made is left to the write below to report.
    DataFolderLock lock;
    if (const FileResult r = lock.acquire(dataDirectory_, clock_); isBusy(r))
        return reportSaveFailure(notices_, file, r);
    std::error_code ec;
    const bool exists = std::filesystem::exists(file, ec);
    if (exists) {
        clock_.sleepMs(kMacroSaveSettleMs);
        const FileResult r = writeFileAtomic(file, image);
        clock_.sleepMs(kMacroSaveSettleMs);
        return reportSaveFailure(notices_, file, r);
    }
    notices_.message(formatText(notices_.text("str_msg2"), {file.string()}));
    const FileResult r = writeFileAtomic(file, image);
    if (r) return true;
    if (r.error == FileError::AccessDenied)
        notices_.message(notices_.text("str_msg4"));
    else
        notices_.message(fileFailureText(notices_, ProgramText::CouldNotSave, file, r));
    return false;
}

bool MacroStore::storeMacro(const MacroEntry& source) {
    if (!library_.placeMacro(source)) return false;
    saveMacroLibrary();
    return true;
}

bool MacroStore::differsOnDisk() const {
    // 2 MB: not on the stack.
    const auto onDisk = std::make_unique<MacroLibrary>();
    if (!readMacroLibraryFile(dataDirectory_, *onDisk)) return false;
    return onDisk->image() != library_.image();
}

void MacroStore::deleteMacro(uint32_t id) {
    library_.clearMacro(id);
    saveMacroLibrary();
}

uint32_t createMacroId(uint8_t preset, Clock& clock) {
    return makeMacroId(preset, static_cast<uint32_t>(clock.nowMs() & 0xFFFFFF));
}

}  // namespace z408
