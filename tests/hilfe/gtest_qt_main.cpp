// main() for GoogleTest programs that need a QApplication (widgets, fonts, painting).
#include <QApplication>
#include <gtest/gtest.h>

#include "shell/dienste/uebersetzung.h"

int main(int argc, char** argv) {
    // Test discovery runs the program at build time without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zol::deutsche_qt_texte_laden(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
