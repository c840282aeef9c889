#include "core/times/FlightTimesStore.h"

#include "core/common/settings/SettingsSchema.h"
#include "core/common/settings/SettingsStore.h"

#include <array>

namespace {

constexpr std::array<FlightEvent, 4> kEvents = {FlightEvent::Startup, FlightEvent::Takeoff,
                                                FlightEvent::Landing, FlightEvent::Shutdown};

const TextSetting& Key(FlightEvent event) {
    switch (event) {
    case FlightEvent::Startup:
        return setting::kStartupTime;
    case FlightEvent::Takeoff:
        return setting::kTakeoffTime;
    case FlightEvent::Landing:
        return setting::kLandingTime;
    case FlightEvent::Shutdown:
        break;
    }
    return setting::kShutdownTime;
}

} // namespace

void SaveFlightTimes(SettingsStore& store, const FlightTimes& times) {
    const SettingsBatch oneWrite(store);
    for (FlightEvent event : kEvents) {
        const SystemTime& t = times.Time(event);
        if (t.IsRecorded())
            Key(event).Write(store, StoredUtcText(t));
        else
            Key(event).Remove(store);
    }
}

FlightTimes LoadFlightTimes(const SettingsStore& store) {
    FlightTimes times;
    for (FlightEvent event : kEvents) {
        if (const std::optional<SystemTime> t = ParseStoredUtc(Key(event).Read(store)))
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
