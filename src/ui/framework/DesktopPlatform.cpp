#include "ui/framework/DesktopPlatform.h"

#include "core/common/DeviceFolders.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QSoundEffect>
#include <QUrl>

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

int FromQtButton(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return kIdOk;
    case QMessageBox::Yes:
        return kIdYes;
    case QMessageBox::No:
        return kIdNo;
    case QMessageBox::Retry:
        return kIdRetry;
    default:
        return kIdCancel;
    }
}

} // namespace

QString HelpFilePath() {
    return ProgramFolder() + QStringLiteral("trevallion.htm");
}

DesktopPlatform::DesktopPlatform(QString settingsPath) : settings_(std::move(settingsPath)) {}

DesktopPlatform::~DesktopPlatform() = default;

int DesktopPlatform::MessageBox(QWidget* parent, const QString& text, const QString& title,
                                MessageButtons buttons, MessageIcon icon) {
    QMessageBox box(ToQtIcon(icon), title, text, ToQtButtons(buttons), parent);
    return FromQtButton(box.exec());
}

int DesktopPlatform::RunModal(QDialog* dialog) {
    return dialog->exec();
}

QString DesktopPlatform::GetOpenFileName(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent, request.title, request.initialPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultExtension);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString DesktopPlatform::GetSaveFileName(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent, request.title, request.initialPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultExtension);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void DesktopPlatform::OpenHelp(const QString& topic) {
    QUrl url = QUrl::fromLocalFile(HelpFilePath());
    url.setFragment(topic);
    QDesktopServices::openUrl(url);
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
    if (!sound_)
        sound_ = std::make_unique<QSoundEffect>();
    sound_->setSource(QUrl::fromLocalFile(wavePath));
    sound_->play();
}

void DesktopPlatform::Beep() {
    QApplication::beep();
}
