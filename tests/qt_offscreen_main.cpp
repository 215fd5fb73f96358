// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// main() of the tests that drive windows: a QApplication on Qt's offscreen platform, so no
// display server is needed.
#include <gtest/gtest.h>

#include <QApplication>

#if defined(__SANITIZE_THREAD__)
// Qt is not built with ThreadSanitizer: its own threads' synchronisation is invisible to the
// tool, so races reported inside Qt are suppressed (see tsan_qt.supp).
extern "C" const char* __tsan_default_options() {
    return "suppressions=" Z408_TSAN_SUPPRESSIONS;
}
#endif

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
