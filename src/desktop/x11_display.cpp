// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/x11_display.h"

#include <X11/Xlib.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace z408::desktop {
namespace {

using ErrorHandler = int (*)(Display*, XErrorEvent*);
ErrorHandler gPreviousHandler = nullptr;
using IoErrorHandler = int (*)(Display*);
IoErrorHandler gPreviousIoHandler = nullptr;
thread_local Display* tTrapDisplay = nullptr;
thread_local int tTrapError = 0;
// Displays opened here: their errors are never fatal, unlike under Xlib's default handler.
std::array<std::atomic<Display*>, 32> gOwnDisplays{};
// Connections that broke. Xlib's locks are not usable after that (closing can wait forever), so
// they are abandoned, not closed; kept here, they stay reachable rather than leaked.
std::array<std::atomic<Display*>, 32> gBrokenDisplays{};

bool isBroken(Display* d) {
    for (const auto& slot : gBrokenDisplays)
        if (slot.load() == d) return true;
    return false;
}

bool isOwnDisplay(Display* d) {
    for (const auto& slot : gOwnDisplays)
        if (slot.load() == d) return true;
    return false;
}

int errorHandler(Display* d, XErrorEvent* e) {
    if (d == tTrapDisplay) {
        if (tTrapError == 0) tTrapError = e->error_code;
        return 0;
    }
    if (isOwnDisplay(d)) {
        if (std::getenv("Z408_DEBUG"))
            std::fprintf(stderr, "X error %d on request %d\n", e->error_code, e->request_code);
        return 0;
    }
    return gPreviousHandler ? gPreviousHandler(d, e) : 0;
}

// Xlib ends the process when a connection breaks; for our own connections (a hook, a settings
// query) a lost X server must not take the program down, so the loss is only noted.
void markBroken(Display* d) {
    if (isBroken(d)) return;
    for (auto& slot : gBrokenDisplays) {
        Display* expected = nullptr;
        if (slot.compare_exchange_strong(expected, d)) break;
    }
}

void keepRunningOnLostConnection(Display* d, void*) {
    markBroken(d);
}

int ioErrorHandler(Display* d) {
    if (isOwnDisplay(d)) {
        if (std::getenv("Z408_DEBUG"))
            std::fprintf(stderr, "lost the connection to the X server\n");
        return 0;
    }
    return gPreviousIoHandler ? gPreviousIoHandler(d) : 0;
}

void initialiseXlib() {
    static std::once_flag once;
    std::call_once(once, [] {
        XInitThreads();
        gPreviousHandler = XSetErrorHandler(errorHandler);
        gPreviousIoHandler = XSetIOErrorHandler(ioErrorHandler);
    });
}

}  // namespace

bool x11ConnectionBroken(Display* display) {
    return display != nullptr && isBroken(display);
}

void abandonX11Display(Display* display) {
    if (display != nullptr) markBroken(display);
}

Display* openX11Display(std::string& error) {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0') {
        error = "No X server: DISPLAY is not set (a console or a Wayland-only session).";
        return nullptr;
    }
    initialiseXlib();
    Display* d = XOpenDisplay(name);
    if (d == nullptr) {
        error = std::string("Cannot connect to the X server \"") + name + "\".";
        return nullptr;
    }
    for (auto& slot : gOwnDisplays) {
        Display* expected = nullptr;
        if (slot.compare_exchange_strong(expected, d)) break;
    }
    XSetIOErrorExitHandler(d, keepRunningOnLostConnection, nullptr);
    return d;
}

void closeX11Display(Display* display) {
    if (display == nullptr) return;
    if (!isBroken(display)) XCloseDisplay(display);
    for (auto& slot : gOwnDisplays) {
        Display* expected = display;
        if (slot.compare_exchange_strong(expected, nullptr)) break;
    }
}

X11ErrorTrap::X11ErrorTrap(Display* display) : display_(display) {
    initialiseXlib();
    XSync(display_, False);  // errors of earlier requests are not ours
    tTrapDisplay = display_;
    tTrapError = 0;
}

X11ErrorTrap::~X11ErrorTrap() {
    tTrapDisplay = nullptr;
}

int X11ErrorTrap::sync() {
    XSync(display_, False);
    const int error = tTrapError;
    tTrapError = 0;
    return error;
}

}  // namespace z408::desktop
