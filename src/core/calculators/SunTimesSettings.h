#pragma once
// The Sun Times dialog's remembered inputs ("SunTimes.Location", "SunTimes.Lat", "SunTimes.Lon",
// "SunTimes.Zone"): restored when it opens, stored when it closes with OK. The coordinates are
// kept as the fields show them with their hemisphere letters ("47:26.94N", "122:18:30E"), each in
// the form it was typed in.

#include "core/common/entry/CoordinateEntryText.h"

#include <QString>

#include <optional>

class SettingsStore;

// The "Location:" list: its items in order.
enum class SunTimesLocation { Airport = 0, LatLon = 1, Waypoint = 2 };

struct SunTimesSettings {
    SunTimesLocation location = SunTimesLocation::Airport;
    std::optional<CoordinateEntryText> latitude;  // nothing when missing or unreadable
    std::optional<CoordinateEntryText> longitude; // the same
    QString utcOffset;                            // the field's text

    static SunTimesSettings Load(const SettingsStore& store);
};

// Stores the dialog's inputs: the location, the coordinate fields' texts with the hemisphere
// letters of the toggles, and the offset field's text.
void SaveSunTimesSettings(SettingsStore& store, SunTimesLocation location,
                          const QString& latitudeField, bool south, const QString& longitudeField,
                          bool east, const QString& utcOffset);
