#include "core/weight-balance/LoadingText.h"
#include "core/common/text/Format.h"

#include "core/common/io/KeyValueText.h"
#include "core/common/text/NumberText.h"
#include "core/weight-balance/FuelSelection.h"

#include <QStringList>

namespace {

const QString kLineEnd = QStringLiteral("\r\n");
const QString kAircraftKey = QStringLiteral("Aircraft");

// The value of a key that starts a line, so that a name never matches the end of a longer one
// ("seat" inside "Pilot seat").
QString LineValue(const QString& text, const QString& key) {
    return GetKeyValue(QLatin1Char('\n') + text, QLatin1Char('\n') + key);
}

} // namespace

QString MakeLoadingText(const AircraftType& type, const Aircraft& aircraft,
                        const Loading& loading) {
    QString text = kAircraftKey + QLatin1Char('=') + aircraft.ident + kLineEnd;
    for (int i = 0; i < type.stations.size(); ++i) {
        const double weight = loading.stationWeights[i];
        if (weight != 0.0)
            text += type.stations[i].name + FormatText("=%.1f", weight) + kLineEnd;
    }
    text += QStringLiteral("Fuel=") + FuelSelectionName(type, loading.fuelSelection) + kLineEnd;
    for (int i = 0; i < type.tanks.size(); ++i) {
        const TankLoad& load = loading.tanks[i];
        text +=
            type.tanks[i].name + FormatText("=%.1f,%.1f", load.rampQuantity, load.burn) + kLineEnd;
    }
    return text;
}

Outcome<std::optional<WorkingLoading>> ApplyLoadingText(const QString& text,
                                                        const AircraftFleet& fleet) {
    using Result = Outcome<std::optional<WorkingLoading>>;
    const QString ident = LineValue(text, kAircraftKey);
    if (ident.isEmpty())
        return Result(std::optional<WorkingLoading>());
    const Aircraft* aircraft = FindFleetAircraft(fleet, ident);
    if (!aircraft)
        return Result::Fail(QStringLiteral("Unknown aircraft.\n") + ident,
                            MessageIcon::Information);
    const AircraftType* type = FindFleetType(fleet, aircraft->typeId);
    if (!type)
        return Result::Fail(QStringLiteral("Invalid aircraft type."), MessageIcon::Information);

    WorkingLoading working{*type, *aircraft, Loading()};
    const AircraftType& t = working.type;
    Loading& loading = working.loading;
    for (int i = 0; i < t.stations.size(); ++i)
        loading.stationWeights[i] = TextToDouble(LineValue(text, t.stations[i].name));
    loading.fuelSelection = FuelSelectionFromName(t, LineValue(text, QStringLiteral("Fuel")));
    for (int i = 0; i < t.tanks.size(); ++i) {
        const QString value = LineValue(text, t.tanks[i].name);
        const qsizetype comma = value.indexOf(QLatin1Char(','));
        if (comma < 0)
            continue;
        loading.tanks[i].rampQuantity = TextToDouble(QStringView(value).left(comma));
        loading.tanks[i].burn = TextToDouble(QStringView(value).mid(comma + 1));
    }
    return Result(std::optional<WorkingLoading>(std::move(working)));
}

QString WithLoadingAircraft(const QString& text, const QString& ident) {
    // Positions in `lined` are one ahead of those in `text`.
    const QString lined = QLatin1Char('\n') + text;
    const QString marker = QLatin1Char('\n') + kAircraftKey + QLatin1Char('=');
    const qsizetype at = lined.indexOf(marker);
    const qsizetype end = at < 0 ? -1 : lined.indexOf(QLatin1Char('\r'), at + marker.size());
    if (end < 0)
        return kAircraftKey + QLatin1Char('=') + ident + kLineEnd + text;
    const qsizetype start = at + marker.size() - 1;
    return QString(text).replace(start, end - 1 - start, ident);
}
