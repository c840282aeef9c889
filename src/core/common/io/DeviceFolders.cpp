#include "core/common/io/DeviceFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString& DocumentsOverride() {
    static QString folder;
    return folder;
}

QString& ProgramFolderValue() {
    static QString folder;
    return folder;
}

QString WithSeparator(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith('/'))
        return folder;
    return folder + '/';
}

} // namespace

QString DocumentsFolder() {
    if (!DocumentsOverride().isEmpty())
        return DocumentsOverride();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString DataFolder() {
    return DocumentsFolder() + QStringLiteral("/Orvenda/Trevallion/");
}

QString DefaultNavFilePath() {
    return DocumentsFolder() + QStringLiteral("/Orvenda/usa.nav");
}

QString ProgramFolder() {
    return ProgramFolderValue();
}

void SetDocumentsFolder(const QString& folder) {
    QString cleaned = folder;
    while (cleaned.size() > 1 && cleaned.endsWith('/'))
        cleaned.chop(1);
    DocumentsOverride() = cleaned;
}

void SetProgramFolder(const QString& folder) {
    ProgramFolderValue() = WithSeparator(folder);
}

void LocateProgramFolder(const QString& executableDir) {
    const QDir dir(executableDir);
    SetProgramFolder(QDir::cleanPath(dir.filePath(QStringLiteral("../share/trevallion"))));
}
