#pragma once
// The standard-time offset of an airport's time zone in whole hours, as a .nav file stores it.
// The zone is the one its region decides (RegionZones.h), else the zone of its country whose
// principal place (zone1970.tab) is nearest; the offset is the zone's standard offset (daylight
// saving left out) on a given day, from the system's time-zone database.

#include "core/navdata/ZoneTable.h"

#include <QByteArray>
#include <QDate>
#include <QHash>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class UtcOffsetFinder {
public:
    UtcOffsetFinder(std::vector<ZoneTableRow> rows, const QDate& day);

    // The zone of a place in `country` ("US") and `region` ("US-TX"); empty when the country
    // has no zone in the table.
    QByteArray ZoneOf(std::string_view country, std::string_view region, double latitude,
                      double longitude) const;
    // The zone's standard offset in whole hours; 0 (not given) when there is no zone, the
    // system does not know it, or its offset is not a whole number of hours (India, Nepal,
    // Newfoundland, central Australia).
    int32_t StandardHours(std::string_view country, std::string_view region, double latitude,
                          double longitude);

private:
    std::vector<ZoneTableRow> rows_;
    std::unordered_map<std::string, std::vector<const ZoneTableRow*>> byCountry_;
    QDateTime moment_;
    QHash<QByteArray, int32_t> hours_; // by zone name
};
