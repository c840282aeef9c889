#include "core/app/PreferenceFields.h"

#include "core/app/ViewTable.h"
#include "core/common/text/Format.h"
#include "core/common/text/NumberText.h"

QStringList FuelDensityUnitItems() {
    return {QStringLiteral("pounds per gallon"), QStringLiteral("kilos per litre")};
}

int InitialPreferencesPage(int viewId) {
    return viewId == kViewFlightPlanning ? 1 : 0;
}

PreferenceFields PreferenceFieldsFrom(const AppSettings& settings) {
    PreferenceFields fields;
    fields.avgasDensity = FormatText("%.2f", settings.avgasDensity);
    fields.jetDensity = FormatText("%.2f", settings.jetDensity);
    fields.fuelUnits = settings.kilosPerLitre ? kKilosPerLitreItem : 0;
    fields.latLonFormat = settings.secondsFormat ? 1 : 0;
    fields.metric = settings.metric;
    fields.customZone = settings.timeZoneOffset != 0;
    if (fields.customZone)
        fields.offset = FormatText("%i", settings.timeZoneOffset);
    return fields;
}

void ApplyPreferenceFields(const PreferenceFields& fields, AppSettings* settings) {
    settings->avgasDensity = TextToDouble(fields.avgasDensity);
    settings->jetDensity = TextToDouble(fields.jetDensity);
    settings->secondsFormat = fields.latLonFormat == 1;
    settings->kilosPerLitre = fields.fuelUnits == kKilosPerLitreItem;
    settings->metric = fields.metric;
    settings->timeZoneOffset = fields.customZone ? TextToInt(fields.offset) : 0;
}
