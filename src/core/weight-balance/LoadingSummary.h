#pragma once
// The short texts of a loading on the weight and balance view: the summary box's phase lines and
// the fuel units text.

#include "core/weight-balance/AircraftType.h"
#include "core/weight-balance/LoadingComputation.h"

#include <QList>
#include <QString>

struct SummaryLine {
    QString label; // "Ramp:"
    QString value; // "2021 lbs"
    bool withinLimits = true;

    bool operator==(const SummaryLine&) const = default;
};

// "Ramp:", "Zero fuel:" (only when the type limits the zero fuel weight), "Takeoff:" and
// "Landing:", each with its weight in "%.0f" and " kg" or " lbs".
QList<SummaryLine> MakeSummaryLines(const AircraftType& type, const ComputedLoading& computed);

// "Units: " and "Kilograms" or "Pounds" for fuel by weight, else "Litres" or "Gallons".
QString FuelUnitsText(const AircraftType& type);
