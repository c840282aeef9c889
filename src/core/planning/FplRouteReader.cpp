#include "core/planning/PlanXmlReader.h"
#include "core/planning/PlanXmlRoutes.h"

namespace {

bool ReadWaypoint(PlanXmlReader& xml, ExchangePoint* point) {
    std::optional<double> lat, lon;
    QString type;
    while (xml.NextChild()) {
        if (xml.Is("identifier"))
            point->ident = xml.Text();
        else if (xml.Is("type"))
            type = xml.Text();
        else if (xml.Is("country-code"))
            point->countryCode = xml.Text();
        else if (xml.Is("lat"))
            lat = xml.Number("lat", kMaxLatitude);
        else if (xml.Is("lon"))
            lon = xml.Number("lon", kMaxLongitude);
        else if (xml.Is("comment"))
            point->comment = xml.Text();
        else
            xml.Skip();
    }
    point->type = ExchangePointTypeFromText(type);
    if (point->ident.isEmpty()) {
        xml.Fail(QStringLiteral("a waypoint has no identifier."));
        return false;
    }
    if (!point->type) {
        xml.Fail(
            QStringLiteral("waypoint %1 has the unknown type \"%2\".").arg(point->ident, type));
        return false;
    }
    if (!lat || !lon) {
        xml.Fail(QStringLiteral("waypoint %1 has no lat or no lon.").arg(point->ident));
        return false;
    }
    point->latitude = *lat;
    point->longitude = *lon;
    return true;
}

QVector<ExchangePoint> ReadWaypointTable(PlanXmlReader& xml) {
    QVector<ExchangePoint> table;
    while (xml.NextChild()) {
        if (!xml.Is("waypoint")) {
            xml.Skip();
            continue;
        }
        ExchangePoint point;
        if (ReadWaypoint(xml, &point))
            table.append(point);
    }
    return table;
}

// The table's waypoint that a route point names: identifier, type and country code alike, or
// else the only one with the identifier.
const ExchangePoint* FindInTable(const QVector<ExchangePoint>& table, const QString& ident,
                                 const QString& type, const QString& countryCode) {
    const ExchangePoint* only = nullptr;
    int sharing = 0;
    for (const ExchangePoint& point : table) {
        if (point.ident != ident)
            continue;
        if (point.type == ExchangePointTypeFromText(type) && point.countryCode == countryCode)
            return &point;
        only = &point;
        ++sharing;
    }
    return sharing == 1 ? only : nullptr;
}

void ReadRoutePoint(PlanXmlReader& xml, const QVector<ExchangePoint>& table, ExchangeRoute* route) {
    QString ident, type, countryCode;
    while (xml.NextChild()) {
        if (xml.Is("waypoint-identifier"))
            ident = xml.Text();
        else if (xml.Is("waypoint-type"))
            type = xml.Text();
        else if (xml.Is("waypoint-country-code"))
            countryCode = xml.Text();
        else
            xml.Skip();
    }
    if (const ExchangePoint* point = FindInTable(table, ident, type, countryCode))
        route->points.append(*point);
    else
        xml.Fail(QStringLiteral("route point \"%1\" is not in the waypoint table.").arg(ident));
}

ExchangeRoute ReadRoute(PlanXmlReader& xml, const QVector<ExchangePoint>& table) {
    ExchangeRoute route;
    while (xml.NextChild()) {
        if (xml.Is("route-name"))
            route.name = xml.Text();
        else if (xml.Is("route-point"))
            ReadRoutePoint(xml, table, &route);
        else
            xml.Skip();
    }
    return route;
}

} // namespace

ExchangeRoute ReadFplRoute(PlanXmlReader& xml) {
    QVector<ExchangePoint> table;
    ExchangeRoute route;
    bool routeRead = false;
    while (xml.NextChild()) {
        if (xml.Is("waypoint-table") && table.isEmpty()) {
            table = ReadWaypointTable(xml);
        } else if (xml.Is("route") && !routeRead) {
            route = ReadRoute(xml, table);
            routeRead = true;
        } else {
            xml.Skip();
        }
    }
    return route;
}
