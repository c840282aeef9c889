#include "ui/framework/Platform.h"

#include "ui/framework/DeviceScreen.h"

#include <QMenu>
#include <QRect>
#include <QWidget>
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

int ShowMessageBox(QWidget* parent, const Message& question, const QString& title,
                   MessageButtons buttons) {
    return ShowMessageBox(parent, question.text, title, buttons, question.icon);
}

bool ShowStatus(QWidget* parent, const Status& status, const QString& title) {
    if (!status.ok())
        ShowMessageBox(parent, status.error(), title, MessageButtons::Ok);
    return status.ok();
}

QRect DeviceScreenRect(const QWidget* owner) {
    const QSize size = CurrentPlatform().Screen().Size();
    if (owner)
        return QRect(owner->window()->mapToGlobal(QPoint(0, 0)), size);
    return QRect(QPoint(0, 0), size);
}
