#pragma once
// Settings in an INI file: section "Settings" of "<config>/Orvenda Technologies/Trevallion.ini".
// Every store of the process on one file shares its SettingsFile: the file is read once, a value
// written is read back at once by every store, and the disk is written behind by the file's writer
// thread (within a second, coalesced); Flush() writes at once on the calling thread, which the
// keys written at once (WritePolicy::AtOnce) use. The last store of a file writes what is left
// when it is destroyed. A write that fails keeps the values in
// memory; see SettingsFile for when it is tried again and how the failure is told.

#include "core/common/settings/SettingsStore.h"

#include <cstdint>
#include <memory>

class SettingsFile;

class IniSettingsStore : public SettingsStore {
public:
    // The store of application `application` of organisation `organization` under the user's
    // configuration folder.
    static QString PathFor(const QString& organization, const QString& application);
    // The program's own store: "Orvenda Technologies/Trevallion.ini".
    static QString DefaultPath();

    explicit IniSettingsStore(QString path, QString section = QStringLiteral("Settings"));
    ~IniSettingsStore() override;

    const QString& Path() const { return path_; }

    int ReadInt(const QString& name, int defaultValue) const override;
    void WriteInt(const QString& name, int value) override;
    QString ReadText(const QString& name, const QString& defaultValue = QString()) const override;
    void WriteText(const QString& name, const QString& value) override;
    void Remove(const QString& name) override;
    void Flush() override;
    std::optional<Message> TakeFailure() override;

    // How many times the file has been written (tried) since it was opened in this process.
    uint64_t FileWrites() const;

private:
    QString Key(const QString& name) const { return section_ + '/' + name; }

    QString path_;
    QString section_;
    std::shared_ptr<SettingsFile> file_;
};
