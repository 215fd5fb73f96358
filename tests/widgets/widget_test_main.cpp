// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Widget tests run on Qt's offscreen platform: no display server is needed.
#include <gtest/gtest.h>
#include <QApplication>

#if defined(__SANITIZE_THREAD__)
// Qt's libraries are not built for ThreadSanitizer: their own worker threads share
// reference-counted data through atomics it cannot see. Only accesses that Qt's code makes
// through intercepted functions (memmove and the like) are silenced; our code stays checked.
extern "C" const char* __tsan_default_suppressions() {
    return "called_from_lib:libQt6Core.so.6\n"
           "called_from_lib:libQt6Gui.so.6\n"
           "called_from_lib:libQt6Widgets.so.6\n";
}
#endif

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
