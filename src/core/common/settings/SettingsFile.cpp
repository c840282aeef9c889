#include "core/common/settings/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <chrono>

namespace {

constexpr std::chrono::milliseconds kWriteDelay{500};

std::mutex g_openMutex;

QHash<QString, std::weak_ptr<SettingsFile>>& OpenFiles() {
    static QHash<QString, std::weak_ptr<SettingsFile>> files;
    return files;
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
    const QSettings settings(path_, QSettings::IniFormat);
    for (const QString& key : settings.allKeys())
        values_.insert(key, settings.value(key));
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

QVariant SettingsFile::Value(const QString& key) const {
    const std::lock_guard lock(mutex_);
    return values_.value(key);
}

void SettingsFile::Change(const QString& key, std::optional<QVariant> value, bool now) {
    {
        const std::lock_guard lock(mutex_);
        if (value)
            values_.insert(key, *value);
        else
            values_.remove(key);
        pending_.insert(key, value);
        if (!now && !writer_.joinable())
            StartWriter();
    }
    if (now)
        Flush();
    else
        wake_.notify_all();
}

void SettingsFile::StartWriter() {
    writer_ = std::thread([this] { WriterLoop(); });
}

void SettingsFile::WriterLoop() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        wake_.wait(lock, [this] { return stopping_ || !pending_.isEmpty(); });
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
    QMap<QString, std::optional<QVariant>> batch;
    {
        const std::lock_guard lock(mutex_);
        batch.swap(pending_);
    }
    if (batch.isEmpty())
        return;
    QSettings settings(path_, QSettings::IniFormat);
    for (auto it = batch.cbegin(); it != batch.cend(); ++it) {
        if (it.value())
            settings.setValue(it.key(), *it.value());
        else
            settings.remove(it.key());
    }
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return;
    // Not written: keep the changes for the next attempt unless newer ones replaced them.
    const std::lock_guard lock(mutex_);
    for (auto it = batch.cbegin(); it != batch.cend(); ++it)
        if (!pending_.contains(it.key()))
            pending_.insert(it.key(), it.value());
}
