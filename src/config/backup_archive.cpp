// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "config/backup_archive.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "common/file_set.h"
#include "config/profile_settings.h"
#include "config/profile_table.h"
#include "config/seeding.h"
#include "i18n/language_choice.h"
#include "stats/statistics.h"

namespace z408 {
namespace {

void putU16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void putU32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A reader that never runs past the end.
class Cursor {
  public:
    explicit Cursor(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    bool take(size_t n, std::span<const uint8_t>& out) {
        if (n > bytes_.size() - at_) return false;
        out = bytes_.subspan(at_, n);
        at_ += n;
        return true;
    }
    bool u16(uint16_t& v) {
        std::span<const uint8_t> b;
        if (!take(2, b)) return false;
        v = static_cast<uint16_t>(b[0] | b[1] << 8);
        return true;
    }
    bool u32(uint32_t& v) {
        std::span<const uint8_t> b;
        if (!take(4, b)) return false;
        v = static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
            static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
        return true;
    }
    bool atEnd() const { return at_ == bytes_.size(); }

  private:
    std::span<const uint8_t> bytes_;
    size_t at_ = 0;
};

bool isDataFileName(std::string_view name) {
    return std::find(std::begin(kSeedFiles), std::end(kSeedFiles), name) != std::end(kSeedFiles);
}

}  // namespace

uint32_t crc32(std::span<const uint8_t> bytes) {
    static const auto table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    uint32_t c = 0xFFFFFFFFu;
    for (const uint8_t b : bytes) c = table[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::vector<uint8_t> encodeBackup(const std::vector<BackupFile>& files) {
    std::vector<uint8_t> out(kBackupMagic.begin(), kBackupMagic.end());
    putU32(out, kBackupVersion);
    putU32(out, static_cast<uint32_t>(files.size()));
    for (const BackupFile& f : files) {
        putU16(out, static_cast<uint16_t>(f.name.size()));
        out.insert(out.end(), f.name.begin(), f.name.end());
        putU32(out, static_cast<uint32_t>(f.bytes.size()));
        out.insert(out.end(), f.bytes.begin(), f.bytes.end());
    }
    putU32(out, crc32(out));
    return out;
}

std::optional<std::vector<BackupFile>> decodeBackup(std::span<const uint8_t> archive,
                                                    std::string& error) {
    const auto bad = [&](std::string why) -> std::optional<std::vector<BackupFile>> {
        error = std::move(why);
        return std::nullopt;
    };
    if (archive.size() < kBackupMagic.size() ||
        !std::equal(kBackupMagic.begin(), kBackupMagic.end(), archive.begin()))
        return bad("not a Z408 backup (it does not start with Z408BKUP)");
    Cursor header(archive.subspan(kBackupMagic.size()));
    uint32_t version = 0;
    if (!header.u32(version)) return bad("the backup is damaged: it ends in its header");
    if (version != kBackupVersion)
        return bad("the backup has format " + std::to_string(version) +
                   "; this program reads format " + std::to_string(kBackupVersion));
    if (archive.size() < kBackupMagic.size() + 12)
        return bad("the backup is damaged: it ends in its header");
    const auto body = archive.first(archive.size() - 4);
    Cursor tail(archive.last(4));
    uint32_t stored = 0;
    tail.u32(stored);
    if (crc32(body) != stored) return bad("the backup is damaged: its checksum does not match");

    Cursor in(body.subspan(kBackupMagic.size() + 4));
    uint32_t count = 0;
    in.u32(count);
    if (count == 0 || count > std::size(kSeedFiles))
        return bad("the backup is damaged: it claims " + std::to_string(count) + " files");
    std::vector<BackupFile> files;
    for (uint32_t i = 0; i < count; ++i) {
        uint16_t nameLength = 0;
        std::span<const uint8_t> name, bytes;
        uint32_t length = 0;
        if (!in.u16(nameLength) || !in.take(nameLength, name))
            return bad("the backup is damaged: file " + std::to_string(i + 1) + " has no name");
        BackupFile f{std::string(name.begin(), name.end()), {}};
        if (!isDataFileName(f.name)) return bad("the backup holds an unexpected file name");
        for (const BackupFile& seen : files)
            if (seen.name == f.name) return bad("the backup holds " + f.name + " twice");
        if (!in.u32(length) || length > kBackupMaxFileBytes || !in.take(length, bytes))
            return bad("the backup is damaged: " + f.name + " is cut short");
        f.bytes.assign(bytes.begin(), bytes.end());
        files.push_back(std::move(f));
    }
    if (!in.atEnd()) return bad("the backup is damaged: bytes follow its last file");
    return files;
}

FileResult collectBackupFiles(const std::filesystem::path& dataDirectory,
                              std::vector<BackupFile>& out, std::vector<std::string>& missing,
                              std::string& failedName) {
    out.clear();
    missing.clear();
    for (const char* name : kSeedFiles) {
        BackupFile f{name, {}};
        const FileResult r = readFilePrefix(dataDirectory / name, kBackupMaxFileBytes + 1, f.bytes);
        if (r.error == FileError::NotFound) {
            missing.push_back(name);
            continue;
        }
        failedName = name;
        if (!r) return r;
        if (f.bytes.size() > kBackupMaxFileBytes) return fileResultFromErrno(EFBIG);
        out.push_back(std::move(f));
    }
    failedName.clear();
    return {};
}

std::optional<std::string> backupContentProblem(const std::vector<BackupFile>& files,
                                                size_t macroLibraryBytes) {
    for (const BackupFile& f : files) {
        const std::string_view name = f.name;
        const bool profile = name.starts_with("Profile/Profile");
        const size_t limit = name == "Macro.cfg"                ? macroLibraryBytes
                             : name == "Sts.cfg"                ? kStatisticsSize
                             : name == kLanguageChoiceFile      ? size_t{4}
                             : name == "Profile/ConfigInfo.cfg" ? kTableSize
                             : profile                          ? kProfileSize
                                                                : size_t{0};
        // The program never writes an empty data file, nor one longer than its record.
        if (f.bytes.empty()) return f.name + " is empty";
        if (f.bytes.size() > limit)
            return f.name + " holds " + std::to_string(f.bytes.size()) + " bytes, more than the " +
                   std::to_string(limit) + " of its record";
        if (profile) {
            ProfileSettings p;
            p.assign(f.bytes);
            if (!p.hasMagic()) return f.name + " is not a profile";
        }
    }
    return std::nullopt;
}

FileResult restoreBackupFiles(const std::filesystem::path& dataDirectory,
                              const std::vector<BackupFile>& files, std::string& failedName) {
    std::vector<FileReplacement> replacements;
    for (const BackupFile& f : files) {
        std::error_code ec;
        std::filesystem::create_directories((dataDirectory / f.name).parent_path(), ec);
        replacements.push_back({dataDirectory / f.name, f.bytes});
    }
    size_t failed = 0;
    if (const FileResult r = replaceFilesTogether(dataDirectory, replacements, failed); !r) {
        failedName = failed < files.size() ? files[failed].name : kReplacementJournal;
        return r;
    }
    failedName.clear();
    return {};
}

}  // namespace z408
