// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The running window's local socket, seen from both ends: where it lives, the one-line requests
// it takes (a second start asking it to show itself, z408ctl asking about unsaved edits and
// telling it that profile files changed), and z408ctl's side of the conversation.
#include <optional>
#include <string>
#include <string_view>

namespace z408 {

// The socket's name in its folder; its lock file adds ".lock".
inline constexpr const char* kInstanceKey = "Z408Driver.exe";

// The folder for the socket: $XDG_RUNTIME_DIR when it is the user's own and closed to others,
// else z408 under the user's state directory (made and closed to others when `create` is set),
// or under ~/.local/state when the state directory's one is another user's. Empty when none can
// be had.
std::string instanceFolder(bool create);

// True when the other end of the connected local socket `fd` runs as this process's user.
bool peerIsThisUser(int fd);

enum class InstanceRequestKind {
    Show,             // "show": bring the window to the front
    UnsavedEdits,     // "edits N": does the window hold unsaved edits of profile entry N (0..4)?
    ProfilesChanged,  // "reload N": profile entry N or the table changed on disk
    MacrosChanged,    // "macros": Macro.cfg changed on disk
};

struct InstanceRequest {
    InstanceRequestKind kind = InstanceRequestKind::Show;
    int entry = 0;
    friend bool operator==(const InstanceRequest&, const InstanceRequest&) = default;
};

// One request line without its newline; nothing for anything else (an entry outside 0..4 too).
std::optional<InstanceRequest> parseInstanceRequest(std::string_view line);
std::string formatInstanceRequest(const InstanceRequest& request);  // with the newline

// The window's answers.
inline constexpr std::string_view kReplyUnsaved = "unsaved";
inline constexpr std::string_view kReplySaved = "saved";
inline constexpr std::string_view kReplyDone = "done";

enum class InstanceCall {
    Answered,    // `reply` holds the answer line
    NotRunning,  // no window listens (or none of this user's)
    NoAnswer,    // connected, but no answer came in time
};

// Sends one request to the running window and waits up to `timeoutMs` for its answer line.
InstanceCall callRunningInstance(const InstanceRequest& request, std::string& reply,
                                 int timeoutMs = 3000);

}  // namespace z408
