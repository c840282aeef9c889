#pragma once
// The XML texts of a route in the two plan formats other programs read: a FlightPlan v1 (.fpl)
// file and a GPX 1.1 route. Both are UTF-8 with an XML declaration and indented elements.

#include "core/planning/ExchangeRoute.h"

#include <QByteArray>
#include <QDateTime>

inline constexpr const char* kFplNamespace = "http://www8.garmin.com/xmlschemas/FlightPlan/v1";
inline constexpr const char* kGpxNamespace = "http://www.topografix.com/GPX/1/1";

// <flight-plan> with <created> (when `created` is valid, in UTC), the <waypoint-table> and one
// <route> (<route-name>, <flight-plan-index>1, a <route-point> for each point), made to fit as
// BuildFplTable says.
QByteArray MakeFplText(const ExchangeRoute& route, const QDateTime& created);

// <gpx version="1.1"> with <metadata><time> (when `created` is valid) and one <rte>: its <name>
// and an <rtept lat lon> for each point with <name> (the identifier), <desc> (the comment, when
// there is one) and <type> (the point's type text).
QByteArray MakeGpxText(const ExchangeRoute& route, const QDateTime& created);
