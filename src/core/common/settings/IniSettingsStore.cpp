#include "core/common/settings/IniSettingsStore.h"

#include "core/common/settings/SettingsFile.h"

#include <QDir>
#include <QStandardPaths>

QString IniSettingsStore::PathFor(const QString& organization, const QString& application) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(organization + '/' + application + ".ini");
}

QString IniSettingsStore::DefaultPath() {
    return PathFor(QStringLiteral("Orvenda Technologies"), QStringLiteral("Trevallion"));
}

IniSettingsStore::IniSettingsStore(QString path, QString section)
    : path_(std::move(path)), section_(std::move(section)), file_(SettingsFile::Open(path_)) {}

IniSettingsStore::~IniSettingsStore() = default;

int IniSettingsStore::ReadInt(const QString& name, int defaultValue) const {
    const std::optional<QString> value = file_->Value(Key(name));
    int parsed = 0;
    if (!value || !ParseStoredInt(*value, &parsed))
        return defaultValue;
    return parsed;
}

void IniSettingsStore::WriteInt(const QString& name, int value) {
    file_->Change(Key(name), QString::number(value));
}

QString IniSettingsStore::ReadText(const QString& name, const QString& defaultValue) const {
    return file_->Value(Key(name)).value_or(defaultValue);
}

void IniSettingsStore::WriteText(const QString& name, const QString& value) {
    file_->Change(Key(name), value);
}

void IniSettingsStore::Remove(const QString& name) {
    file_->Change(Key(name), std::nullopt);
}

void IniSettingsStore::Flush() {
    file_->Flush();
}

std::optional<Message> IniSettingsStore::TakeFailure() {
    return file_->TakeFailure();
}

uint64_t IniSettingsStore::FileWrites() const {
    return file_->Writes();
}
