#pragma once
// Settings in an INI file: section "Settings" of "<config>/Orvenda Technologies/Trevallion.ini".
// Every call opens and closes the file, so other processes and later calls see each write.

#include "core/common/SettingsStore.h"

class IniSettingsStore : public SettingsStore {
public:
    // The store of application `application` of organisation `organization` under the user's
    // configuration folder.
    static QString PathFor(const QString& organization, const QString& application);
    // The program's own store: "Orvenda Technologies/Trevallion.ini".
    static QString DefaultPath();

    explicit IniSettingsStore(QString path, QString section = QStringLiteral("Settings"));

    const QString& Path() const { return path_; }

    int ReadInt(const QString& name, int defaultValue) const override;
    void WriteInt(const QString& name, int value) override;
    QString ReadText(const QString& name, const QString& defaultValue = QString()) const override;
    void WriteText(const QString& name, const QString& value) override;
    void Remove(const QString& name) override;

private:
    QString Key(const QString& name) const { return section_ + '/' + name; }

    QString path_;
    QString section_;
};
