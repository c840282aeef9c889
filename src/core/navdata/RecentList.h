#pragma once
// A most-recently-used list of identifiers (recent airports, recent nav aids): at most 10
// entries, most recent first, stored in the settings as each entry followed by ",".

#include "core/common/settings/SettingKey.h"

#include <QString>
#include <QStringList>

class SettingsStore;

class RecentList {
public:
    static constexpr int kMaxEntries = 10;

    explicit RecentList(const TextSetting& setting) : setting_(setting) {}

    const QStringList& Entries() const { return entries_; }

    // Replaces the entries with the stored list (see Split).
    void Load(const SettingsStore& settings);
    // Moves an equal entry (exact, case-sensitive) to the front, or inserts the identifier at the
    // front and drops the oldest entry beyond 10; then writes the whole list to the settings
    // (none: kept in memory only).
    void Push(const QString& ident, SettingsStore* settings);

    // Every piece of the stored text that is followed by a "," in stored order; text after the
    // last comma is ignored.
    static QStringList Split(const QString& stored);
    static QString Join(const QStringList& entries);

private:
    TextSetting setting_;
    QStringList entries_;
};
