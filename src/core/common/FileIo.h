#pragma once
// Whole-file reading and safe whole-file writing.

#include "core/common/Outcome.h"

#include <QByteArray>
#include <QString>

// Reads the whole file. On failure the message is `prefix` followed by the system's reason.
Outcome<QByteArray> ReadWholeFile(const QString& path, const QString& prefix);

// Writes the whole file through a temporary file that replaces the old one only when complete,
// so a failed write leaves the old file as it was. Missing parent folders are created.
// On failure the message is `prefix` followed by the system's reason.
Status WriteWholeFile(const QString& path, const QByteArray& bytes, const QString& prefix);
