// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The ways the program is told to end from outside the window (SIGTERM, SIGINT, SIGHUP, the
// desktop session), each wired to the window's one exit path.
class QGuiApplication;

namespace z408 {

class CZ119KDriverDlg;
class TerminationSignals;

// The signals end the program like "Exit". The session's request to save its data (sent also
// for checkpoints and for logouts that are cancelled) only saves the statistics; the program
// ends when the session really ends, by SIGTERM or by the application quitting.
void connectProgramEndings(QGuiApplication& app, TerminationSignals& termination,
                           CZ119KDriverDlg& window);

}  // namespace z408
