#pragma once
// One INI settings file shared by every store of the process that names it: read once, changed in
// memory (every reader sees a change at once) and written behind by a writer thread, changes
// coalesced, within half a second of the first unwritten one. Flush() writes at once on the
// calling thread; the last owner's release writes what is left and stops the writer. The file
// stays a plain QSettings INI file that another process can read.
//
// Keys are full QSettings keys ("Settings/View"). A write that fails keeps its changes pending
// for the next attempt.

#include <QHash>
#include <QMap>
#include <QString>
#include <QVariant>

#include <condition_variable>
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
    // The value as read or last set; invalid when missing.
    QVariant Value(const QString& key) const;
    // Sets or (with no value) removes a key; written at once when `now`, else behind.
    void Change(const QString& key, std::optional<QVariant> value, bool now);
    // Writes every pending change on the calling thread.
    void Flush();

private:
    void StartWriter();
    void WriterLoop();

    QString path_;
    mutable std::mutex mutex_; // guards values_, pending_, stopping_
    std::condition_variable wake_;
    QHash<QString, QVariant> values_;
    QMap<QString, std::optional<QVariant>> pending_;
    bool stopping_ = false;
    std::mutex writeMutex_; // one write at a time, batches in the order they were taken
    std::thread writer_;
};
