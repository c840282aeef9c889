#include "ui/app/TrevallionApp.h"

#include "core/app/VersionNumber.h"
#include "core/app/ViewTable.h"
#include "core/common/io/DeviceFolders.h"
#include "core/common/resources/Resources.h"
#include "core/common/settings/SettingsSchema.h"
#include "core/common/settings/SettingsStore.h"
#include "resource.h"
#include "ui/app/MainFrame.h"
#include "ui/app/ScreenRegistrations.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/AppContext.h"
#include "ui/framework/ColourScheme.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/Platform.h"

#include <QApplication>

CTrevallionApp::CTrevallionApp() {
    RegisterScreens(registry_);
}

CTrevallionApp::~CTrevallionApp() {
    // The frame (and its view) borrow the document; the document stops the GPS reader, which
    // writes the fix; the screens read the installed state until the end.
    frame_.reset();
    document_.reset();
    InstallAppState(nullptr);
}

bool CTrevallionApp::InitInstance() {
    title_ = LoadString(IDS_APP_TITLE);
    programFolder_ = ::ProgramFolder();
    // The platform's settings store is the program's own (".../Orvenda Technologies/...").
    SettingsStore& settings = CurrentPlatform().Settings();
    const int version = static_cast<int>(ProgramVersionWord());
    setting::kVersion.Write(settings, version); // an unchanged value is no change to write
    state_.settings = ReadAppSettings(settings);
    state_.settings.viewId = static_cast<uint32_t>(StartViewId(state_.settings.viewId));
    InstallAppState(&state_);

    document_ = std::make_unique<CTrevallionDoc>(settings, gpsFix_);
    for (const Message& message : document_->OnNewDocument())
        ShowStatus(nullptr, message, title_);

    ApplyColourScheme(setting::kNightColours.Read(settings) != 0);
    // The shape chosen last time; an angle the screen cannot take is ignored.
    CurrentPlatform().Screen().SetOrientation(setting::kOrientation.Read(settings));
    frame_ = std::make_unique<CMainFrame>(*document_, registry_);
    if (const Status created = frame_->Create(static_cast<int>(state_.settings.viewId)); !created) {
        startupError_ = created.error().text;
        frame_.reset();
        return false;
    }
    frame_->ShowOnScreen();
    return true;
}

void CTrevallionApp::BringToFront() const {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr)
        window = frame_.get();
    if (window == nullptr)
        return;
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->raise();
    window->activateWindow();
}
