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

class QFile;

// Opens `path` for reading (and `file` on it) when it is a regular file, or a link to one.
// The kind is checked on the opened file before anything is read, and the open does not wait,
// so a FIFO, a device, a socket or a folder is refused at once instead of blocking or
// streaming without end. On failure: the system's reason, or "Is a FIFO, not a file" and the
// like.
Status OpenRegularFile(QFile& file, const QString& path, bool unbuffered = false);

// Reads the whole file when it holds at most `maxBytes` bytes; a longer file (or an endless
// file) is refused after reading `maxBytes` + 1 bytes; what is not a regular file is refused
// before reading (see OpenRegularFile). On failure the message is `prefix` followed by the
// system's reason, or by "The file is larger than N bytes.".
Outcome<QByteArray> ReadWholeFile(const QString& path, const QString& prefix, qint64 maxBytes);

// Writes the whole file through a temporary file beside it ("NAME.XXXXXX.saving") that is
// written, flushed to the disk and then renamed over the old file, and syncs the folder, so a
// failed write (a full disk, a missing permission) leaves the old file byte for byte as it was
// and a completed save survives a power cut. A symbolic link is followed and its target
// replaced, but only when that is a regular file: a device, a FIFO, a socket or a folder, and a
// link to nothing, are refused and left as they are. Missing parent folders are created. Temporary
// files of earlier saves of the same file that were cut short (older than a minute) are removed. On
// failure the message is `prefix` followed by the system's reason ("No space left on device").
Status WriteWholeFile(const QString& path, const QByteArray& bytes, const QString& prefix);

// Makes `folder` and the folders above it when they are missing; fails with `prefix` followed by
// "Cannot create the folder FOLDER".
Status MakeFolder(const QString& folder, const QString& prefix);

// Succeeds when the folder that is to hold `path` exists. For command-line outputs, which must
// not create a mistyped folder path: "Error: The folder FOLDER does not exist." otherwise.
Status RequireParentFolder(const QString& path);

// Removes the temporary files that cut-short saves of `path` left beside it (see WriteWholeFile).
void RemoveStaleSaveFiles(const QString& path);

// Keeps the file at `path` (a file that was refused when read) beside it as "NAME.bad" before a
// save replaces it; when that name is taken, as "NAME.bad2", "NAME.bad3" and so on, so an earlier
// copy is never overwritten. The copy is a second name of the same file where the file system
// allows it (nothing is read, so even a file without read permission is kept), else a copy of its
// bytes. Succeeds when there is no file at `path`. On failure: `prefix` followed by "The refused
// file could not be kept as NAME.bad: " and the system's reason. The name used is in `*kept`.
Status KeepRefusedFile(const QString& path, const QString& prefix, QString* kept = nullptr);
