// Runs the widget tests inside one QApplication, in Korean, the language
// the captions are described in. The tests register with
// QT_QPA_PLATFORM=offscreen; listing them at build time has no such setting,
// so offscreen is also the fallback here.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/language.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    morlindo::ui::useLanguage(morlindo::ui::Language::Korean);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
