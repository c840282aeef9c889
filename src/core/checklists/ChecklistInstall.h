#pragma once
// First start: the program folder ships a default checklist.db; the document loads checklists
// only from the data folder, so the shipped file is copied there when the data folder has none.

#include "core/common/Outcome.h"

// Copies ProgramFolder()/checklist.db to ChecklistFilePath() when that file does not exist yet.
// Does nothing (and succeeds) when the data folder already has one or nothing is shipped, so the
// load then reports the missing file. A copy that fails returns the save message with the reason
// and leaves no partial file.
Status InstallDefaultChecklists();
