// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "common/instance_link.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace z408 {
namespace {

// A folder that only this user can enter: ours, a real folder (not a link), no access for
// group or others.
bool isPrivateFolder(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
           (st.st_mode & 077) == 0;
}

std::string environment(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

struct Fd {
    int fd = -1;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

std::string instanceFolder(bool create) {
    const std::string runtime = environment("XDG_RUNTIME_DIR");
    if (!runtime.empty() && runtime[0] == '/' && isPrivateFolder(runtime)) return runtime;
    // No usable runtime folder: one of our own in the home, never a shared place like /tmp
    // where another user could make the folder first. A state directory set to a shared place
    // where another user made the folder already gives way to the one in the home.
    const std::string home = environment("HOME");
    std::vector<std::string> states;
    if (const std::string state = environment("XDG_STATE_HOME"); !state.empty() && state[0] == '/')
        states.push_back(state);
    if (!home.empty() && home[0] == '/') states.push_back(home + "/.local/state");
    for (const std::string& state : states) {
        const std::string folder = state + "/z408";
        if (create) {
            std::error_code ec;
            std::filesystem::create_directories(state, ec);
            ::mkdir(folder.c_str(), 0700);
            // Our own folder made open by someone's umask is closed again; anyone else's is not
            // used.
            struct stat st {};
            if (::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid())
                ::chmod(folder.c_str(), 0700);
        }
        if (isPrivateFolder(folder)) return folder;
    }
    return {};
}

bool peerIsThisUser(int fd) {
    struct ucred cred {};
    socklen_t len = sizeof cred;
    return fd >= 0 && ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &len) == 0 &&
           len == sizeof cred && cred.uid == ::getuid();
}

std::optional<InstanceRequest> parseInstanceRequest(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line == "show") return InstanceRequest{InstanceRequestKind::Show, 0};
    if (line == "macros") return InstanceRequest{InstanceRequestKind::MacrosChanged, 0};
    const auto withEntry = [&](std::string_view word,
                               InstanceRequestKind kind) -> std::optional<InstanceRequest> {
        if (line.size() != word.size() + 2 || line.substr(0, word.size()) != word ||
            line[word.size()] != ' ')
            return std::nullopt;
        const char digit = line.back();
        if (digit < '0' || digit > '4') return std::nullopt;
        return InstanceRequest{kind, digit - '0'};
    };
    if (auto r = withEntry("edits", InstanceRequestKind::UnsavedEdits)) return r;
    return withEntry("reload", InstanceRequestKind::ProfilesChanged);
}

std::string formatInstanceRequest(const InstanceRequest& request) {
    switch (request.kind) {
        case InstanceRequestKind::Show:
            return "show\n";
        case InstanceRequestKind::UnsavedEdits:
            return "edits " + std::to_string(request.entry) + "\n";
        case InstanceRequestKind::ProfilesChanged:
            return "reload " + std::to_string(request.entry) + "\n";
        case InstanceRequestKind::MacrosChanged:
            return "macros\n";
    }
    return {};
}

InstanceCall callRunningInstance(const InstanceRequest& request, std::string& reply,
                                 int timeoutMs) {
    reply.clear();
    const std::string folder = instanceFolder(false);
    if (folder.empty()) return InstanceCall::NotRunning;
    const std::string path = folder + "/" + kInstanceKey;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return InstanceCall::NotRunning;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    Fd s{::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)};
    if (s.fd < 0) return InstanceCall::NotRunning;
    // A socket left behind by a window that ended refuses the connection: nobody runs.
    if (::connect(s.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return InstanceCall::NotRunning;
    // The folder is private, but a window of another user is never told anything.
    if (!peerIsThisUser(s.fd)) return InstanceCall::NotRunning;
    const std::string line = formatInstanceRequest(request);
    if (::send(s.fd, line.data(), line.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(line.size()))
        return InstanceCall::NoAnswer;
    // One short line answers; anything longer is not an answer of ours.
    constexpr size_t kMaxReply = 64;
    while (reply.size() <= kMaxReply) {
        pollfd p{s.fd, POLLIN, 0};
        if (::poll(&p, 1, timeoutMs) <= 0) return InstanceCall::NoAnswer;
        char buf[kMaxReply];
        const ssize_t n = ::recv(s.fd, buf, sizeof buf, 0);
        if (n <= 0) return InstanceCall::NoAnswer;
        reply.append(buf, static_cast<size_t>(n));
        if (const size_t nl = reply.find('\n'); nl != std::string::npos) {
            reply.resize(nl);
            return InstanceCall::Answered;
        }
    }
    reply.clear();
    return InstanceCall::NoAnswer;
}

}  // namespace z408
