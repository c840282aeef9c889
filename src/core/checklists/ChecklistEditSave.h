#pragma once
// What the checklist editor's OK does with the tree it built: nothing when the record area is the
// one in memory, otherwise the new area is written to the file and then taken by the document.

#include "core/checklists/ChecklistData.h"

// Writes `area` to `path` and gives it to `data` when it differs from data's record area.
// Returns true when it wrote, false when nothing changed (the file is not touched). A refused
// area or a failed write returns the message and leaves both `data` and the file as they were.
Outcome<bool> StoreEditedChecklists(ChecklistData& data, const QByteArray& area,
                                    const QString& path = ChecklistFilePath());
