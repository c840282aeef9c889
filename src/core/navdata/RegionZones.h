#pragma once
// The time zone that an airport's region (ISO 3166-2, as airports.csv gives it: "US-TX") decides,
// where the nearest principal place of the time-zone table would give the wrong one.
//
// The principal places lie far from most borders: America/Chicago is Chicago, so Houston lies
// nearer to the Eastern zones of Kentucky; Asia/Yekaterinburg is far south of Yamal. So in the
// countries where that matters (the United States, Canada, Russia, Brazil, Australia, Indonesia,
// Mexico) each region that lies in one zone names it, and a region that a zone border crosses
// names the zone of its larger part and a line (a few points along the border) beyond which the
// other zone holds. Everywhere else the nearest principal place of the airport's country decides.

#include <string_view>
#include <vector>

// The zone name, or nullptr when the region does not decide.
const char* RegionZone(std::string_view region, double latitude, double longitude);

// Every zone name the table uses (to check them against the system's database).
std::vector<const char*> RegionZoneNames();
