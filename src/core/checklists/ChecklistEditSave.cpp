#include "core/checklists/ChecklistEditSave.h"

Outcome<bool> StoreEditedChecklists(ChecklistData& data, const QByteArray& area,
                                    const QString& path) {
    if (area == data.RecordArea())
        return false;
    // The edit goes to a copy first, so a failed write leaves the document's checklists as the
    // file still has them.
    ChecklistData edited = data;
    Status stored = edited.ReplaceChecklists(area);
    if (stored)
        stored = edited.SaveChecklists(path);
    if (!stored)
        return stored.error();
    data = std::move(edited);
    return true;
}
