// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/x11_input_source.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/record.h>
#include <X11/keysym.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "common/event_codes.h"
#include "desktop/x11_display.h"

namespace z408::desktop {
namespace {

const char* buttonName(unsigned button) {
    switch (button) {
        case 1:
            return "left button";
        case 2:
            return "middle button";
        case 3:
            return "right button";
        case 4:
            return "wheel forward";
        case 5:
            return "wheel backward";
        case 8:
            return "back button";
        case 9:
            return "forward button";
        default:
            return "button";
    }
}

uint32_t keysymAt(XkbDescPtr xkb, uint32_t keycode, int level) {
    const auto kc = static_cast<KeyCode>(keycode);
    if (keycode < xkb->min_key_code || keycode > xkb->max_key_code) return 0;
    if (XkbKeyNumGroups(xkb, kc) == 0 || level >= XkbKeyGroupWidth(xkb, kc, 0)) return 0;
    return static_cast<uint32_t>(XkbKeySymEntry(xkb, kc, level, 0));
}

// A readable socket with nothing to read: the server closed the connection.
bool atEndOfStream(const pollfd& p) {
    if ((p.revents & POLLIN) == 0) return false;
    char byte;
    return recv(p.fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

}  // namespace

namespace {
// The hook's event code of each X button's press.
constexpr struct {
    uint32_t code;
    unsigned button;
} kButtonCodes[] = {{event_code::LeftDown, 1},   {event_code::MiddleDown, 2},
                    {event_code::RightDown, 3},  {event_code::WheelUp, 4},
                    {event_code::WheelDown, 5},  {event_code::BackDown, 8},
                    {event_code::ForwardDown, 9}};
}  // namespace

unsigned buttonOfEventCode(uint32_t code) {
    for (const auto& bc : kButtonCodes)
        if (bc.code == code) return bc.button;
    return 0;
}

uint32_t eventCodeOfButton(unsigned button) {
    for (const auto& bc : kButtonCodes)
        if (bc.button == button) return bc.code;
    return 0;
}

struct RecordAccess {
    static void proc(XPointer self, XRecordInterceptData* d) {
        reinterpret_cast<X11InputSource*>(self)->onRecord(d->category, d->data, d->data_len * 4u);
        XRecordFreeData(d);
    }
};

X11InputSource::~X11InputSource() {
    stop();
}

void X11InputSource::rebuildKeycodeTable() {
    XkbDescPtr xkb = XkbGetMap(grab_, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd);
    if (xkb == nullptr) return;
    decoder_.table().build(
        [](void* ctx, uint32_t kc, int level) {
            return keysymAt(static_cast<XkbDescPtr>(ctx), kc, level);
        },
        xkb);
    XkbFreeKeyboard(xkb, 0, True);
}

bool X11InputSource::start(Callback callback, std::string& error) {
    if (running()) return true;
    control_ = openX11Display(error);
    if (control_ != nullptr) data_ = openX11Display(error);
    if (data_ != nullptr) grab_ = openX11Display(error);
    if (grab_ == nullptr) {
        closeAll();
        return false;
    }
    int major = 0, minor = 0;
    if (!XRecordQueryVersion(control_, &major, &minor)) {
        error = "The X server has no RECORD extension, so buttons and keys cannot be watched.";
        closeAll();
        return false;
    }
    {
        std::lock_guard lock(grabMutex_);
        rebuildKeycodeTable();
        // Start from the current Num Lock and Alt state; the stream keeps them up to date.
        XkbStateRec state{};
        if (XkbGetState(grab_, XkbUseCoreKbd, &state) == Success) {
            const unsigned numMask = XkbKeysymToModifiers(grab_, XK_Num_Lock);
            decoder_.setNumLock(numMask != 0 && (state.locked_mods & numMask) != 0);
        }
        char keys[32] = {};
        XQueryKeymap(grab_, keys);
        auto down = [&](KeySym ks) {
            const KeyCode kc = XKeysymToKeycode(grab_, ks);
            return kc != 0 && (keys[kc / 8] & (1 << (kc % 8))) != 0;
        };
        decoder_.setAltHeld(down(XK_Alt_L), down(XK_Alt_R) || down(XK_ISO_Level3_Shift));
    }
    XRecordRange* range = XRecordAllocRange();
    if (range == nullptr) {
        error = "Out of memory.";
        closeAll();
        return false;
    }
    range->device_events.first = KeyPress;
    range->device_events.last = ButtonRelease;  // motion is not needed and by far the most frequent
    XRecordClientSpec clients = XRecordAllClients;
    {
        X11ErrorTrap trap(control_);
        context_ = XRecordCreateContext(control_, 0, &clients, 1, &range, 1);
        if (trap.sync() != 0) context_ = 0;
    }
    XFree(range);
    if (context_ == 0) {
        error = "The X server refused to record input events.";
        closeAll();
        return false;
    }
    wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd_ < 0 || !XRecordEnableContextAsync(data_, context_, &RecordAccess::proc,
                                                  reinterpret_cast<XPointer>(this))) {
        error = "Cannot start recording input events.";
        closeAll();
        return false;
    }
    XFlush(data_);
    callback_ = std::move(callback);
    ended_ = false;
    serverLost_ = false;
    thread_ = std::jthread([this](std::stop_token st) { run(st); });
    // The server answers the enabling on the data connection only with the first event, so ask
    // on the control connection until the context reads as enabled.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (;;) {
        XRecordState* state = nullptr;
        const bool enabled =
            XRecordGetContext(control_, context_, &state) && state != nullptr && state->enabled;
        if (state != nullptr) XRecordFreeState(state);
        if (enabled) break;
        if (ended_ || std::chrono::steady_clock::now() > deadline) {
            error = "The X server did not start recording input events.";
            stop();
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void X11InputSource::onRecord(int category, const uint8_t* data, size_t size) {
    switch (category) {
        case XRecordFromServer: {
            InputEvent ev;
            if (decoder_.decode(data, size, ev)) callback_(ev);
            break;
        }
        case XRecordEndOfData:
            ended_ = true;
            break;
        default:
            break;
    }
}

void X11InputSource::drainGrabConnection() {
    std::lock_guard lock(grabMutex_);
    bool remap = false;
    while (XPending(grab_) > 0) {
        XEvent ev;
        XNextEvent(grab_, &ev);
        // Grabbed button events land here and are dropped: the record stream already has them.
        if (ev.type == MappingNotify) {
            XRefreshKeyboardMapping(&ev.xmapping);
            remap = true;
        }
    }
    if (remap) rebuildKeycodeTable();
}

void X11InputSource::run(std::stop_token stop) {
    pollfd fds[3] = {{ConnectionNumber(data_), POLLIN | POLLRDHUP, 0},
                     {ConnectionNumber(grab_), POLLIN | POLLRDHUP, 0},
                     {wakeFd_, POLLIN, 0}};
    while (!stop.stop_requested() && !ended_) {
        if (poll(fds, 3, -1) < 0) continue;
        // A server that hung up is left alone: Xlib's state after reading a broken connection is
        // not safe to use from several threads, so the hang-up is caught before any read and no
        // further request goes out on any connection.
        if (((fds[0].revents | fds[1].revents) & (POLLERR | POLLHUP | POLLRDHUP | POLLNVAL)) != 0 ||
            atEndOfStream(fds[0]) || atEndOfStream(fds[1])) {
            serverLost_ = true;
            break;
        }
        if (fds[2].revents != 0) break;
        XRecordProcessReplies(data_);
        if (ended_) break;
        // The grab connection must be read too, or grabbed events pile up in its queue.
        if (fds[1].revents != 0) drainGrabConnection();
        if (x11ConnectionBroken(data_) || x11ConnectionBroken(grab_)) {
            serverLost_ = true;
            break;
        }
    }
    ended_ = true;
}

void X11InputSource::stop() {
    if (thread_.joinable()) {
        // Recording that ended without being disabled means the server went away; then nothing
        // more is sent on any of the connections.
        const bool lost = ended_ || serverLost_ || x11ConnectionBroken(control_) ||
                          x11ConnectionBroken(data_) || x11ConnectionBroken(grab_);
        if (lost) {
            thread_.join();
            abandonX11Display(control_);
            abandonX11Display(data_);
            abandonX11Display(grab_);
        } else {
            XRecordDisableContext(control_, context_);
            XSync(control_, False);
            thread_.request_stop();
            const uint64_t one = 1;
            if (write(wakeFd_, &one, sizeof one) < 0) {
                // The thread also leaves on the end-of-data reply of the disabled context.
            }
            thread_.join();
        }
    }
    closeAll();
}

void X11InputSource::closeAll() {
    if (context_ != 0 && control_ != nullptr && !x11ConnectionBroken(control_) &&
        !x11ConnectionBroken(data_)) {
        XRecordFreeContext(control_, context_);
        XSync(control_, False);
    }
    context_ = 0;
    {
        std::lock_guard lock(grabMutex_);
        closeX11Display(grab_);  // closing releases the grabs
        grab_ = nullptr;
        grabbed_.fill(false);
    }
    closeX11Display(data_);
    closeX11Display(control_);
    data_ = control_ = nullptr;
    if (wakeFd_ >= 0) close(wakeFd_);
    wakeFd_ = -1;
}

std::vector<unsigned> X11InputSource::setGrabbedButtons(std::span<const unsigned> buttons) {
    std::vector<unsigned> failures;
    std::lock_guard lock(grabMutex_);
    if (grab_ == nullptr) return failures;
    std::array<bool, 10> wanted{};  // by X button number
    for (const unsigned b : buttons)
        if (b >= 1 && b < wanted.size()) wanted[b] = true;
    const Window root = DefaultRootWindow(grab_);
    for (unsigned b = 1; b < wanted.size(); ++b) {
        if (wanted[b] && !grabbed_[b]) {
            X11ErrorTrap trap(grab_);
            XGrabButton(grab_, b, AnyModifier, root, False, ButtonPressMask | ButtonReleaseMask,
                        GrabModeAsync, GrabModeAsync, None, None);
            if (trap.sync() == 0)
                grabbed_[b] = true;
            else
                failures.push_back(b);
        } else if (!wanted[b] && grabbed_[b]) {
            XUngrabButton(grab_, b, AnyModifier, root);
            grabbed_[b] = false;
        }
    }
    XSync(grab_, False);
    return failures;
}

std::string X11InputSource::describe(const std::vector<unsigned>& heldElsewhere) {
    if (heldElsewhere.empty()) return {};
    std::string names;
    for (size_t i = 0; i < heldElsewhere.size(); ++i) {
        if (i > 0) names += i + 1 == heldElsewhere.size() ? " and " : ", ";
        char code[16];
        std::snprintf(code, sizeof code, "0x%x", eventCodeOfButton(heldElsewhere[i]));
        names += std::string(buttonName(heldElsewhere[i])) + " (" + code + ")";
    }
    return "Another program has already taken over the " + names + ", so " +
           (heldElsewhere.size() == 1 ? "its presses go" : "their presses go") +
           " to that program as well.";
}

}  // namespace z408::desktop
