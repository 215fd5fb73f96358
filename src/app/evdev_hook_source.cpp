// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "app/evdev_hook_source.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace z408 {

EvdevHookSource::EvdevHookSource(UserNotices& notices, QObject* parent)
    : QObject(parent),
      notices_(notices),
      evdev_([this](const InputEvent& event) { deliver(event); },
             [this](int32_t dx, int32_t dy) { moved(dx, dy); },
             [this](const desktop::EvdevProblem& problem) { problemArose(problem); }) {}

EvdevHookSource::~EvdevHookSource() {
    evdev_.stop();
}

void EvdevHookSource::deliver(const InputEvent& event) {
    // On the source's thread: only hand the event over.
    QMetaObject::invokeMethod(
        this,
        [this, event] {
            if (hook_) hook_->handleEvent(event);
        },
        Qt::QueuedConnection);
}

void EvdevHookSource::problemArose(const desktop::EvdevProblem& problem) {
    tellLater(problem);
}

bool EvdevHookSource::start() {
    if (evdev_.running()) return true;
    if (!evdev_.start()) {
        if (std::getenv("Z408_DEBUG"))
            std::fprintf(stderr, "z408: no input hook: %s\n", evdev_.error().c_str());
        tellLater(evdev_.problem());
        return false;
    }
    syncIntercepts();
    return true;
}

void EvdevHookSource::stop() {
    evdev_.stop();
}

void EvdevHookSource::syncIntercepts() {
    if (!evdev_.running() || hook_ == nullptr) return;
    tellLater(evdev_.syncIntercepts(*hook_));
}

void EvdevHookSource::tellLater(const desktop::EvdevProblem& problem) {
    if (problem.empty()) return;
    // The hook is often installing or an upload finishing when a problem shows: the notice is
    // modal, so it waits for the loop instead of running inside them.
    QMetaObject::invokeMethod(
        this, [this, problem] { tell(problem); }, Qt::QueuedConnection);
}

void EvdevHookSource::tell(const desktop::EvdevProblem& problem) {
    if (std::getenv("Z408_DEBUG")) std::fprintf(stderr, "z408: %s\n", problem.text(2).c_str());
    // Every upload and every re-plug asks again, and the answer rarely changes: each kind of
    // problem is told once.
    if (std::find(told_.begin(), told_.end(), problem.issue) != told_.end()) return;
    told_.push_back(problem.issue);
    notices_.info(problem.text(notices_.languageId()));
}

}  // namespace z408
