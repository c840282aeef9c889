#include "support/ScriptedPlatform.h"

#include "ui/framework/MenuBuilder.h"

#include <QDialog>

ScriptedPlatform::ScriptedPlatform(QSize screenSize)
    : screen(screenSize),
      clock(QDateTime(QDate(2026, 3, 20), QTime(12, 0), QTimeZone::utc()), QTimeZone::utc()) {
    InstallPlatform(this);
    SetCurrentClock(&clock);
}

ScriptedPlatform::~ScriptedPlatform() {
    SetCurrentClock(nullptr);
    InstallPlatform(nullptr);
}

int ScriptedPlatform::MessageBox(QWidget*, const QString& text, const QString& title,
                                 MessageButtons buttons, MessageIcon icon) {
    messages.append({text, title, buttons, icon});
    if (!messageAnswers.isEmpty())
        return messageAnswers.takeFirst();
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? kIdYes
                                                                                      : kIdOk;
}

int ScriptedPlatform::RunModal(QDialog* dialog) {
    modalTitles.append(dialog->windowTitle());
    if (dialogScripts.isEmpty())
        return kIdCancel;
    DialogScript script = dialogScripts.takeFirst();
    dialog->show();
    const int result = script(dialog);
    dialog->hide();
    return result;
}

QString ScriptedPlatform::GetOpenFileName(QWidget*, const FileDialogRequest& request) {
    fileRequests.append(request);
    return openFileAnswers.isEmpty() ? QString() : openFileAnswers.takeFirst();
}

QString ScriptedPlatform::GetSaveFileName(QWidget*, const FileDialogRequest& request) {
    fileRequests.append(request);
    return saveFileAnswers.isEmpty() ? QString() : saveFileAnswers.takeFirst();
}

bool ScriptedPlatform::StartProcess(const QString& program, const QStringList& arguments) {
    processes.append(QStringList{program} + arguments);
    return processStarts;
}

QAction* ScriptedPlatform::TrackPopupMenu(QMenu* menu, const QPoint&) {
    popupMenus.append(MenuCommandTexts(menu));
    return popupAnswers.isEmpty() ? nullptr : FindMenuCommand(menu, popupAnswers.takeFirst());
}
