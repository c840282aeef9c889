#include "core/checklists/ChecklistInstall.h"

#include "core/checklists/ChecklistData.h"
#include "core/common/io/DeviceFolders.h"
#include "core/common/io/FileIo.h"

#include <QFileInfo>

Status InstallDefaultChecklists() {
    const QString target = ChecklistFilePath();
    if (QFileInfo::exists(target) || ProgramFolder().isEmpty())
        return {};
    const QString shipped = ProgramFolder() + QStringLiteral("checklist.db");
    if (!QFileInfo(shipped).isFile())
        return {};
    const Outcome<QByteArray> bytes =
        ReadWholeFile(shipped, kChecklistSaveFailedText, kMaxDataFileBytes);
    if (!bytes)
        return bytes.error();
    return WriteWholeFile(target, bytes.value(), kChecklistSaveFailedText);
}
