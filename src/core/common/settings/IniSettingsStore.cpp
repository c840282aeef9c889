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

bool IniSettingsStore::WritesAtOnce(const QString& name) {
    return name == QLatin1String("AirportFile") || name.startsWith(QLatin1String("Times.")) ||
           name.startsWith(QLatin1String("Track."));
}

int IniSettingsStore::ReadInt(const QString& name, int defaultValue) const {
    const QVariant value = file_->Value(Key(name));
    int parsed = 0;
    if (!value.isValid() || !ParseStoredInt(value.toString(), &parsed))
        return defaultValue;
    return parsed;
}

void IniSettingsStore::WriteInt(const QString& name, int value) {
    file_->Change(Key(name), QVariant(value), WritesAtOnce(name));
}

QString IniSettingsStore::ReadText(const QString& name, const QString& defaultValue) const {
    const QVariant value = file_->Value(Key(name));
    if (!value.isValid())
        return defaultValue;
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(','); // an unquoted "a,b," reads back as a list
    return value.toString();
}

void IniSettingsStore::WriteText(const QString& name, const QString& value) {
    file_->Change(Key(name), QVariant(value), WritesAtOnce(name));
}

void IniSettingsStore::Remove(const QString& name) {
    file_->Change(Key(name), std::nullopt, WritesAtOnce(name));
}

void IniSettingsStore::Flush() {
    file_->Flush();
}
