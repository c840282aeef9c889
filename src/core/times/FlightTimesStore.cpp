#include "core/times/FlightTimesStore.h"

#include "core/common/settings/SettingsStore.h"

#include <array>

namespace {

constexpr std::array<FlightEvent, 4> kEvents = {FlightEvent::Startup, FlightEvent::Takeoff,
                                                FlightEvent::Landing, FlightEvent::Shutdown};

QString ValueName(FlightEvent event) {
    switch (event) {
    case FlightEvent::Startup:
        return QStringLiteral("Times.Startup");
    case FlightEvent::Takeoff:
        return QStringLiteral("Times.Takeoff");
    case FlightEvent::Landing:
        return QStringLiteral("Times.Landing");
    case FlightEvent::Shutdown:
        break;
    }
    return QStringLiteral("Times.Shutdown");
}

} // namespace

void SaveFlightTimes(SettingsStore& store, const FlightTimes& times) {
    for (FlightEvent event : kEvents) {
        const SystemTime& t = times.Time(event);
        if (t.IsRecorded())
            store.WriteText(ValueName(event), StoredUtcText(t));
        else
            store.Remove(ValueName(event));
    }
}

FlightTimes LoadFlightTimes(const SettingsStore& store) {
    FlightTimes times;
    for (FlightEvent event : kEvents) {
        if (const std::optional<SystemTime> t = ParseStoredUtc(store.ReadText(ValueName(event))))
            times.Set(event, *t);
    }
    // A landing without its takeoff, or a shutdown without its startup, cannot have been
    // recorded: the pair is kept only when its start is there.
    if (!times.IsRecorded(FlightEvent::Takeoff))
        times.ResetTakeoff();
    if (!times.IsRecorded(FlightEvent::Startup))
        times.ResetStartup();
    return times;
}

QString StoredUtcText(const SystemTime& utc) {
    return utc.ToDateTime().toString(Qt::ISODateWithMs);
}

std::optional<SystemTime> ParseStoredUtc(const QString& text) {
    if (text.isEmpty() || text.size() > 64)
        return std::nullopt;
    const QDateTime moment = QDateTime::fromString(text, Qt::ISODateWithMs);
    // Only a UTC stamp of a plausible year is taken: anything else was not written by us.
    if (!moment.isValid() || moment.timeSpec() != Qt::UTC || moment.date().year() < 1601 ||
        moment.date().year() > 9999)
        return std::nullopt;
    return SystemTime::FromDateTime(moment);
}
