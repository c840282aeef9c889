#include "core/gps/GpsdReport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>

namespace {

constexpr double kKnotsPerMetreSecond = 3600.0 / 1852.0;

std::optional<double> Number(const QJsonObject& report, const char* key) {
    const QJsonValue value = report.value(QLatin1String(key));
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        return std::nullopt;
    return value.toDouble();
}

} // namespace

std::optional<DecimalFix> ParseGpsdReport(QByteArrayView line) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject report = document.object();
    if (report.value(QLatin1String("class")).toString() != QLatin1String("TPV"))
        return std::nullopt;
    DecimalFix fix;
    const std::optional<double> lat = Number(report, "lat");
    const std::optional<double> lon = Number(report, "lon");
    const double mode = Number(report, "mode").value_or(0);
    const bool position = lat && lon && std::fabs(*lat) <= 90 && std::fabs(*lon) <= 180;
    if (position) {
        fix.latitude = *lat;
        fix.longitude = *lon;
    }
    if (const std::optional<double> speed = Number(report, "speed"); speed && *speed >= 0)
        fix.speedKnots = *speed * kKnotsPerMetreSecond;
    // A report without a speed (gpsd sends one before the receiver's velocity arrives) must not
    // count as standing still: it is no fix for takeoff and landing.
    fix.valid = (mode == 2 || mode == 3) && position && fix.speedKnots.has_value();
    fix.trueTrack = Number(report, "track");
    fix.magneticTrack = Number(report, "magtrack");
    fix.altitudeMetres = Number(report, "altMSL");
    if (!fix.altitudeMetres)
        fix.altitudeMetres = Number(report, "alt");
    const QString time = report.value(QLatin1String("time")).toString();
    if (!time.isEmpty())
        fix.utc = QDateTime::fromString(time, Qt::ISODateWithMs);
    return fix;
}
