#include "core/navdata/AirportDisplay.h"

#include "core/common/text/CoordinateText.h"
#include "core/common/text/Format.h"

#include <cmath>

bool IsAirportShown(const AirportRecord& record) {
    return record.key.Raw() != 0;
}

QString VariationText(float variation) {
    return FormatText("%.1f°", std::fabs(static_cast<double>(variation))) +
           (variation < 0.0f ? QStringLiteral("E") : QStringLiteral("W"));
}

bool IsIcaoIdentLength(const QString& ident) {
    return ident.size() == 3 || ident.size() == 4;
}

QVector<DisplayRow> AirportInfoRows(const AirportDetails& airport, DisplayPreferences prefs) {
    const AirportRecord& r = airport.record;
    QVector<DisplayRow> rows;
    if (!airport.name.isEmpty())
        rows.append({QStringLiteral("Name:"), airport.name});
    if (!airport.city.isEmpty())
        rows.append({QStringLiteral("City:"), airport.city});
    rows.append({QStringLiteral("Elev:"), LengthText(r.elevation, prefs.metric)});
    rows.append({QStringLiteral("Var:"), VariationText(r.variation)});
    rows.append({QStringLiteral("Lat:"), LatitudeText(r.latitude, prefs.secondsFormat)});
    rows.append({QStringLiteral("Lon:"), LongitudeText(r.longitude, prefs.secondsFormat)});
    if (r.utcOffset != 0)
        rows.append({QStringLiteral("UTC:"), FormatText("%i", r.utcOffset)});
    return rows;
}

QVector<DisplayRow> AirportInstructionRows() {
    return {{QString(), QStringLiteral("Enter airport identifier to view, then")},
            {QString(), QStringLiteral("click Show, or click Lookup to search")},
            {QString(), QStringLiteral("for an airport by name.")}};
}

QVector<DisplayRow> AirportCommRows(const AirportDetails& airport) {
    QVector<DisplayRow> rows;
    for (const CommEntry& line : airport.comm)
        rows.append({line.label, line.frequency});
    return rows;
}

QVector<DisplayRow> RunwayRows(const QVector<RunwayRecord>& runways, bool metric) {
    QVector<DisplayRow> rows;
    for (const RunwayRecord& runway : runways)
        rows.append(
            {runway.end1 + '/' + runway.end2, RunwaySizeText(runway.length, runway.width, metric)});
    return rows;
}

QVector<DisplayRow> NavAidInfoRows(const NavAidRecord& record, const QString& name,
                                   bool secondsFormat) {
    return {{QStringLiteral("ID:"), record.key.Text()},
            {QStringLiteral("Name:"), name},
            {QStringLiteral("Type:"), NavAidTypeText(record.type)},
            {QStringLiteral("Lat:"), LatitudeText(record.latitude, secondsFormat)},
            {QStringLiteral("Lon:"), LongitudeText(record.longitude, secondsFormat)},
            {QStringLiteral("Freq:"), FormatText("%.1f", static_cast<double>(record.frequency))}};
}
