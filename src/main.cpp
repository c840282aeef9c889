// Trevallion: a pilot's flight computer.
#include "core/common/DeviceFolders.h"
#include "core/common/Resources.h"
#include "ui/app/TrevallionApp.h"
#include "ui/framework/ApplicationFonts.h"
#include "ui/framework/DesktopPlatform.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevallion"));
    QApplication::setOrganizationName(QStringLiteral("Orvenda Technologies"));
    LocateProgramFolder(QApplication::applicationDirPath());
    LoadApplicationFonts();

    ResourceError error;
    if (!LoadResources(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error.ToText()));
        QMessageBox::critical(nullptr, QStringLiteral("Trevallion"), error.ToText());
        return 1;
    }

    DesktopPlatform platform;
    InstallPlatform(&platform);
    int result = 1;
    {
        CTrevallionApp trevallion;
        if (trevallion.InitInstance())
            result = QApplication::exec();
        else
            std::fprintf(stderr, "Trevallion could not start: %s\n",
                         qPrintable(trevallion.StartupError()));
    }
    InstallPlatform(nullptr);
    return result;
}
