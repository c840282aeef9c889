#pragma once
// The outline round trip shared by the checklist targets: records that can be written as an
// outline must come back from it unchanged, and records whose order no outline can express
// (a level that skips a step, an item outside a sub group, no aircraft first) must be refused.

#include "core/checklists/ChecklistRecord.h"

#include <QList>

void CheckOutlineRoundTrip(const QList<ChecklistRecord>& records);

// True when every record's level follows the rules an outline import enforces.
bool OutlineStructureSound(const QList<ChecklistRecord>& records);
