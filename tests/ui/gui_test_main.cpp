// Runs the widget tests inside one QApplication. The tests register with
// QT_QPA_PLATFORM=offscreen; listing them at build time has no such setting,
// so offscreen is also the fallback here.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
