#include "ui/document/TrevallionDoc.h"

#include "core/checklists/ChecklistInstall.h"
#include "core/common/io/DeviceFolders.h"
#include "core/common/settings/SettingsSchema.h"
#include "core/common/settings/SettingsStore.h"
#include "core/logbook/FlightLogger.h"
#include "core/navdata/NavFileChoice.h"
#include "core/planning/PlanSettings.h"
#include "core/times/FlightLegsStore.h"
#include "core/times/FlightTimesStore.h"
#include "core/weight-balance/ChosenAircraft.h"

CTrevallionDoc::CTrevallionDoc(SettingsStore& settings, GpsFix& gpsFix)
    : settings_(settings), gpsFix_(gpsFix), navData_(&settings), gps_(gpsFix) {
    // The fleet starts at its defaults (its constructor); the navigation data set has read the
    // recent airports and nav aids. Flight times recorded before a restart are taken up again.
    times_.LoadTimers(settings_);
    times_.flight = LoadFlightTimes(settings_);
    times_.legs = LoadFlightLegs(settings_);
}

void CTrevallionDoc::SetLastTick(TickResult tick) {
    lastTick_ = std::move(tick);
    if (lastTick_.timerStopped && timersDialogRefresh_)
        timersDialogRefresh_();
}

Status CTrevallionDoc::SaveFlightTimes() {
    ::SaveFlightTimes(settings_, times_.flight);
    SaveFlightLegs(settings_, times_.legs);
    if (!FlightComplete(times_))
        return {};
    const ChosenAircraftNames aircraft = ChosenAircraft(aircraft_);
    const LogbookSources sources{&navData_, ReadPlanSettings(settings_).route,
                                 aircraft.registration, aircraft.typeName};
    return LogCompletedFlight(times_, sources, logbook_, settings_);
}

std::optional<FlightPosition> CTrevallionDoc::GpsPosition() const {
    return FixPosition(gpsFix_.Snapshot());
}

Status CTrevallionDoc::AfterTick(const GpsReading& gps) {
    Status saved;
    if (lastTick_.takeoffRecorded || lastTick_.landingRecorded)
        saved = SaveFlightTimes();
    else if (lastTick_.legRecorded)
        SaveFlightLegs(settings_, times_.legs);
    const Status tracked = track_.Tick(times_.flight, gps);
    if (saved && tracked)
        return {};
    if (saved || tracked) // the one that failed
        return saved ? tracked : saved;
    return Status::Fail(saved.error().text + QStringLiteral("\n\n") + tracked.error().text,
                        saved.error().icon);
}

CTrevallionDoc::~CTrevallionDoc() {
    // The reader thread must end before the data sets go away; the last seconds of the flight
    // track go to the disk.
    gps_.StopGps();
    if (const Status flushed = track_.Flush(); !flushed) // no window is left to tell it
        qWarning("%s", qPrintable(flushed.error().text));
}

QList<Message> CTrevallionDoc::OnNewDocument() {
    QList<Message> messages;
    auto keep = [&messages](const Status& status) {
        if (!status.ok())
            messages.append(status.error());
    };
    keep(aircraft_.LoadAircraftFile());
    navFilePath_ = ChooseStartNavFile(settings_).path;
    if (const Status nav = navData_.LoadNavData(navFilePath_); !nav.ok())
        messages.append(StartNavFileFailure(navFilePath_, nav.error()));
    keep(waypoints_.LoadUserWaypoints());
    keep(InstallDefaultChecklists());
    keep(checklists_.LoadChecklists());
    keep(logbook_.Open());
    if (const std::optional<GpsSourceEntry> running = GpsSourceToResume(settings_)) {
        if (const Status started = StartGps(*running); !started.ok())
            messages.append(Message{QStringLiteral("The GPS (") + running->name +
                                        QStringLiteral(") could not be started again.\n") +
                                        started.error().text,
                                    started.error().icon});
    }
    return messages;
}

Status CTrevallionDoc::StartGps(const GpsSourceEntry& source, int replayInterval) {
    Outcome<std::unique_ptr<GpsSource>> made = MakeGpsSource(source, replayInterval);
    Status started = made.ok() ? gps_.StartGps(std::move(made).value()) : Status(made.error());
    if (!started.ok())
        return started;
    gpsSourceName_ = source.name;
    RememberRunningGpsSource(settings_, source);
    return started;
}

void CTrevallionDoc::StopGps() {
    gps_.StopGps();
    RememberRunningGpsSource(settings_, std::nullopt);
}

Status CTrevallionDoc::ChooseNavFile(const QString& path) {
    navFilePath_ = path;
    setting::kAirportFile.Write(settings_, path);
    return navData_.LoadNavData(path);
}
