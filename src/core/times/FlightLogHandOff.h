#pragma once
// Handing the recorded times to the separate flight-log program: where it is installed, whether
// its version can take them, and its command line. Finding and starting it is the caller's job
// (close a window titled kFlightLogWindowTitle first, then start Program() with Arguments()).
//
// Its settings are read like the program's own, one store per application name of the maker
// "Orvenda Technologies": "Verol Private" and "Verol Commercial" (text "Path"), and "Verol"
// (integer "Version").

#include "core/common/Outcome.h"
#include "core/times/FlightTimes.h"

#include <QString>
#include <QStringList>

#include <memory>

class SettingsStore;
class TimesDisplay;

inline constexpr char kFlightLogWindowTitle[] = "Verol";

// The flight-log program's stores; a null store means its settings do not exist at all.
struct FlightLogStores {
    const SettingsStore* privateEdition = nullptr;
    const SettingsStore* commercialEdition = nullptr;
    const SettingsStore* versionKey = nullptr;
};

// The stores of the flight-log program on this machine, each only when its file exists.
class InstalledFlightLogStores {
public:
    InstalledFlightLogStores();
    ~InstalledFlightLogStores();
    FlightLogStores Stores() const;

private:
    std::unique_ptr<SettingsStore> private_, commercial_, version_;
};

struct FlightLogLaunch {
    QString program;     // "<Path>/verol.exe"
    QString commandLine; // "/a 10:00 11:10 01:10 10:05 11:00 00:55 "

    // The command line split at its blanks, as a process argument list.
    QStringList Arguments() const;
};

// Decides what "Copy to Verol Flight Log..." does. Fails with the message to show when the
// program is not installed, its version is too old, or no shutdown time is recorded.
Outcome<FlightLogLaunch> PlanFlightLogHandOff(const FlightLogStores& stores,
                                              const FlightTimes& times, const TimesDisplay& display,
                                              int zoneOffset);

// The hand-off's command line: "/a " + startup + " " + shutdown + " " + flight + takeoff + " " +
// landing + " " + air, events in the display's zone, durations "%02u:%02u " in hours and minutes.
QString FlightLogCommandLine(const FlightTimes& times, const TimesDisplay& display, int zoneOffset);

// "Error: Unable to start Pocket Verol.\n" followed by the system's reason.
Message FlightLogStartFailure(const QString& systemText);
