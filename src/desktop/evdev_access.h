// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Whether this user may use the mouse's own input event nodes: read them (every event of the
// source) and write /dev/uinput (needed to take buttons from other programs while passing the
// rest on). Each problem carries its cause and its fix, in the person's language. Qt-free.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct udev_device;

namespace z408::desktop {

inline constexpr std::string_view kUinputPath = "/dev/uinput";

// What kept the source from reading the mouse or from taking its buttons.
enum class EvdevIssue : uint8_t {
    None,
    NoMouseNode,        // no input event node of the mouse is present
    NodeNotReadable,    // `path` could not be opened for reading (`error`: errno)
    NoUinput,           // /dev/uinput does not exist: the uinput module is not loaded
    UinputNotWritable,  // /dev/uinput exists but could not be opened for writing
    UinputFailed,       // the re-emitting device could not be created (`error`)
    GrabBusy,           // another program already holds `path` for itself
    GrabFailed,         // `path` could not be taken over for another reason (`error`)
    WatchFailed,        // the mouse's plugging in and out cannot be followed (`error`)
};

struct EvdevProblem {
    EvdevIssue issue = EvdevIssue::None;
    std::string path;  // the event node or /dev/uinput
    int error = 0;     // the errno behind it, 0 when none

    bool empty() const { return issue == EvdevIssue::None; }
    // The cause and the fix in the language `languageId` (1..12, English for others); empty
    // when there is no problem.
    std::string text(int32_t languageId) const;
    friend bool operator==(const EvdevProblem&, const EvdevProblem&) = default;
};

// The problem of an open() of the mouse's node (for reading) or of /dev/uinput (for writing)
// that failed with `err`.
EvdevProblem nodeOpenProblem(std::string_view path, int err);
EvdevProblem uinputOpenProblem(std::string_view path, int err);
// The problem of an EVIOCGRAB on `path` that failed with `err` (EBUSY: someone else holds it).
EvdevProblem grabProblem(std::string_view path, int err);
// The problem of a source that could not start watching (udev's monitor, its own wake-up)
// because of `err`; a library that failed without saying why counts as an I/O error.
EvdevProblem watchProblem(int err);

// One input event node of the mouse.
struct EvdevNode {
    std::string devnode;  // /dev/input/event5
    std::string syspath;  // its udev syspath, the key of hot-plug events
    std::string name;     // the input device's name
};

// The mouse's pointer event nodes present now: event nodes whose ancestors include a HID device
// of the mouse's vendor and product, over any bus, and that move a pointer or have a left
// button. The mouse's keyboard interface is never listed (keys are not read from devices), and
// devices made through uinput (ours among them) have no HID parent.
std::vector<EvdevNode> findMouseEventNodes();
// Whether bit `bit` is set in a sysfs capability bitmap ("capabilities/rel": hexadecimal words
// of the kernel's long, most significant first, leading zero words left out).
bool capabilityHasBit(std::string_view bitmap, unsigned bit, unsigned wordBits = 8 * sizeof(long));
// Whether a udev device (of a hot-plug event, say) is one of the mouse's event nodes, by the
// rule above, and the node it names.
bool isMouseEventDevice(udev_device* dev);
EvdevNode eventNodeOf(udev_device* dev);

// What the evdev source may do here.
struct EvdevAccess {
    std::vector<EvdevNode> nodes;  // the mouse's nodes found
    size_t readableNodes = 0;      // of those, the ones this user can open for reading
    bool uinputWritable = false;
    // Every problem found, in the order: the nodes (none present, or each unreadable one),
    // then /dev/uinput.
    std::vector<EvdevProblem> problems;
};

// Opens each node and /dev/uinput briefly to see (open() is the test that counts: ACLs, the
// uaccess tag and group membership all show in it; nothing is created or grabbed).
EvdevAccess checkEvdevAccess(std::string_view uinputPath = kUinputPath);

}  // namespace z408::desktop
