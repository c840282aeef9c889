#pragma once
// One INI settings file shared by every store of the process that names it: read once, changed in
// memory (every reader sees a change at once) and written behind by a writer thread, changes
// coalesced, within half a second of the first unwritten one. Flush() writes at once on the
// calling thread; the last owner's release writes what is left and stops the writer. The file
// stays a plain INI file in QSettings' layout (see IniText.h) that another process can read.
//
// The whole file is written through WriteWholeFile under a FileLock, so a full disk or a crash
// leaves the old file as it was. A write that fails keeps every value in memory and is tried
// again at the next change and at the last flush; its message is handed out once by
// TakeFailure() and again only after a write has succeeded in between. A file that is there but
// cannot be read, or is damaged, is told the same way at start, and kept as "NAME.bad" (see
// KeepRefusedFile) by the first write over it.
//
// Keys are full keys ("Settings/View").

#include "core/common/Outcome.h"
#include "core/common/settings/IniText.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class SettingsFile {
public:
    // The process's shared file at `path`, read on first use; it lives while a caller holds it.
    static std::shared_ptr<SettingsFile> Open(const QString& path);

    explicit SettingsFile(QString path);
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    const QString& Path() const { return path_; }
    // The value as read or last set; nothing when missing.
    std::optional<QString> Value(const QString& key) const;
    // Sets or (with no value) removes a key, written behind; setting a key to the value it has,
    // or removing a missing one, changes nothing.
    void Change(const QString& key, std::optional<QString> value);
    // Writes the values on the calling thread when some are not on the disk yet.
    void Flush();
    // The message of a failed write not handed out yet: "Settings could not be saved: " and the
    // system's reason.
    std::optional<Message> TakeFailure();
    // The writes of the file tried so far.
    uint64_t Writes() const;

private:
    void StartWriter();
    void WriterLoop();
    Status Write(const IniValues& values);

    QString path_;
    mutable std::mutex mutex_; // guards everything below but the writer
    std::condition_variable wake_;
    IniValues values_;
    uint64_t changes_ = 0;   // number of changes so far
    uint64_t written_ = 0;   // changes on the disk
    uint64_t attempted_ = 0; // changes the last write tried to save
    uint64_t writes_ = 0;    // writes of the file tried
    bool stopping_ = false;
    bool failureTold_ = false;           // a failure was recorded since the last successful write
    std::optional<Message> failure_;     // of the last write, not handed out yet
    std::optional<Message> loadProblem_; // of the reading at start, not handed out yet
    std::mutex writeMutex_;              // one write at a time; guards refused_
    bool refused_ = false; // the file read at start was refused: kept as .bad by the first write
    std::thread writer_;
};
