#pragma once
// The time zones of the system's time-zone database as its zone1970.tab lists them: each zone's
// name, the countries it covers and the position of its principal place.

#include "core/common/Outcome.h"

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

struct ZoneTableRow {
    std::vector<std::string> countries; // ISO 3166 codes such as "US"
    double latitude = 0.0;              // degrees, north positive
    double longitude = 0.0;             // degrees, east positive
    QByteArray zone;                    // such as "America/Chicago"
};

// The table of the system's database: $TZDIR/zone1970.tab, else /usr/share/zoneinfo/zone1970.tab.
QString SystemZoneTablePath();

// Reads a zone1970.tab file (at most 1 MB). Fails with "Error:\nUnable to read <path>.\n" and the
// system's reason, with "Error:\n<path> is damaged at line N." for a line that is not a row of
// the table, and with "Error:\n<path> lists no time zone." for a table without rows.
Outcome<std::vector<ZoneTableRow>> ReadZoneTable(const QString& path);

// The rows of a table's text; `name` names it in the messages.
Outcome<std::vector<ZoneTableRow>> ParseZoneTable(const QByteArray& text, const QString& name);
