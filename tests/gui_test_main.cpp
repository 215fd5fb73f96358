// The main() of the window tests: a QApplication on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#if defined(__SANITIZE_THREAD__)
// Qt is not built with ThreadSanitizer: its own threads' synchronisation is invisible to the
// tool, so races reported inside Qt are suppressed (see app/tsan_qt.supp).
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
