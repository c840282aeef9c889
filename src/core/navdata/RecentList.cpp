#include "core/navdata/RecentList.h"

#include "core/common/settings/SettingsStore.h"

void RecentList::Load(const SettingsStore& settings) {
    entries_ = Split(setting_.Read(settings));
}

void RecentList::Push(const QString& ident, SettingsStore* settings) {
    const qsizetype existing = entries_.indexOf(ident);
    if (existing >= 0)
        entries_.removeAt(existing);
    else if (entries_.size() >= kMaxEntries)
        entries_ = entries_.first(kMaxEntries - 1);
    entries_.prepend(ident);
    if (settings != nullptr)
        setting_.Write(*settings, Join(entries_));
}

QStringList RecentList::Split(const QString& stored) {
    QStringList pieces = stored.split(QLatin1Char(','));
    pieces.removeLast(); // the text after the last comma (or all of it without one)
    return pieces;
}

QString RecentList::Join(const QStringList& entries) {
    QString text;
    for (const QString& entry : entries)
        text += entry + QLatin1Char(',');
    return text;
}
