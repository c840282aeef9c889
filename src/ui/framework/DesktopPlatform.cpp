#include "ui/framework/DesktopPlatform.h"

#include "ui/framework/DeviceFileDialog.h"
#include "ui/framework/DeviceMessageBox.h"
#include "ui/framework/HelpWindow.h"

#include "core/common/io/DeviceFolders.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLibrary>
#include <QProcess>
#include <QUrl>

namespace {

// A window of the program on the device screen (every one covers it from its top-left corner):
// the active one, else any shown one. Without a window manager no window is active.
QWidget* DeviceWindow() {
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowType() != Qt::Popup)
            return widget;
    }
    return nullptr;
}

// The sound module's entry point: <program>/../lib/trevallion/plugins/ when installed or built,
// else beside the program; nullptr when neither loads.
PlayWaveFunction LoadSoundModule() {
    const QString bin = QApplication::applicationDirPath();
    for (const QString& folder : {bin + QStringLiteral("/../lib/trevallion/plugins"), bin}) {
        QLibrary module(folder + QStringLiteral("/trevallion_sound"));
        if (module.load()) // stays loaded until the program ends: nothing calls unload()
            return reinterpret_cast<PlayWaveFunction>(module.resolve(kPlayWaveSymbol));
    }
    return nullptr;
}

} // namespace

QString HelpFilePath() {
    return ProgramFolder() + QStringLiteral("trevallion.htm");
}

DesktopPlatform::DesktopPlatform(QString settingsPath) : settings_(std::move(settingsPath)) {}

DesktopPlatform::~DesktopPlatform() = default;

int DesktopPlatform::MessageBox(QWidget* parent, const QString& text, const QString& title,
                                MessageButtons buttons, MessageIcon icon) {
    CDeviceMessageBox box(parent, text, title, buttons, icon);
    return box.Run();
}

int DesktopPlatform::RunModal(QDialog* dialog) {
    return dialog->exec();
}

QString DesktopPlatform::GetOpenFileName(QWidget* parent, const FileDialogRequest& request) {
    CDeviceFileDialog dialog(parent, request, QFileDialog::AcceptOpen);
    return dialog.Run();
}

QString DesktopPlatform::GetSaveFileName(QWidget* parent, const FileDialogRequest& request) {
    CDeviceFileDialog dialog(parent, request, QFileDialog::AcceptSave);
    return dialog.Run();
}

void DesktopPlatform::OpenHelp(const QString& topic) {
    // Shown in the program itself, so help works without a web browser.
    CHelpWindow help(DeviceWindow(), HelpFilePath(), topic);
    help.exec();
}

bool DesktopPlatform::StartProcess(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

void DesktopPlatform::SetClipboardText(const QString& text) {
    QApplication::clipboard()->setText(text);
}

QString DesktopPlatform::ClipboardText() {
    return QApplication::clipboard()->text();
}

void DesktopPlatform::PlaySound(const QString& wavePath) {
    if (!soundLoaded_) {
        soundLoaded_ = true;
        playWave_ = LoadSoundModule();
    }
    if (playWave_ != nullptr)
        playWave_(reinterpret_cast<const char16_t*>(wavePath.utf16()),
                  static_cast<int>(wavePath.size()));
    else
        QApplication::beep(); // without its sound module the program still signals
}

void DesktopPlatform::Beep() {
    QApplication::beep();
}
