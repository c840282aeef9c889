#include "core/navdata/UtcOffsetFinder.h"

#include "core/navdata/GreatCircle.h"
#include "core/navdata/RegionZones.h"

#include <QTimeZone>

UtcOffsetFinder::UtcOffsetFinder(std::vector<ZoneTableRow> rows, const QDate& day)
    : rows_(std::move(rows)), moment_(day, QTime(12, 0), QTimeZone::utc()) {
    for (const ZoneTableRow& row : rows_) {
        for (const std::string& country : row.countries)
            byCountry_[country].push_back(&row);
    }
}

QByteArray UtcOffsetFinder::ZoneOf(std::string_view country, std::string_view region,
                                   double latitude, double longitude) const {
    const auto found = byCountry_.find(std::string(country));
    if (found == byCountry_.end())
        return {};
    const std::vector<const ZoneTableRow*>& zones = found->second;
    // A zone the region names counts only while the table lists it for the country, so that a
    // zone renamed in a later database falls back to the nearest place.
    if (const char* named = RegionZone(region, latitude, longitude); named != nullptr) {
        for (const ZoneTableRow* row : zones) {
            if (row->zone == named)
                return row->zone;
        }
    }
    const ZoneTableRow* nearest = nullptr;
    double nearestAngle = 0.0;
    for (const ZoneTableRow* row : zones) {
        const double angle = GreatCircleAngle(latitude, longitude, row->latitude, row->longitude);
        if (nearest == nullptr || angle < nearestAngle) {
            nearest = row;
            nearestAngle = angle;
        }
    }
    return nearest->zone;
}

int32_t UtcOffsetFinder::StandardHours(std::string_view country, std::string_view region,
                                       double latitude, double longitude) {
    const QByteArray zone = ZoneOf(country, region, latitude, longitude);
    if (zone.isEmpty())
        return 0;
    const auto cached = hours_.constFind(zone);
    if (cached != hours_.constEnd())
        return *cached;
    const QTimeZone timeZone(zone);
    const int seconds = timeZone.isValid() ? timeZone.standardTimeOffset(moment_) : 0;
    const int32_t hours = seconds % 3600 == 0 ? seconds / 3600 : 0;
    hours_.insert(zone, hours);
    return hours;
}
