#pragma once
// File-dialog filters written the handheld's way ("Wave files|*.wav|All Files (*.*)|*.*||":
// name and pattern pairs between bars) turned into the filter text of the desktop's file dialogs
// ("Wave files (*.wav);;All Files (*)"). "*.*" means every file there, so it becomes "*".

#include <QString>

QString DesktopFileFilter(const QString& barSeparatedFilter);
