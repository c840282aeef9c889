#pragma once
// The folders the program uses: the documents folder (the user's "My Documents") with the
// program's data folder under it, and the read-only program folder of shipped data.
// Tests and tools may point both elsewhere.

#include <QString>

// The user's documents folder, without a trailing separator.
QString DocumentsFolder();
// "<documents>/Orvenda/Trevallion/": where aircraft.db, waypoints.db and checklist.db live.
QString DataFolder();
// "<documents>/Orvenda/usa.nav": the navigation data file used when none is chosen.
QString DefaultNavFilePath();
// The shipped-data folder with a trailing separator: <prefix>/share/trevallion/ beside the
// program's bin/ folder (the same layout in the build tree). Empty before it is known.
QString ProgramFolder();

void SetDocumentsFolder(const QString& folder); // empty = the user's real documents folder
void SetProgramFolder(const QString& folder);
// Finds the program folder from the running executable's location.
void LocateProgramFolder(const QString& executableDir);
