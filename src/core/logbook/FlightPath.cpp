#include "core/logbook/FlightPath.h"

#include <algorithm>

void FlightPath::Add(const QDateTime& utc, const std::optional<FlightPosition>& where) {
    if (!utc.isValid() || !where)
        return;
    const Point point{utc.toSecsSinceEpoch(), *where};
    const auto later = std::upper_bound(points_.begin(), points_.end(), point.seconds,
                                        [](qint64 s, const Point& p) { return s < p.seconds; });
    points_.insert(later, point);
}

std::optional<FlightPosition> FlightPath::At(const QDateTime& utc) const {
    if (points_.empty())
        return std::nullopt;
    const qint64 t = utc.toSecsSinceEpoch();
    const auto next = std::upper_bound(points_.begin(), points_.end(), t,
                                       [](qint64 s, const Point& p) { return s < p.seconds; });
    if (next == points_.begin())
        return points_.front().where;
    if (next == points_.end())
        return points_.back().where;
    const Point& a = *(next - 1);
    const Point& b = *next;
    const double f =
        static_cast<double>(t - a.seconds) / static_cast<double>(b.seconds - a.seconds);
    double dLon = b.where.longitude - a.where.longitude;
    if (dLon > 180.0)
        dLon -= 360.0;
    else if (dLon < -180.0)
        dLon += 360.0;
    double longitude = a.where.longitude + f * dLon;
    if (longitude > 180.0)
        longitude -= 360.0;
    else if (longitude < -180.0)
        longitude += 360.0;
    return FlightPosition{a.where.latitude + f * (b.where.latitude - a.where.latitude), longitude};
}
