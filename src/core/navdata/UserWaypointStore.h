#pragma once
// The user waypoints of the document: a list kept sorted by identifier (ignoring letter case),
// loaded from waypoints.db and written back in full after every change.
//
// The file is read from the primary path (the data folder), or from the fallback path (the
// program folder) when the primary cannot be read; it is always written to the primary path.
// A version 2 file is converted and rewritten as version 3 at once. A damaged or unknown file
// is kept as "<primary>.bad" before the first save overwrites it.

#include "core/navdata/UserWaypoint.h"

#include "core/common/Outcome.h"

#include <QVector>

class SettingsStore;

class UserWaypointStore {
public:
    static constexpr int kMinimumCapacity = 10;
    static constexpr int kGrowth = 5;

    // "<data folder>/waypoints.db" and "<program folder>/waypoints.db".
    static QString DefaultPath();
    static QString DefaultFallbackPath();

    UserWaypointStore() : UserWaypointStore(DefaultPath(), DefaultFallbackPath()) {}
    UserWaypointStore(QString path, QString fallbackPath);

    // Loads the list. A missing or unreadable file gives an empty list and succeeds; a damaged
    // one or one of an unknown version gives what could be read and a message saying why; a
    // failed rewrite of a version 2 file gives the save message.
    Status LoadUserWaypoints();
    // Writes the whole list (version 3). On failure: "Error:\nUnable to save the user
    // waypoints.\n" and the system's reason; the list in memory is kept.
    Status SaveUserWaypoints();

    const QVector<UserWaypoint>& Waypoints() const { return waypoints_; }
    int Count() const { return static_cast<int>(waypoints_.size()); }
    int Capacity() const { return capacity_; }

    // The first waypoint whose identifier equals `ident` ignoring letter case; false when none.
    bool FindUserWaypoint(const QString& ident, UserWaypoint* waypoint) const;
    // Appends (growing the capacity by 5 when full), sorts and saves.
    Status AddUserWaypoint(const UserWaypoint& waypoint);
    // Removes the waypoint at `index` and saves; an index outside the list changes nothing.
    Status DeleteUserWaypoint(int index);
    // Replaces the waypoint at `index` without sorting again (an edit keeps its place) and saves.
    Status ReplaceUserWaypoint(int index, const UserWaypoint& waypoint);

private:
    void Sort();
    Status KeepRefusedFile();

    QString path_;
    QString fallbackPath_;
    QVector<UserWaypoint> waypoints_;
    int capacity_ = kMinimumCapacity;
    bool refusedFileAtPath_ = false;
};

// The first waypoint of `waypoints` whose identifier equals `ident` ignoring letter case (the
// store's look-up, for readers that hold the records themselves); false when none.
bool FindUserWaypointIn(const QVector<UserWaypoint>& waypoints, const QString& ident,
                        UserWaypoint* waypoint);

// The coordinate format of the waypoint editor: "Waypoint.Seconds" is "Yes" (degrees, minutes and
// seconds) or another text; when absent the general coordinate preference decides.
bool WaypointSecondsFormat(const SettingsStore& settings, bool preferenceSecondsFormat);
void StoreWaypointSecondsFormat(SettingsStore& settings, bool secondsFormat);
