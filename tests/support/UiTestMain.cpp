// Test main for UI tests: a QApplication on Qt's offscreen platform with the program's fonts and
// resources. Each test creates a ScriptedPlatform, which installs itself.
#include "core/common/resources/Resources.h"
#include "ui/framework/ApplicationFonts.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    LoadApplicationFonts();
    if (const Status resources = LoadResources(); !resources) {
        std::fprintf(stderr, "%s\n", qPrintable(resources.error().text));
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
