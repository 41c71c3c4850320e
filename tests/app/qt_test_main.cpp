// GoogleTest entry point for tests that need a QApplication. They run on the
// offscreen platform unless the environment names another.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/qt/runtime_directory.hpp"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    vorn::ensurePrivateRuntimeDirectory();
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
