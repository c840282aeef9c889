#pragma once
// Which navigation data file the program opens at start, and the texts that name the open file.
//
// The file named by "AirportFile" when the user chose one; else the default file in the documents
// folder when it exists; else the world file shipped with the program (world.nav in the program
// folder), which a new user thus gets without any message. Only when that is missing too is the
// default file tried (and reported).

#include "core/common/Outcome.h"

#include <QLocale>
#include <QString>

class SettingsStore;

struct StartNavFile {
    QString path;
    bool chosenByUser = false; // "AirportFile" names it
};

// The world file shipped with the program: "world.nav" in the program folder.
QString ShippedNavFilePath();
StartNavFile ChooseStartNavFile(const SettingsStore& settings);

// A failed load at start: the load's message, then the path and how to choose or build another.
Message StartNavFileFailure(const QString& path, const Message& loadError);

// "Airport file: " and the file's description, or "{ no file loaded }".
QString NavFileTitleText(bool loaded, const QString& description);
// "Valid until " and the packed validity date in the locale's short date format; "" when the file
// carries no date (0) or no calendar date.
QString ValidUntilText(uint32_t packedDate, const QLocale& locale = QLocale());
