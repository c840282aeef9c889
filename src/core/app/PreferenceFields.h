#pragma once
// The Preferences dialog's fields as texts and choices, filled from the preferences and read back
// into them on OK.

#include "core/common/settings/AppSettings.h"

#include <QString>
#include <QStringList>

// The items of the fuel-density unit list, in order; the item of kilos per litre.
QStringList FuelDensityUnitItems();
inline constexpr int kKilosPerLitreItem = 1;

struct PreferenceFields {
    QString avgasDensity; // "%.2f"
    QString jetDensity;   // "%.2f"
    int fuelUnits = 0;    // the item of FuelDensityUnitItems()
    int latLonFormat = 0; // 0 "DD:MM.MM", 1 "DD:MM:SS"
    bool metric = false;
    bool customZone = false; // "Use custom time zone setting"
    QString offset;          // minutes from zulu, "%i"; "" with the device's zone
};

// The page shown first: "Flight Planning" (1) from the Flight Planning view, else
// "Airport Directory" (0).
int InitialPreferencesPage(int viewId);

PreferenceFields PreferenceFieldsFrom(const AppSettings& settings);
// OK: densities read as decimal numbers (no number gives 0), the flags from the choices, the
// custom offset as a whole number when the custom zone is chosen, else 0.
void ApplyPreferenceFields(const PreferenceFields& fields, AppSettings* settings);
