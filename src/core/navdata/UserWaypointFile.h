#pragma once
// The waypoints.db file image. Version 3 (written): version, count, count 60-byte records.
// Version 2 (read only): version, count, one word not interpreted, count 40-byte records.

#include "core/navdata/UserWaypoint.h"

#include <QByteArray>
#include <QVector>

struct UserWaypointFileContent {
    int version = 0;
    QVector<UserWaypoint> waypoints;
    // Why the file was not read in full ("" when it was): an unknown version (nothing read), or
    // a count that is negative or larger than the file holds (the whole records that are there
    // are read).
    QString problem;
};

UserWaypointFileContent ParseUserWaypointFile(const QByteArray& bytes);
QByteArray BuildUserWaypointFile(const QVector<UserWaypoint>& waypoints);
