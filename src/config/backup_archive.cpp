#include "config/backup_archive.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "config/seeding.h"

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

FileResult restoreBackupFiles(const std::filesystem::path& dataDirectory,
                              const std::vector<BackupFile>& files, std::string& failedName) {
    struct Staged {
        std::filesystem::path target;
        std::string temporary;
        std::optional<std::vector<uint8_t>> previous;  // nothing when the file did not exist
    };
    std::vector<Staged> staged;
    const auto dropTemporaries = [&] {
        for (const Staged& s : staged)
            if (!s.temporary.empty()) ::unlink(s.temporary.c_str());
    };
    // Everything that can fail for want of space or rights happens before the first rename.
    for (const BackupFile& f : files) {
        failedName = f.name;
        Staged s{dataDirectory / f.name, {}, std::nullopt};
        std::error_code ec;
        std::filesystem::create_directories(s.target.parent_path(), ec);
        std::vector<uint8_t> old;
        if (const FileResult r = readFilePrefix(s.target, kBackupMaxFileBytes + 1, old); r)
            s.previous = std::move(old);
        else if (r.error != FileError::NotFound) {
            dropTemporaries();
            return r;
        }
        const FileResult r = writeFileStaged(s.target, f.bytes, s.temporary);
        if (!r) {
            dropTemporaries();
            return r;
        }
        staged.push_back(std::move(s));
    }
    for (size_t i = 0; i < staged.size(); ++i) {
        failedName = files[i].name;
        if (const FileResult r = commitStagedFile(staged[i].temporary, staged[i].target); !r) {
            // Put back what was already replaced, newest first; drop what was not yet used.
            for (size_t j = i; j-- > 0;) {
                if (staged[j].previous)
                    writeFileAtomic(staged[j].target, *staged[j].previous);
                else
                    ::unlink(staged[j].target.c_str());
            }
            for (size_t j = i; j < staged.size(); ++j) ::unlink(staged[j].temporary.c_str());
            return r;
        }
    }
    failedName.clear();
    return {};
}

}  // namespace z408
