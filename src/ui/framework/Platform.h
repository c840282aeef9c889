#pragma once
// The platform layer: everything the handheld's platform used to answer, in one replaceable
// place. The program uses CurrentPlatform(); tests install a scripted one that records message
// boxes, answers them, runs nested dialogs by script and fixes the clock.

#include "core/common/Outcome.h"

#include <QString>
#include <QStringList>

class DeviceScreen;
class QAction;
class QDialog;
class QMenu;
class QPoint;
class QRect;
class QWidget;
class SettingsStore;

// Buttons of a message box and the ids of the pressed button.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum DialogResultId { kIdOk = 1, kIdCancel = 2, kIdRetry = 4, kIdYes = 6, kIdNo = 7 };

struct FileDialogRequest {
    QString title;
    QString filter;           // "Airport Files (*.nav)"
    QString defaultExtension; // "nav"
    QString initialPath;
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual DeviceScreen& Screen() = 0;
    virtual SettingsStore& Settings() = 0;

    // Shows a message box and returns the id of the pressed button.
    virtual int MessageBox(QWidget* parent, const QString& text, const QString& title,
                           MessageButtons buttons, MessageIcon icon) = 0;
    // Runs a dialog modally and returns its result code.
    virtual int RunModal(QDialog* dialog) = 0;
    // Open/save file dialogs; "" when cancelled.
    virtual QString GetOpenFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString GetSaveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    // Opens the help file at the topic's anchor in the user's viewer.
    virtual void OpenHelp(const QString& topic) = 0;
    // Starts another program without waiting; false when it could not be started.
    virtual bool StartProcess(const QString& program, const QStringList& arguments) = 0;
    virtual void SetClipboardText(const QString& text) = 0;
    virtual QString ClipboardText() = 0;
    // Plays a wave file without waiting.
    virtual void PlaySound(const QString& wavePath) = 0;
    // The short warning sound of a refused key.
    virtual void Beep() = 0;
    // Shows a pop-up menu at a screen position and waits for the choice: the chosen command's
    // action, or nullptr when the menu was dismissed. The default runs the menu itself.
    virtual QAction* TrackPopupMenu(QMenu* menu, const QPoint& globalPos);
};

// The platform in use. The application installs one at start; the caller keeps ownership.
Platform& CurrentPlatform();
void InstallPlatform(Platform* platform);

// Convenience: a message box on the current platform.
int ShowMessageBox(QWidget* parent, const QString& text, const QString& title,
                   MessageButtons buttons = MessageButtons::Ok,
                   MessageIcon icon = MessageIcon::Information);
// A question (a message with its own text and icon) with the given buttons.
int ShowMessageBox(QWidget* parent, const Message& question, const QString& title,
                   MessageButtons buttons);
// The one place a status reaches the user: a failed status's message, shown with its own icon
// and an OK button; nothing for a success. Returns whether the status succeeded.
bool ShowStatus(QWidget* parent, const Status& status, const QString& title);

// The device screen in global coordinates for a window the owner belongs to: every window of the
// program covers it from the main window's top-left corner (from 0,0 without an owner).
QRect DeviceScreenRect(const QWidget* owner);
