#include "core/weight-balance/LoadingSummary.h"

#include "core/common/text/Format.h"

QList<SummaryLine> MakeSummaryLines(const AircraftType& type, const ComputedLoading& computed) {
    const char* format = type.flags.Has(TypeFlags::WeightInKilograms) ? "%.0f kg" : "%.0f lbs";
    const LoadingResults& r = computed.results;
    const PhaseLimits& p = computed.limits.phases;
    QList<SummaryLine> lines;
    lines.append({QStringLiteral("Ramp:"), FormatText(format, r.rampWeight), p.ramp});
    if (type.maxZeroFuelWeight != 0.0)
        lines.append(
            {QStringLiteral("Zero fuel:"), FormatText(format, r.zeroFuelWeight), p.zeroFuel});
    lines.append({QStringLiteral("Takeoff:"), FormatText(format, r.takeoffWeight), p.takeoff});
    lines.append({QStringLiteral("Landing:"), FormatText(format, r.landingWeight), p.landing});
    return lines;
}

QString FuelUnitsText(const AircraftType& type) {
    const TypeFlags& f = type.flags;
    QString unit;
    if (f.Has(TypeFlags::FuelByWeight))
        unit = f.Has(TypeFlags::WeightInKilograms) ? QStringLiteral("Kilograms")
                                                   : QStringLiteral("Pounds");
    else
        unit =
            f.Has(TypeFlags::FuelInLitres) ? QStringLiteral("Litres") : QStringLiteral("Gallons");
    return QStringLiteral("Units: ") + unit;
}
