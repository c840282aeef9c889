#include "core/calculators/SunTimesSettings.h"

#include "core/common/settings/SettingsSchema.h"

SunTimesSettings SunTimesSettings::Load(const SettingsStore& store) {
    SunTimesSettings s;
    s.location = static_cast<SunTimesLocation>(setting::kSunLocation.Read(store));
    s.latitude = ParseCoordinateEntry(setting::kSunLatitude.Read(store), false);
    s.longitude = ParseCoordinateEntry(setting::kSunLongitude.Read(store), true);
    s.utcOffset = setting::kSunZone.Read(store);
    return s;
}

void SaveSunTimesSettings(SettingsStore& store, SunTimesLocation location,
                          const QString& latitudeField, bool south, const QString& longitudeField,
                          bool east, const QString& utcOffset) {
    setting::kSunLocation.Write(store, static_cast<int>(location));
    setting::kSunLatitude.Write(store, CoordinateEntryString(latitudeField, south, false));
    setting::kSunLongitude.Write(store, CoordinateEntryString(longitudeField, east, true));
    setting::kSunZone.Write(store, utcOffset);
}
