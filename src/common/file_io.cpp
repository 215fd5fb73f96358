// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "common/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>

namespace z408 {
namespace {

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() {
        const int f = fd_;
        fd_ = -1;
        return f;
    }

  private:
    int fd_;
};

bool writeAll(int fd, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

FileResult fileResultFromErrno(int err) {
    switch (err) {
        case 0:
            return {};
        case ENOENT:
        case ENOTDIR:
            return {FileError::NotFound, err};
        case EACCES:
        case EPERM:
        case EROFS:
            return {FileError::AccessDenied, err};
        default:
            return {FileError::Other, err};
    }
}

std::string FileResult::describe() const {
    return sysErrno ? std::string(std::strerror(sysErrno)) : std::string("no error");
}

namespace {

// Paths under which special files (pipes, terminals, devices) are read on purpose.
bool isSpecialFileName(const std::filesystem::path& path) {
    const std::string p = path.string();
    return p.starts_with("/dev/") || p.starts_with("/proc/");
}

// Reads up to `maxBytes`; with `refuseLonger` a file holding more is an error (EFBIG), and one
// whose size already says so is refused unread.
FileResult readFileUpTo(const std::filesystem::path& path, size_t maxBytes, bool refuseLonger,
                        std::vector<uint8_t>& out) {
    out.clear();
    // Not blocking in open: a FIFO put in place of a data file would wait for a writer forever.
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return fileResultFromErrno(errno);
    struct stat st {};
    const bool statted = ::fstat(fd.get(), &st) == 0;
    if (statted && S_ISDIR(st.st_mode)) return fileResultFromErrno(EISDIR);
    if (statted && !S_ISREG(st.st_mode)) {
        // Only a special file named as one (standard input, /dev/fd/N) is read, and then as
        // any reader of a pipe would: waiting for its data.
        if (!isSpecialFileName(path)) return fileResultFromErrno(ENOTSUP);
        const int flags = ::fcntl(fd.get(), F_GETFL);
        if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
    }
    if (refuseLonger) {
        if (statted && S_ISREG(st.st_mode) && static_cast<uintmax_t>(st.st_size) > maxBytes)
            return fileResultFromErrno(EFBIG);
        // One byte past the limit tells a file that is too long (or grew) from one that fits.
        maxBytes = std::min(maxBytes, SIZE_MAX - 1) + 1;
    }
    // Sized by the file, not by the limit: a 64 MB limit must not cost 64 MB per small file. One
    // byte more than the size notices a file that grew; the buffer then grows up to the limit.
    size_t capacity = maxBytes;
    if (statted && S_ISREG(st.st_mode) && st.st_size >= 0)
        capacity = std::min(maxBytes, static_cast<size_t>(st.st_size) + 1);
    out.resize(capacity);
    size_t got = 0;
    while (got < maxBytes) {
        if (got == out.size())
            out.resize(std::min(maxBytes, std::max<size_t>(out.size() * 2, 4096)));
        const ssize_t n = ::read(fd.get(), out.data() + got, out.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            out.clear();
            return fileResultFromErrno(err);
        }
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    out.resize(got);
    if (refuseLonger && got == maxBytes) {
        out.clear();
        return fileResultFromErrno(EFBIG);
    }
    return {};
}

}  // namespace

FileResult readFilePrefix(const std::filesystem::path& path, size_t maxBytes,
                          std::vector<uint8_t>& out) {
    return readFileUpTo(path, maxBytes, false, out);
}

FileResult readWholeFile(const std::filesystem::path& path, size_t maxBytes,
                         std::vector<uint8_t>& out) {
    return readFileUpTo(path, maxBytes, true, out);
}

namespace {

// The process's umask, read without changing it (umask() can only be read by setting it, which
// would race with other threads creating files).
mode_t currentUmask() {
    std::vector<uint8_t> status;
    if (readFilePrefix("/proc/self/status", 4096, status)) {
        const std::string_view text(reinterpret_cast<const char*>(status.data()), status.size());
        const size_t at = text.find("\nUmask:");
        if (at != std::string_view::npos) {
            mode_t mask = 0;
            size_t i = at + 7;
            while (i < text.size() && (text[i] == '\t' || text[i] == ' ')) ++i;
            const size_t start = i;
            while (i < text.size() && text[i] >= '0' && text[i] <= '7' && i - start < 4)
                mask = static_cast<mode_t>(mask * 8 + static_cast<mode_t>(text[i++] - '0'));
            if (i > start) return mask & 0777;
        }
    }
    return 022;
}

// The mode a file written at `path` gets.
mode_t replacementMode(const std::filesystem::path& path) {
    // The file keeps the rights its owner gave it (a macro library made private stays private);
    // a new file gets what the umask allows, as any file the user creates.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
    return 0666 & ~currentUmask();
}

}  // namespace

FileResult writeFileStaged(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                           std::string& temporary) {
    temporary.clear();
    // Only a file (or a link, which the rename replaces) is replaced: a FIFO, a socket or a
    // device in its place is somebody's and would be destroyed by the rename.
    struct stat existing {};
    if (::lstat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode) &&
        !S_ISLNK(existing.st_mode))
        return fileResultFromErrno(S_ISDIR(existing.st_mode) ? EISDIR : ENOTSUP);
    // A file its owner made read-only is not replaced behind the mark's back, as writing it in
    // place would not be.
    if (S_ISREG(existing.st_mode) && ::access(path.c_str(), W_OK) != 0 && errno == EACCES)
        return fileResultFromErrno(EACCES);
    const mode_t mode = replacementMode(path);
    std::string tmpl = path.string() + ".XXXXXX";
    Fd fd(::mkstemp(tmpl.data()));
    temporary.clear();
    if (fd.get() < 0) return fileResultFromErrno(errno);
    // mkstemp creates 0600.
    ::fchmod(fd.get(), mode);
    const auto fail = [&](int err) {
        ::unlink(tmpl.c_str());
        return fileResultFromErrno(err);
    };
    if (!writeAll(fd.get(), bytes)) return fail(errno);
    if (::fsync(fd.get()) != 0) return fail(errno);
    if (::close(fd.release()) != 0) return fail(errno);
    temporary = std::move(tmpl);
    return {};
}

FileResult commitStagedFile(const std::string& temporary, const std::filesystem::path& path) {
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temporary.c_str());
        return fileResultFromErrno(err);
    }
    // Make the rename itself durable.
    Fd dir(::open(path.parent_path().empty() ? "." : path.parent_path().c_str(),
                  O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
    return {};
}

FileResult writeFileAtomic(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    std::string temporary;
    if (FileResult r = writeFileStaged(path, bytes, temporary); !r) return r;
    return commitStagedFile(temporary, path);
}

FileResult copyFileNoOverwrite(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code ec;
    if (std::filesystem::exists(to, ec)) return fileResultFromErrno(EEXIST);
    std::vector<uint8_t> bytes;
    // Seed files are small; the largest is the macro library (about 2 MB).
    if (auto r = readFilePrefix(from, 64u << 20, bytes); !r) return r;
    return writeFileAtomic(to, bytes);
}

}  // namespace z408
