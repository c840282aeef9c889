#pragma once
// The places of the Time Zones view: each a name and a signed zone key (a negative key keeps the
// place but hides it), stored as "TimeZone%i" = name + "=%i", and the rows the view draws.

#include "core/common/entry/FieldLimits.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVector>

class SettingsStore;

struct WorldClock {
    QString name; // at most 16 characters when typed
    int key = 0;  // |key| is a ZoneTable key; 0 or below: not shown

    bool Shown() const { return key > 0; }
    // The ZoneTable key: |key| (the largest int for the one key without a positive twin).
    int ZoneKey() const;
    bool operator==(const WorldClock&) const = default;
};

// A drawn row: the place's name and its time, "%02u:%02u" plus "+" when its date is the day after
// the device's local date, "-" when it is the day before.
struct WorldClockRow {
    QString name;
    QString time;

    bool operator==(const WorldClockRow&) const = default;
};

class WorldClocks {
public:
    static constexpr int kMaxNameLength = kPlaceNameChars;
    static constexpr int kNewPlaceKey = 90; // the key the editor offers for a new place

    // Reads "TimeZone0", "TimeZone1", ... up to the first missing or empty value; values without
    // "=" are skipped. With no place read: London 90, Toronto 35, Seattle 4, Sydney 255.
    static WorldClocks Load(const SettingsStore& store);
    // Deletes the values read at load time, then writes every place numbered from 0.
    void Save(SettingsStore& store);

    QVector<WorldClock> places;

    // The rows of the shown places at the UTC time, with "+"/"-" against the local day.
    QVector<WorldClockRow> Rows(const QDateTime& utc, const QDate& deviceLocalDate) const;
    // Rows at the current time of CurrentClock(), against its local zone's date.
    QVector<WorldClockRow> Rows() const;

    // The editor's check boxes: shown places get +|key|, hidden ones -|key|.
    void SetShown(int index, bool shown);

private:
    int valuesRead_ = 0;
};

// The time text of one place (see WorldClockRow).
QString WorldClockTime(int key, const QDateTime& utc, const QDate& deviceLocalDate);

// The zone names for the editor's list (ZoneDisplayName at the current time) in alphabetical
// order, each with its key.
QVector<std::pair<QString, int>> SortedZoneNames();
