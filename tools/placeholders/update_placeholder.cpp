// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Stands in for the program updater, which this build does not ship. The configurator starts it
// a few seconds after every start, so it stays quiet: one line on standard error, nothing changed.
#include <cstdio>

int main() {
    std::fputs("z408: no program updater is included in this build; nothing was updated.\n",
               stderr);
    return 0;
}
