#pragma once
// The document: the one owner, for the whole run, of the data sets the views and dialogs borrow:
// the flight times and four count timers, the aircraft fleet, the navigation data set with its
// recent lists, the user waypoints, the checklists and the GPS receiver. The application object
// keeps the GPS receiver's shared record (GpsFix), which must outlive the document.
//
// Construction reads what the settings hold (timer settings, the recorded flight times, recent
// airports and nav aids);
// OnNewDocument loads the data files and opens the logbook. Destruction stops the GPS receiver.

#include "core/checklists/ChecklistData.h"
#include "core/common/Outcome.h"
#include "core/gps/GpsReceiver.h"
#include "core/gps/GpsSourceList.h"
#include "core/logbook/LogbookStore.h"
#include "core/navdata/NavDatabase.h"
#include "core/navdata/UserWaypointStore.h"
#include "core/times/ClockTick.h"
#include "core/times/FlightTrack.h"
#include "core/times/TimesState.h"
#include "core/weight-balance/AircraftStore.h"

#include <QList>

#include <functional>

class SettingsStore;

class CTrevallionDoc {
public:
    // The settings store and the GPS record are not owned and must outlive the document.
    CTrevallionDoc(SettingsStore& settings, GpsFix& gpsFix);
    ~CTrevallionDoc();
    CTrevallionDoc(const CTrevallionDoc&) = delete;
    CTrevallionDoc& operator=(const CTrevallionDoc&) = delete;

    // Loads, in this order, the aircraft fleet, the navigation data file ("AirportFile"; when
    // that is empty the default file, or the shipped world file when the default file is
    // missing; see ChooseStartNavFile), the user waypoints and the checklists (installing the
    // shipped checklist first when the documents folder has none). A step that fails leaves its
    // data set empty (or at its defaults) and adds its message; no failure stops the loading.
    // Last, the GPS source that was running when the program ended starts again (a restart in
    // flight goes on reading); a source that cannot be opened adds its message.
    QList<Message> OnNewDocument();

    // Opens another navigation data file (Preferences, the directory's File Open) and stores its
    // path as "AirportFile" whether or not it loads; a failure leaves the data set empty.
    Status ChooseNavFile(const QString& path);
    // The navigation file the document tried to open last ("" before OnNewDocument).
    const QString& NavFilePath() const { return navFilePath_; }

    TimesState& Times() { return times_; }
    const TimesState& Times() const { return times_; }
    AircraftStore& Aircraft() { return aircraft_; }
    NavDatabase& NavData() { return navData_; }
    UserWaypointStore& Waypoints() { return waypoints_; }
    ChecklistData& Checklists() { return checklists_; }
    GpsReceiver& Gps() { return gps_; }
    // Starts the receiver on a source and keeps it as the one to start again after a restart;
    // "Error: " and the reason on failure, the receiver then stopped.
    Status StartGps(const GpsSourceEntry& source, int replayInterval = 0);
    // Stops the receiver at the pilot's request: the next start does not resume it.
    void StopGps();
    // What the receiver was started on, as the source list names it.
    const QString& GpsSourceName() const { return gpsSourceName_; }
    void SetGpsSourceName(const QString& name) { gpsSourceName_ = name; }
    GpsFix& Fix() { return gpsFix_; }
    SettingsStore& Settings() { return settings_; }

    // What the main frame's last one-second tick did (the Times view redraws its times from it).
    const TickResult& LastTick() const { return lastTick_; }
    // Keeps the tick's result; when it stopped a count-down at zero, the open Timers dialog
    // refreshes its buttons.
    void SetLastTick(TickResult tick);
    // The open Timers dialog installs its refresh here while it is open (an empty function when
    // it closes), so a timer stopping at zero refreshes it even though the dialog is modal.
    void SetTimersDialogRefresh(std::function<void()> refresh) {
        timersDialogRefresh_ = std::move(refresh);
    }

    // Keeps the flight times and legs in the settings; called after every record and reset. A
    // flight completed by it goes into the logbook (LogCompletedFlight); the failure to tell.
    Status SaveFlightTimes();
    // The pilot's logbook, opened by OnNewDocument (a refused file is told there and stays
    // closed).
    LogbookStore& Logbook() { return logbook_; }
    // The GPS position now, when a fresh valid fix gives one (for take-offs and landings
    // recorded by hand).
    std::optional<FlightPosition> GpsPosition() const;
    // After the main frame's tick: keeps times the GPS recorded and extends the flight track.
    // Returns the message of a track that could not be written (once per flight).
    Status AfterTick(const GpsReading& gps);
    const FlightTrack& Track() const { return track_; }

private:
    SettingsStore& settings_;
    GpsFix& gpsFix_;
    TimesState times_;
    AircraftStore aircraft_;
    NavDatabase navData_;
    UserWaypointStore waypoints_;
    ChecklistData checklists_;
    GpsReceiver gps_;
    QString navFilePath_;
    QString gpsSourceName_;
    TickResult lastTick_;
    std::function<void()> timersDialogRefresh_;
    FlightTrack track_;
    LogbookStore logbook_;
};
