#pragma once
// Settings kept in memory, for tests and tools. Integer and text values are kept apart, so a
// value read with the other type counts as missing; every write is logged in order.

#include "core/common/settings/SettingsStore.h"

#include <QMap>
#include <QStringList>

class MemorySettingsStore : public SettingsStore {
public:
    int ReadInt(const QString& name, int defaultValue) const override;
    void WriteInt(const QString& name, int value) override;
    QString ReadText(const QString& name, const QString& defaultValue = QString()) const override;
    void WriteText(const QString& name, const QString& value) override;
    void Remove(const QString& name) override;

    // "name=value" for each write and "-name" for each removal, oldest first.
    const QStringList& WriteLog() const { return log_; }
    void ClearWriteLog() { log_.clear(); }

private:
    QMap<QString, int> ints_;
    QMap<QString, QString> texts_;
    QStringList log_;
};
