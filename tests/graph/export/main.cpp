// main() for the picture export tests: fonts need a QGuiApplication; no display is used.
#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Test discovery runs the program at build time without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
