// Trevallion: a pilot's flight computer.
#include "core/common/DeviceFolders.h"
#include "core/common/Resources.h"
#include "ui/app/AboutDlg.h"
#include "ui/framework/ApplicationFonts.h"
#include "ui/framework/DesktopPlatform.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevallion"));
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
    CAboutDlg about;
    about.DoModal();
    InstallPlatform(nullptr);
    return 0;
}
