#include "core/gps/Gdl90FixBuilder.h"

#include <QTimeZone>

#include <cmath>

namespace {

constexpr uint32_t kSecondsPerDay = 24 * 60 * 60;

} // namespace

std::optional<DecimalFix> Gdl90FixBuilder::Apply(QByteArrayView message, TimePoint receivedAt) {
    if (const std::optional<Gdl90Heartbeat> heartbeat = DecodeGdl90Heartbeat(message)) {
        heartbeat_ = heartbeat;
        heartbeatAt_ = receivedAt;
    } else if (const std::optional<int32_t> feet = DecodeGdl90GeometricAltitudeFeet(message)) {
        geometricFeet_ = feet;
        geometricAt_ = receivedAt;
    } else if (const std::optional<Gdl90Ownship> report = DecodeGdl90Ownship(message)) {
        return FixOf(*report, receivedAt);
    }
    return std::nullopt; // traffic, uplinks and anything unknown change nothing
}

bool Gdl90FixBuilder::Recent(TimePoint at, TimePoint now) {
    return now >= at && now - at <= std::chrono::seconds(kLifetimeSeconds);
}

DecimalFix Gdl90FixBuilder::FixOf(const Gdl90Ownship& report, TimePoint receivedAt) const {
    const bool heartbeat = heartbeat_ && Recent(heartbeatAt_, receivedAt);
    DecimalFix fix;
    fix.latitude = report.latitude;
    fix.longitude = report.longitude;
    fix.valid = heartbeat && heartbeat_->gpsPositionValid && report.nic > 0 &&
                (report.latitude != 0 || report.longitude != 0) && std::fabs(report.latitude) <= 90;
    fix.speedKnots = report.speedKnots;
    if (report.trackKind == Gdl90TrackKind::MagneticHeading)
        fix.magneticTrack = report.track;
    else if (report.trackKind != Gdl90TrackKind::None)
        fix.trueTrack = report.track;
    if (geometricFeet_ && Recent(geometricAt_, receivedAt))
        fix.altitudeFeet = *geometricFeet_;
    else
        fix.altitudeFeet = report.pressureAltitudeFeet;
    if (heartbeat && heartbeat_->utcOk)
        fix.utc = Gdl90Utc(heartbeat_->secondsOfDay, QDateTime::currentDateTimeUtc());
    return fix;
}

QDateTime Gdl90Utc(uint32_t secondsOfDay, const QDateTime& nowUtc) {
    if (secondsOfDay >= kSecondsPerDay || !nowUtc.isValid())
        return {};
    const QDateTime now = nowUtc.toUTC();
    const QTime time = QTime(0, 0).addSecs(secondsOfDay);
    QDateTime best;
    for (const int days : {-1, 0, 1}) {
        const QDateTime at(now.date().addDays(days), time, QTimeZone::utc());
        if (!best.isValid() || std::abs(now.secsTo(at)) < std::abs(now.secsTo(best)))
            best = at;
    }
    return best;
}
