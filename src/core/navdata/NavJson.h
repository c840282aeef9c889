#pragma once
// JSON forms of the navigation data and user waypoints, printed by trevallion-data. Positions
// are given in seconds of arc (latitude positive north, longitude positive west) and as the
// program shows them ("47:26:59 N").

#include "core/navdata/NavRecords.h"
#include "core/navdata/UserWaypointFile.h"

#include <QJsonArray>
#include <QJsonObject>

class NavDatabase;

// Description, validity date ("YYYY-MM-DD" or null, with the packed value) and counts.
QJsonObject NavInfoJson(const NavDatabase& data);
QJsonObject AirportJson(const AirportDetails& airport);
QJsonObject NavAidJson(const NavAidRecord& record, const QString& name);
// Rows in list order; the third column is "city" for airports, "type" for nav aids.
QJsonArray SearchRowsJson(const QVector<SearchRow>& rows, bool airports);
QJsonObject UserWaypointFileJson(const UserWaypointFileContent& content);
