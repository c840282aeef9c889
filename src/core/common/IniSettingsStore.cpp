#include "core/common/IniSettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

QString IniSettingsStore::PathFor(const QString& organization, const QString& application) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(organization + '/' + application + ".ini");
}

QString IniSettingsStore::DefaultPath() {
    return PathFor(QStringLiteral("Orvenda Technologies"), QStringLiteral("Trevallion"));
}

IniSettingsStore::IniSettingsStore(QString path, QString section)
    : path_(std::move(path)), section_(std::move(section)) {}

int IniSettingsStore::ReadInt(const QString& name, int defaultValue) const {
    const QSettings settings(path_, QSettings::IniFormat);
    const QVariant value = settings.value(Key(name));
    int parsed = 0;
    if (!value.isValid() || !ParseStoredInt(value.toString(), &parsed))
        return defaultValue;
    return parsed;
}

void IniSettingsStore::WriteInt(const QString& name, int value) {
    QSettings settings(path_, QSettings::IniFormat);
    settings.setValue(Key(name), value);
}

QString IniSettingsStore::ReadText(const QString& name, const QString& defaultValue) const {
    const QSettings settings(path_, QSettings::IniFormat);
    const QVariant value = settings.value(Key(name));
    if (!value.isValid())
        return defaultValue;
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(','); // an unquoted "a,b," reads back as a list
    return value.toString();
}

void IniSettingsStore::WriteText(const QString& name, const QString& value) {
    QSettings settings(path_, QSettings::IniFormat);
    settings.setValue(Key(name), value);
}

void IniSettingsStore::Remove(const QString& name) {
    QSettings settings(path_, QSettings::IniFormat);
    settings.remove(Key(name));
}
