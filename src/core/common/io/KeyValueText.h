#pragma once
// The line-oriented "key=value" text files (loadings, flight plans): reading, writing, look-up.

#include "core/common/Outcome.h"

#include <QString>

// The text after the first "key=" up to, not including, the next carriage return. "" when the key
// is missing or no carriage return follows (so a last line without one yields "").
QString GetKeyValue(const QString& text, const QString& key);

// Reads a whole file as 8-bit text. On failure: "Error, Unable to open file.\n" and the system's
// reason (at most 1024 characters).
Outcome<QString> ReadTextFile(const QString& path);

// Writes the text as 8-bit characters, replacing the file (safely, see WriteWholeFile).
Status WriteTextFile(const QString& path, const QString& text);
