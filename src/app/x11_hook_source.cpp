// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "app/x11_hook_source.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "common/program_texts.h"

namespace z408 {

X11HookSource::X11HookSource(UserNotices& notices, QObject* parent)
    : QObject(parent), notices_(notices), x11_([this](const InputEvent& event) {
          // On the source's thread: only hand the event over.
          QMetaObject::invokeMethod(
              this,
              [this, event] {
                  if (hook_) hook_->handleEvent(event);
              },
              Qt::QueuedConnection);
      }) {}

X11HookSource::~X11HookSource() {
    x11_.stop();
}

bool X11HookSource::start() {
    if (x11_.running()) return true;
    if (!x11_.start()) {
        if (std::getenv("Z408_DEBUG"))
            std::fprintf(stderr, "z408: no input hook: %s\n", x11_.error().c_str());
        return false;
    }
    syncIntercepts();
    return true;
}

void X11HookSource::stop() {
    x11_.stop();
}

void X11HookSource::syncIntercepts() {
    if (!x11_.running() || hook_ == nullptr) return;
    const std::vector<unsigned> held = x11_.syncGrabs(*hook_);
    if (!held.empty() && std::getenv("Z408_DEBUG"))
        std::fprintf(stderr, "z408: %s\n", desktop::X11InputSource::describe(held).c_str());
    // Told once while a button stays held there: every upload asks again, and the answer rarely
    // changes.
    const bool news = std::any_of(held.begin(), held.end(), [this](unsigned b) {
        return std::find(heldElsewhere_.begin(), heldElsewhere_.end(), b) == heldElsewhere_.end();
    });
    heldElsewhere_ = held;
    if (news) notices_.info(notices_.programText(ProgramText::ButtonHeldByAnotherProgram));
}

}  // namespace z408
