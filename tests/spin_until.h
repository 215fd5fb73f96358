// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Runs the Qt event loop until a condition holds, for tests that wait on posted events or on a
// worker thread. The limit only keeps a broken test from hanging; nothing is timed by it.
#include <QCoreApplication>
#include <QElapsedTimer>

namespace z408::test {

template <typename Pred>
bool spinUntil(Pred done, int ms = 5000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

}  // namespace z408::test
