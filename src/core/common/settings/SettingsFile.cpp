#include "core/common/settings/SettingsFile.h"

#include "core/common/io/FileIo.h"
#include "core/common/io/FileLock.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <chrono>

namespace {

constexpr std::chrono::milliseconds kWriteDelay{500};
constexpr int kLockWaitMilliseconds = 5000;
// Far above what the program's keys fill (a few kilobytes).
constexpr qint64 kMaxSettingsFileBytes = 1024 * 1024;

std::mutex g_openMutex;

QHash<QString, std::weak_ptr<SettingsFile>>& OpenFiles() {
    static QHash<QString, std::weak_ptr<SettingsFile>> files;
    return files;
}

QString SaveFailurePrefix() {
    return QStringLiteral("Settings could not be saved: ");
}

} // namespace

std::shared_ptr<SettingsFile> SettingsFile::Open(const QString& path) {
    const QString key = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const std::lock_guard lock(g_openMutex);
    std::shared_ptr<SettingsFile> file = OpenFiles().value(key).lock();
    if (!file) {
        file = std::make_shared<SettingsFile>(path);
        OpenFiles().insert(key, file);
    }
    return file;
}

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {
    const QFileInfo file(path_);
    if (!file.exists() && !file.isSymLink())
        return; // a first start
    const Outcome<QByteArray> bytes = ReadWholeFile(path_, {}, kMaxSettingsFileBytes);
    const IniDocument document = bytes ? ParseIniText(bytes.value()) : IniDocument{};
    values_ = document.values;
    if (bytes && document.wellFormed)
        return;
    // Told at start; a damaged file stays as it is until the first save keeps it as .bad. A
    // folder or a device at the path is not ours to keep or replace.
    refused_ = file.isFile();
    QString text =
        bytes ? QStringLiteral("The settings file is damaged: only the values that "
                               "could be read are used.")
              : QStringLiteral("The settings file could not be read: ") + bytes.error().text;
    if (refused_)
        text += QStringLiteral("\nThe file is kept as %1.bad when the settings are saved.")
                    .arg(file.fileName());
    loadProblem_ = Message{text, MessageIcon::Error};
}

SettingsFile::~SettingsFile() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (writer_.joinable())
        writer_.join();
    Flush();
}

std::optional<QString> SettingsFile::Value(const QString& key) const {
    const std::lock_guard lock(mutex_);
    const auto it = values_.constFind(key);
    if (it == values_.cend())
        return std::nullopt;
    return *it;
}

void SettingsFile::Change(const QString& key, std::optional<QString> value) {
    {
        const std::lock_guard lock(mutex_);
        const auto it = values_.constFind(key);
        const bool present = it != values_.cend();
        if (value ? present && *it == *value : !present)
            return;
        if (value)
            values_.insert(key, *value);
        else
            values_.remove(key);
        ++changes_;
        if (!writer_.joinable())
            StartWriter();
    }
    wake_.notify_all();
}

void SettingsFile::StartWriter() {
    writer_ = std::thread([this] { WriterLoop(); });
}

void SettingsFile::WriterLoop() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        // A failed write waits for the next change before it is tried again.
        wake_.wait(lock, [this] { return stopping_ || changes_ > attempted_; });
        // Later changes join this write: one file write for a burst of changes.
        if (wake_.wait_for(lock, kWriteDelay, [this] { return stopping_; }))
            break;
        lock.unlock();
        Flush();
        lock.lock();
    }
}

void SettingsFile::Flush() {
    const std::lock_guard writeLock(writeMutex_);
    IniValues snapshot;
    uint64_t changes = 0;
    {
        const std::lock_guard lock(mutex_);
        if (written_ == changes_)
            return;
        snapshot = values_;
        changes = changes_;
        attempted_ = changes;
        ++writes_;
    }
    const Status status = Write(snapshot);
    const std::lock_guard lock(mutex_);
    if (status) {
        written_ = changes;
        failureTold_ = false;
        failure_.reset();
    } else if (!failureTold_) {
        failureTold_ = true;
        failure_ = status.error();
    }
}

Status SettingsFile::Write(const IniValues& values) {
    (void)QDir().mkpath(QFileInfo(path_).absolutePath()); // the lock file's folder, on first use
    const FileLock lock(path_ + QStringLiteral(".lock"), kLockWaitMilliseconds);
    if (!lock.Held())
        return Status::Fail(SaveFailurePrefix() + lock.Error());
    if (refused_) {
        if (Status kept = KeepRefusedFile(path_, SaveFailurePrefix()); !kept)
            return kept;
        refused_ = false;
    }
    return WriteWholeFile(path_, WriteIniText(values), SaveFailurePrefix());
}

std::optional<Message> SettingsFile::TakeFailure() {
    const std::lock_guard lock(mutex_);
    if (loadProblem_)
        return std::exchange(loadProblem_, std::nullopt);
    return std::exchange(failure_, std::nullopt);
}

uint64_t SettingsFile::Writes() const {
    const std::lock_guard lock(mutex_);
    return writes_;
}
