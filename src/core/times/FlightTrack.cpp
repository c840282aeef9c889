#include "core/times/FlightTrack.h"

#include "core/common/Clock.h"
#include "core/common/io/DeviceFolders.h"
#include "core/common/io/FileIo.h"
#include "core/times/FlightTimes.h"
#include "core/times/GpxText.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace {

qint64 NowSeconds() {
    return CurrentClock().NowUtc().toSecsSinceEpoch();
}

// The existing track of this flight, without its tail; empty when there is none to go on with
// (missing, too large, or not a complete track this program wrote).
QByteArray ResumableBody(const QString& path) {
    if (!QFileInfo::exists(path))
        return {};
    Outcome<QByteArray> read = ReadWholeFile(path, QString(), FlightTrack::kMaxTrackBytes);
    if (!read.ok() || !read.value().endsWith(GpxTail()) ||
        !read.value().contains("creator=\"Trevallion\""))
        return {};
    return read.value().chopped(GpxTail().size());
}

bool Plausible(const GpsValues& v) {
    const double lat = NmeaDegrees(v.latitude, v.latitudeHemisphere);
    const double lon = NmeaDegrees(v.longitude, v.longitudeHemisphere);
    return std::fabs(lat) <= 90.0 && std::fabs(lon) <= 180.0 && std::isfinite(v.speedKnots) &&
           std::isfinite(v.course) && std::isfinite(v.altitudeMetres);
}

} // namespace

QString FlightTrack::TracksFolder() {
    return DocumentsFolder() + QStringLiteral("/Orvenda/Tracks/");
}

Status FlightTrack::Tick(const FlightTimes& times, const GpsReading& gps) {
    const bool timed = times.FlightTimerRunning();
    const SystemTime& startup = times.Time(FlightEvent::Startup);
    Status failure;
    if (!path_.isEmpty() && (!timed || !(startup == startup_))) {
        failure = Write();
        End();
    }
    if (!timed)
        return failure;
    if (gps.open) {
        if (path_.isEmpty())
            Begin(startup);
        Add(gps);
    }
    if (pending_ > 0 && NowSeconds() - lastWrite_ >= kFlushSeconds)
        failure = Write();
    return failure;
}

void FlightTrack::Add(const GpsReading& gps) {
    const GpsValues& v = gps.values;
    const bool isNew = v.date != lastDate_ || v.timeSeconds != lastTime_;
    if (!gps.fresh || !v.fixValid || !isNew || !Plausible(v))
        return;
    if (const std::optional<QDateTime> at = GpsFixTime(v, CurrentClock().NowUtc().date())) {
        body_ += GpxTrackPoint(v, *at);
        ++points_;
        ++pending_;
        lastDate_ = v.date;
        lastTime_ = v.timeSeconds;
    }
}

Status FlightTrack::Flush() {
    return path_.isEmpty() ? Status() : Write();
}

void FlightTrack::Begin(const SystemTime& startup) {
    startup_ = startup;
    const QDateTime at = startup.ToDateTime();
    const QString base = TracksFolder() + at.toString(QStringLiteral("yyyy-MM-dd_HHmm")) + 'Z';
    path_ = base + QStringLiteral(".gpx");
    body_ = ResumableBody(path_);
    // A file of that name that cannot be continued is left alone: the track gets a new name.
    for (int n = 2; body_.isEmpty() && QFileInfo::exists(path_); ++n)
        path_ = base + QStringLiteral("-%1.gpx").arg(n);
    if (body_.isEmpty())
        body_ = GpxHead(at);
    points_ = static_cast<int>(body_.count("<trkpt "));
    pending_ = 0;
    lastWrite_ = NowSeconds();
    failureReported_ = false;
}

Status FlightTrack::Write() {
    if (pending_ == 0)
        return {}; // nothing new: a flight without fixes leaves no empty file
    lastWrite_ = NowSeconds();
    Status written = WriteWholeFile(path_, body_ + GpxTail(),
                                    QStringLiteral("The flight track cannot be written.\n"));
    if (written.ok()) {
        pending_ = 0;
        return written;
    }
    if (failureReported_)
        return {};
    failureReported_ = true;
    return written;
}

void FlightTrack::End() {
    path_.clear();
    body_.clear();
    startup_ = SystemTime{};
    points_ = 0;
    pending_ = 0;
    lastDate_ = 0;
    lastTime_ = -1;
}
