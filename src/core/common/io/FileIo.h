#pragma once
// Whole-file reading with a size limit, and safe whole-file writing.

#include "core/common/Outcome.h"

#include <QByteArray>
#include <QString>

// Largest files the readers accept, from what each format can hold (with room to spare), so that
// a wrong path such as /dev/zero or a huge stray file is refused before it fills the memory.
inline constexpr qint64 kMaxTextFileBytes = 64 * 1024;           // loadings, flight plans
inline constexpr qint64 kMaxDataFileBytes = 16 * 1024 * 1024;    // fleets, waypoints, checklists
inline constexpr qint64 kMaxImportFileBytes = 256 * 1024 * 1024; // public airport data (CSV)

// Reads the whole file when it holds at most `maxBytes` bytes; a longer file (or an endless
// device) is refused after reading `maxBytes` + 1 bytes. On failure the message is `prefix`
// followed by the system's reason, or by "The file is larger than N bytes.".
Outcome<QByteArray> ReadWholeFile(const QString& path, const QString& prefix, qint64 maxBytes);

// Writes the whole file through a temporary file beside it ("NAME.XXXXXX.saving") that is
// written, flushed to the disk and then renamed over the old file, and syncs the folder, so a
// failed write (a full disk, a missing permission) leaves the old file byte for byte as it was
// and a completed save survives a power cut. A symbolic link is followed and its target
// replaced. Missing parent folders are created. Temporary files of earlier saves of the same
// file that were cut short (older than a minute) are removed. On failure the message is
// `prefix` followed by the system's reason ("No space left on device").
Status WriteWholeFile(const QString& path, const QByteArray& bytes, const QString& prefix);

// Succeeds when the folder that is to hold `path` exists. For command-line outputs, which must
// not create a mistyped folder path: "Error: The folder FOLDER does not exist." otherwise.
Status RequireParentFolder(const QString& path);

// Removes the temporary files that cut-short saves of `path` left beside it (see WriteWholeFile).
void RemoveStaleSaveFiles(const QString& path);
