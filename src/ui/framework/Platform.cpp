#include "ui/framework/Platform.h"

#include "core/common/settings/SettingsStore.h"

#include <QMenu>
#include <QtGlobal>

namespace {
Platform* g_platform = nullptr;
}

Platform& CurrentPlatform() {
    if (!g_platform)
        qFatal("No platform installed");
    return *g_platform;
}

void InstallPlatform(Platform* platform) {
    g_platform = platform;
}

QAction* Platform::TrackPopupMenu(QMenu* menu, const QPoint& globalPos) {
    return menu->exec(globalPos);
}

int ShowMessageBox(QWidget* parent, const QString& text, const QString& title,
                   MessageButtons buttons, MessageIcon icon) {
    return CurrentPlatform().MessageBox(parent, text, title, buttons, icon);
}

void ShowError(QWidget* parent, const Message& message, const QString& title) {
    ShowMessageBox(parent, message.text, title, MessageButtons::Ok, message.icon);
}

void ReportSettingsFailure(QWidget* parent, const QString& title) {
    if (const std::optional<Message> failure = CurrentPlatform().Settings().TakeFailure())
        ShowError(parent, *failure, title);
}
