#include "core/planning/PlanXmlReader.h"
#include "core/planning/PlanXmlRoutes.h"

namespace {

void ReadRoutePointOfGpx(PlanXmlReader& xml, ExchangeRoute* route) {
    ExchangePoint point;
    const std::optional<double> lat = xml.AttributeNumber("lat", kMaxLatitude);
    const std::optional<double> lon = xml.AttributeNumber("lon", kMaxLongitude);
    QString description, comment;
    while (xml.NextChild()) {
        if (xml.Is("name"))
            point.ident = xml.Text();
        else if (xml.Is("desc"))
            description = xml.Text();
        else if (xml.Is("cmt"))
            comment = xml.Text();
        else if (xml.Is("type"))
            point.type = ExchangePointTypeFromText(xml.Text());
        else
            xml.Skip();
    }
    if (!lat || !lon)
        return;
    point.latitude = *lat;
    point.longitude = *lon;
    point.comment = description.isEmpty() ? comment : description;
    route->points.append(point);
}

ExchangeRoute ReadRte(PlanXmlReader& xml) {
    ExchangeRoute route;
    while (xml.NextChild()) {
        if (xml.Is("name"))
            route.name = xml.Text();
        else if (xml.Is("rtept"))
            ReadRoutePointOfGpx(xml, &route);
        else
            xml.Skip();
    }
    return route;
}

} // namespace

ExchangeRoute ReadGpxRoute(PlanXmlReader& xml) {
    ExchangeRoute route;
    bool routeRead = false;
    while (xml.NextChild()) {
        if (xml.Is("rte") && !routeRead) {
            route = ReadRte(xml);
            routeRead = true;
        } else {
            xml.Skip();
        }
    }
    return route;
}
