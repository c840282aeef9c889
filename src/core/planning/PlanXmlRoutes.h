#pragma once
// The routes of the two plan formats, read from their root elements on: problems are recorded in
// the reader (with their lines), and what was read so far is returned.

#include "core/planning/ExchangeRoute.h"

class PlanXmlReader;

inline constexpr double kMaxLatitude = 90.0;   // degrees either way
inline constexpr double kMaxLongitude = 180.0; // degrees either way

// A <flight-plan>: the <waypoint-table> (each <waypoint> needs an identifier, a known type, lat
// and lon) and the points of the first <route>, each <route-point> naming a waypoint of the table
// by identifier, type and country code (or by its identifier alone when only one has it).
ExchangeRoute ReadFplRoute(PlanXmlReader& xml);

// A <gpx>: the points of the first <rte>, each <rtept> with lat and lon, <name>, <desc> (or
// <cmt>) as its comment, and a <type> that names one of the .fpl types.
ExchangeRoute ReadGpxRoute(PlanXmlReader& xml);
