#include "core/times/GpxText.h"

#include "core/common/text/Format.h"
#include "core/gps/NmeaDate.h"

#include <QTimeZone>

#include <cmath>

namespace {

constexpr double kMetresPerSecondPerKnot = 1852.0 / 3600.0;

QString TimeText(const QDateTime& utc) {
    return utc.toUTC().toString(utc.time().msec() != 0 ? Qt::ISODateWithMs : Qt::ISODate);
}

} // namespace

QByteArray GpxHead(const QDateTime& startupUtc) {
    const QString name = QStringLiteral("Flight ") +
                         startupUtc.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm")) + 'Z';
    QString head = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<gpx version=\"1.1\" creator=\"Trevallion\" xmlns=\"http://www.topografix.com/GPX/1/1\" "
        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
        "xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\" "
        "xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
        "http://www.topografix.com/GPX/1/1/gpx.xsd\">\n");
    head += QStringLiteral(" <metadata>\n  <name>%1</name>\n  <time>%2</time>\n </metadata>\n")
                .arg(name, TimeText(startupUtc));
    head += QStringLiteral(" <trk>\n  <name>%1</name>\n  <trkseg>\n").arg(name);
    return head.toUtf8();
}

QByteArray GpxTail() {
    return QByteArrayLiteral("  </trkseg>\n </trk>\n</gpx>\n");
}

std::optional<QDateTime> GpsFixTime(const GpsValues& values, const QDate& today) {
    const QDate date = values.date != 0 ? NmeaDate(values.date, today) : today;
    const double seconds = values.timeSeconds;
    if (!date.isValid() || !(seconds >= 0) || seconds >= 240000)
        return std::nullopt;
    const int whole = static_cast<int>(seconds);
    const int ms = static_cast<int>(std::lround((seconds - whole) * 1000)) % 1000;
    const QTime time(whole / 10000, whole / 100 % 100, whole % 100, ms);
    if (!time.isValid())
        return std::nullopt;
    return QDateTime(date, time, QTimeZone::utc());
}

double NmeaDegrees(double ddmm, char hemisphere) {
    const double degrees = std::floor(std::fabs(ddmm) / 100.0);
    const double value = degrees + (std::fabs(ddmm) - degrees * 100.0) / 60.0;
    return (hemisphere == 'S' || hemisphere == 'W') ? -value : value;
}

QByteArray GpxTrackPoint(const GpsValues& values, const QDateTime& utc) {
    QString point = FormatText("   <trkpt lat=\"%.7f\" lon=\"%.7f\">",
                               NmeaDegrees(values.latitude, values.latitudeHemisphere),
                               NmeaDegrees(values.longitude, values.longitudeHemisphere));
    if (values.hasAltitude)
        point += FormatText("<ele>%.1f</ele>", values.altitudeMetres);
    point += QStringLiteral("<time>%1</time>").arg(TimeText(utc));
    point += FormatText("<extensions><gpxtpx:TrackPointExtension><gpxtpx:speed>%.2f</gpxtpx:speed>"
                        "<gpxtpx:course>%.1f</gpxtpx:course></gpxtpx:TrackPointExtension>"
                        "</extensions></trkpt>\n",
                        values.speedKnots * kMetresPerSecondPerKnot,
                        std::fmod(std::fabs(values.course), 360.0));
    return point.toUtf8();
}
