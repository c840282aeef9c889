#include "core/logbook/FlightLogger.h"

#include "core/common/settings/SettingsSchema.h"
#include "core/logbook/LogbookStore.h"
#include "core/times/FlightTimesStore.h"
#include "core/times/TimesState.h"

#include <QStringList>

namespace {

Status Failed(const Message& why) {
    return Status::Fail(
        QStringLiteral("The flight could not be added to the logbook.\n") + why.text, why.icon);
}

QString StartupKey(const TimesState& times) {
    return StoredUtcText(times.flight.Time(FlightEvent::Startup));
}

// The logbook's number of the flight put in last, when it is this flight.
std::optional<qint64> LoggedId(const SettingsStore& settings, const QString& startup) {
    const QStringList fields = setting::kLoggedFlight.Read(settings).split(QLatin1Char(','));
    bool ok = false;
    const qint64 id = fields.size() == 2 && fields[0] == startup ? fields[1].toLongLong(&ok) : 0;
    return ok && id > 0 ? std::optional<qint64>(id) : std::nullopt;
}

// The pilot's texts of the entry already in the logbook carried over to the new times.
LogbookEntry Corrected(LogbookEntry entry, const LogbookEntry& held) {
    entry.id = held.id;
    entry.registration = held.registration;
    entry.aircraftType = held.aircraftType;
    entry.departure = held.departure;
    entry.arrival = held.arrival;
    entry.remarks = held.remarks;
    return entry;
}

} // namespace

Status LogCompletedFlight(const TimesState& times, const LogbookSources& sources,
                          LogbookStore& logbook, SettingsStore& settings) {
    if (!FlightComplete(times))
        return {};
    const Outcome<NewLogbookEntry> built = BuildLogbookEntry(times, sources);
    if (!built)
        return Failed(built.error());
    if (!logbook.IsOpen())
        if (const Status opened = logbook.Open(); !opened)
            return Failed(opened.error());
    const QString startup = StartupKey(times);
    if (const std::optional<qint64> id = LoggedId(settings, startup)) {
        const Outcome<std::optional<LogbookEntry>> held = logbook.Find(*id);
        if (!held)
            return Failed(held.error());
        if (held.value()) {
            const Status updated = logbook.Update(Corrected(built.value().entry, *held.value()));
            return updated ? updated : Failed(updated.error());
        }
    }
    const Outcome<qint64> added = logbook.Add(built.value().entry);
    if (!added)
        return Failed(added.error());
    setting::kLoggedFlight.Write(settings,
                                 startup + QLatin1Char(',') + QString::number(added.value()));
    return {};
}
