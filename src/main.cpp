// Trevallion: a pilot's flight computer.
#include "core/common/io/DeviceFolders.h"
#include "core/common/resources/Resources.h"
#include "core/common/settings/SettingsStore.h"
#include "ui/app/SingleInstance.h"
#include "ui/app/TrevallionApp.h"
#include "ui/framework/ApplicationFonts.h"
#include "ui/framework/DesktopPlatform.h"
#include "ui/framework/FirstFrameProbe.h"
#include "ui/framework/PopupPlacement.h"
#include "ui/framework/TouchStyle.h"

#include "Version.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include <cstdio>
#include <cstring>

namespace {

// "--version" and "--help" answer on the terminal before any window or display is needed;
// 0 when one of them was answered, -1 otherwise.
int AnswerTerminalOptions(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("trevallion %s\n", TREVALLION_VERSION_TEXT);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("Usage: trevallion [--version] [--help] [Qt options]\n"
                        "A pilot's flight computer. TREVALLION_SCREEN=WxH chooses the device\n"
                        "screen (240x320, 320x240 or 240x240). See trevallion(1).\n");
            return 0;
        }
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (const int answered = AnswerTerminalOptions(argc, argv); answered >= 0)
        return answered;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevallion"));
    QApplication::setOrganizationName(QStringLiteral("Orvenda Technologies"));
    LocateProgramFolder(QApplication::applicationDirPath());
    LoadApplicationFonts();

    if (const Status resources = LoadResources(); !resources) {
        std::fprintf(stderr, "%s\n", qPrintable(resources.error().text));
        QMessageBox::critical(nullptr, QStringLiteral("Trevallion"), resources.error().text);
        return 1;
    }

    // A second start on the same data folder brings the running copy forward and ends.
    CSingleInstance instance(DataFolder(), CSingleInstance::DefaultRuntimeFolder());
    if (!instance.Claim()) {
        if (instance.AskRunningToShow())
            return 0;
        std::fprintf(stderr, "Trevallion is already running on %s but does not answer.\n",
                     qPrintable(QDir::toNativeSeparators(DataFolder())));
        return 1;
    }

    DesktopPlatform platform;
    InstallPlatform(&platform);
    KeepPopupsOnDeviceScreen(app);
    InstallTouchStyle(app);
    InstallFirstFrameProbe(app);
    int result = 1;
    {
        CTrevallionApp trevallion;
        QObject::connect(&instance, &CSingleInstance::ShowRequested, &app,
                         [&trevallion] { trevallion.BringToFront(); });
        if (trevallion.InitInstance())
            result = QApplication::exec();
        else
            std::fprintf(stderr, "Trevallion could not start: %s\n",
                         qPrintable(trevallion.StartupError()));
    }
    platform.Settings().Flush(); // the settings written behind reach the disk before the exit
    if (const Status written = Status(platform.Settings().TakeFailure()); !written)
        std::fprintf(stderr, "%s\n", qPrintable(written.error().text));
    InstallPlatform(nullptr);
    return result;
}
