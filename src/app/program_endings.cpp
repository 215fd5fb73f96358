// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "app/program_endings.h"

#include <QGuiApplication>
#include <QSessionManager>

#include "app/termination_signals.h"
#include "app/z119k_driver_dlg.h"

namespace z408 {

void connectProgramEndings(QGuiApplication& app, TerminationSignals& termination,
                           CZ119KDriverDlg& window) {
    QObject::connect(&termination, &TerminationSignals::received, &window,
                     &CZ119KDriverDlg::requestExit);
    // Answering nothing lets the session go on; whether it ends is told later.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.saveForSessionEnd(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, &CZ119KDriverDlg::requestExit);
}

}  // namespace z408
