// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "common/file_set.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace z408 {
namespace {

constexpr std::string_view kJournalHeader = "z408 journal 1\n";
constexpr std::string_view kJournalEnd = "end\n";
// Far more than the nine files of a backup need; a longer journal is not one of ours.
constexpr size_t kMaxJournalBytes = 64 * 1024;
// The largest data file (the macro library) is about 2 MB.
constexpr size_t kMaxPreviousBytes = 64u << 20;
// mkstemp's suffix: a dot and six characters.
constexpr size_t kTemporarySuffix = 7;

void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A relative path inside the folder: no root, no "..", nothing empty.
bool isInside(const std::filesystem::path& relative) {
    if (relative.empty() || relative.is_absolute()) return false;
    for (const auto& part : relative)
        if (part == ".." || part == "." || part.empty()) return false;
    return true;
}

// A temporary of writeFileStaged for a target named `name`: the name, a dot, six characters.
bool isTemporaryOf(std::string_view temporary, std::string_view name) {
    return temporary.size() == name.size() + kTemporarySuffix &&
           temporary.substr(0, name.size()) == name && temporary[name.size()] == '.';
}

}  // namespace

FileResult replaceFilesTogether(const std::filesystem::path& folder,
                                std::span<const FileReplacement> files, size_t& failed,
                                const std::function<void(int step)>& afterStep) {
    const auto step = [&](int n) {
        if (afterStep) afterStep(n);
    };
    struct Staged {
        std::string temporary;
        std::optional<std::vector<uint8_t>> previous;  // nothing when the file did not exist
    };
    std::vector<Staged> staged(files.size());
    const auto dropTemporaries = [&] {
        for (const Staged& s : staged)
            if (!s.temporary.empty()) ::unlink(s.temporary.c_str());
    };
    std::string journal(kJournalHeader);
    // Everything that can fail for want of space or rights happens before the first rename.
    for (size_t i = 0; i < files.size(); ++i) {
        failed = i;
        const std::filesystem::path relative = files[i].target.lexically_relative(folder);
        if (!isInside(relative)) {
            dropTemporaries();
            return fileResultFromErrno(EINVAL);
        }
        std::vector<uint8_t> old;
        if (const FileResult r = readWholeFile(files[i].target, kMaxPreviousBytes, old); r)
            staged[i].previous = std::move(old);
        else if (r.error != FileError::NotFound) {
            dropTemporaries();
            return r;
        }
        if (const FileResult r =
                writeFileStaged(files[i].target, files[i].bytes, staged[i].temporary);
            !r) {
            dropTemporaries();
            return r;
        }
        journal += relative.string() + '\t' +
                   std::filesystem::path(staged[i].temporary).filename().string() + '\n';
    }
    journal += kJournalEnd;
    step(1);
    const std::filesystem::path journalPath = folder / kReplacementJournal;
    if (const FileResult r = writeFileAtomic(
            journalPath, {reinterpret_cast<const uint8_t*>(journal.data()), journal.size()});
        !r) {
        failed = files.size();
        dropTemporaries();
        return r;
    }
    step(2);
    for (size_t i = 0; i < files.size(); ++i) {
        failed = i;
        if (const FileResult r = commitStagedFile(staged[i].temporary, files[i].target); !r) {
            // Put back what was already replaced, newest first; drop what was not yet used.
            for (size_t j = i; j-- > 0;) {
                if (staged[j].previous)
                    writeFileAtomic(files[j].target, *staged[j].previous);
                else
                    ::unlink(files[j].target.c_str());
            }
            for (size_t j = i; j < files.size(); ++j) ::unlink(staged[j].temporary.c_str());
            ::unlink(journalPath.c_str());
            syncFolder(folder);
            return r;
        }
        staged[i].temporary.clear();
        step(3 + static_cast<int>(i));
    }
    ::unlink(journalPath.c_str());
    syncFolder(folder);
    step(3 + static_cast<int>(files.size()));
    return {};
}

void recoverInterruptedReplacement(const std::filesystem::path& folder, int staleAfterSeconds) {
    const std::filesystem::path journalPath = folder / kReplacementJournal;
    std::vector<uint8_t> bytes;
    if (readWholeFile(journalPath, kMaxJournalBytes, bytes)) {
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        // Written whole before the first rename: a journal without its end is not ours.
        if (text.starts_with(kJournalHeader) && text.ends_with(kJournalEnd)) {
            std::string_view rest = text.substr(
                kJournalHeader.size(), text.size() - kJournalHeader.size() - kJournalEnd.size());
            while (!rest.empty()) {
                const size_t nl = rest.find('\n');
                const std::string_view line = rest.substr(0, nl);
                rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
                const size_t tab = line.find('\t');
                if (tab == std::string_view::npos) continue;
                const std::filesystem::path relative(std::string(line.substr(0, tab)));
                const std::string temporary(line.substr(tab + 1));
                if (!isInside(relative) || !isTemporaryOf(temporary, relative.filename().string()))
                    continue;
                const std::filesystem::path target = folder / relative;
                const std::filesystem::path staged = target.parent_path() / temporary;
                struct stat st {};
                // A temporary still there was not renamed yet; a missing one was.
                if (::lstat(staged.c_str(), &st) == 0 && S_ISREG(st.st_mode))
                    ::rename(staged.c_str(), target.c_str());
            }
            syncFolder(folder);
            syncFolder(folder / "Profile");
        }
        ::unlink(journalPath.c_str());
        syncFolder(folder);
    }
    // Temporaries no journal names: the writer was killed before its journal, so the old files
    // stand. A young one may still be a live writer's that does not take the lock.
    const time_t now = std::time(nullptr);
    for (const std::filesystem::path& dir : {folder, folder / "Profile"}) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
            const std::string name = entry.path().filename().string();
            if (name.size() <= kTemporarySuffix) continue;
            const std::string base = name.substr(0, name.size() - kTemporarySuffix);
            if (!(base.ends_with(".cfg") || base == kReplacementJournal) ||
                !isTemporaryOf(name, base))
                continue;
            struct stat st {};
            if (::lstat(entry.path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
            if (now - st.st_mtime < staleAfterSeconds) continue;
            ::unlink(entry.path().c_str());
        }
    }
}

}  // namespace z408
