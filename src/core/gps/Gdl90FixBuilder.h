#pragma once
// Turns GDL90 messages into fixes: every Ownship Report gives one, completed by the latest
// Heartbeat (whether the GPS position is valid, the UTC time) and the latest Ownship Geometric
// Altitude (preferred to the report's pressure altitude, as the GPS's own). The fix is valid
// while the heartbeat says the GPS position is valid, the report's NIC is above 0 and its
// position is a real one (not 0/0, where a box without a fix puts it). A box sends a heartbeat
// and a geometric altitude once a second, the report once or more: each counts for
// kLifetimeSeconds, so one that stops coming leaves no fix valid and no altitude frozen.

#include "core/gps/DecimalFix.h"
#include "core/gps/Gdl90Messages.h"

#include <QByteArrayView>
#include <QDateTime>

#include <chrono>
#include <optional>

class Gdl90FixBuilder {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    static constexpr int kLifetimeSeconds = 3;

    // Takes one clear message received at the time; the fix when it was an ownship report.
    std::optional<DecimalFix> Apply(QByteArrayView message, TimePoint receivedAt);

private:
    DecimalFix FixOf(const Gdl90Ownship& report, TimePoint receivedAt) const;
    static bool Recent(TimePoint at, TimePoint now);

    std::optional<Gdl90Heartbeat> heartbeat_;
    TimePoint heartbeatAt_{};
    std::optional<int32_t> geometricFeet_;
    TimePoint geometricAt_{};
};

// The UTC date and time of a time of day: on whichever of the days around nowUtc puts it
// nearest to nowUtc (a report just before midnight, read just after, keeps its day). Invalid for
// a time beyond one day.
QDateTime Gdl90Utc(uint32_t secondsOfDay, const QDateTime& nowUtc);
