// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "cli/cli.h"
#include "desktop/pointer_settings_adapter.h"
#include "platform/hidraw_backend.h"

int main(int argc, char** argv) {
    z408::installHidrawTransport();
    z408::desktop::installDesktopPointerSettings();
    z408::cli::CommandRegistry registry;
    z408::cli::registerProfileCommands(registry);
    z408::cli::registerProfileEditCommands(registry);
    z408::cli::registerMacroCommands(registry);
    z408::cli::registerDeviceCommands(registry);
    z408::cli::registerLangCommands(registry);
    z408::cli::registerWatchCommands(registry);
    z408::cli::registerPointerCommands(registry);
    z408::cli::registerStatsCommands(registry);
    z408::cli::registerBackupCommands(registry);
    z408::cli::registerAutostartCommands(registry);
    return registry.dispatch(argc, argv);
}
