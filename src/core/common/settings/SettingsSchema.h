#pragma once
// Every key of the program's settings ("Settings" section of Trevallion.ini): its stored name,
// type, default, the values it accepts and its write policy. The names and types are those of
// the files users already have; a stored value outside what a key accepts reads as its default
// (see SettingKey.h). Numbered keys ("TimerName0" ...) are families: `setting::kTimerName.At(i)`.
//
// Only the flight state is written at once; everything else is written behind, one write of the
// file for the changes of one user action, on the store's writer thread.

#include "core/common/entry/FieldLimits.h"
#include "core/common/settings/SettingKey.h"
#include "resource.h"

namespace setting {

// Longest stored texts: paths, identifier lists and other short texts. A field's typing limit is
// no limit of its stored text: a value menu or another dialog may put a longer text in whole.
inline constexpr int kPathChars = 4096;
inline constexpr int kListChars = 1024;
inline constexpr int kShortTextChars = 64;
// A network address: a host name of up to 253 characters, ":" and a port.
inline constexpr int kAddressChars = 260;

// Global preferences, read at start into AppSettings.
inline constexpr IntSetting kView{.name = "View", .defaultValue = ID_VIEW_TIMES};
inline constexpr IntSetting kVersion{.name = "Version"};
// The device screen's turn in degrees (0, 90, 180, 270), taken again at start.
inline constexpr IntSetting kOrientation{.name = "Orientation", .minimum = 0, .maximum = 270};
// 1 = the dark palette that keeps night vision, 0 = day colours.
inline constexpr IntSetting kNightColours{.name = "NightColours", .minimum = 0, .maximum = 1};
// Bit 0 metric, bit 1 seconds format, bit 2 kilograms per litre; no other bit is ever set.
inline constexpr IntSetting kPreferences{.name = "Preferences", .minimum = 0, .maximum = 7};
inline constexpr IntSetting kTimeZone{.name = "TimeZone"}; // minutes; 0 = the device's zone
inline constexpr TextSetting kJetWeight{.name = "JetWeight", .maxLength = kShortTextChars};
inline constexpr TextSetting kAvGasWeight{.name = "AvGasWeight", .maxLength = kShortTextChars};
inline constexpr IntSetting kGraphOptions{.name = "GraphOptions", .defaultValue = -1};
// Knots, as the GPS dialog's two-digit field takes them; 0 = no automatic recording.
inline constexpr IntSetting kTakeoffGroundSpeed{.name = "TakeoffGS", .minimum = 0, .maximum = 99};
inline constexpr IntSetting kGpsPort{.name = "GPSPort"};

// Navigation data.
inline constexpr TextSetting kAirportFile{.name = "AirportFile", .maxLength = kPathChars};
inline constexpr TextSetting kRecentAirports{.name = "Airports", .maxLength = kListChars};
inline constexpr TextSetting kRecentNavAids{.name = "Nav", .maxLength = kListChars};
inline constexpr TextSetting kAirportSearch{.name = "AirportSearch", .maxLength = kSearchTextChars};
inline constexpr TextSetting kWaypointSeconds{.name = "Waypoint.Seconds", .maxLength = 3};

// Fuel quantity: the selected items' texts.
inline constexpr TextSetting kFuelType{.name = "Fuel type", .maxLength = kShortTextChars};
inline constexpr TextSetting kFuelUnits{.name = "Fuel units", .maxLength = kShortTextChars};
inline constexpr TextSetting kFuelResult{.name = "Fuel result", .maxLength = kShortTextChars};

// Heading & Time: the last inputs, written after each calculation.
inline constexpr TextSetting kTrackTrack{.name = "Track.Track", .maxLength = kShortTextChars};
inline constexpr TextSetting kTrackDistance{.name = "Track.Distance", .maxLength = kShortTextChars};
inline constexpr TextSetting kTrackTas{.name = "Track.TAS", .maxLength = kShortTextChars};
inline constexpr TextSetting kTrackVariation{.name = "Track.Var", .maxLength = kShortTextChars};
inline constexpr TextSetting kTrackWindDirection{.name = "Track.WindDir",
                                                 .maxLength = kShortTextChars};
inline constexpr TextSetting kTrackWindSpeed{.name = "Track.WindSpeed",
                                             .maxLength = kShortTextChars};
inline constexpr TextSetting kTrackTime{.name = "Track.Time", .maxLength = kClockTimeChars};
inline constexpr TextSetting kTrackEast{.name = "Track.East", .maxLength = 3};

// Sun times: the location list's index (airport, lat/lon, waypoint), the coordinates with their
// hemisphere letters and the UTC offset.
inline constexpr IntSetting kSunLocation{.name = "SunTimes.Location", .minimum = 0, .maximum = 2};
inline constexpr TextSetting kSunLatitude{.name = "SunTimes.Lat", .maxLength = kShortTextChars};
inline constexpr TextSetting kSunLongitude{.name = "SunTimes.Lon", .maxLength = kShortTextChars};
inline constexpr TextSetting kSunZone{.name = "SunTimes.Zone", .maxLength = kShortTextChars};

// Flight planning.
inline constexpr TextSetting kPlanAircraft{.name = "Plan.Aircraft", .maxLength = kShortTextChars};
inline constexpr TextSetting kPlanTas{.name = "Plan.TAS", .maxLength = kShortTextChars};
inline constexpr TextSetting kPlanRoute{.name = "Plan.Route", .maxLength = kPathChars};
// A "-" before a magnetic direction.
inline constexpr TextSetting kPlanWindDirection{.name = "Plan.WindDir",
                                                .maxLength = kShortTextChars};
inline constexpr TextSetting kPlanWindSpeed{.name = "Plan.WindSpeed", .maxLength = kShortTextChars};

// Count timers 0-3. The starting time is whole seconds up to the count-up limit 99:00.
inline constexpr int kTimerCount = 4;
inline constexpr TextSetting kTimerName{.name = "TimerName", .maxLength = kTimerTitleChars};
inline constexpr TextSetting kTimerSound{.name = "TimerSound", .maxLength = kPathChars};
inline constexpr IntSetting kTimerStart{.name = "TimerVal", .minimum = 0, .maximum = 5940};
inline constexpr IntSetting kTimerOptions{.name = "TimerOptions", .minimum = 0, .maximum = 0x7F};

// Times view: bit 0 local time, bit 1 hours:minutes.
inline constexpr IntSetting kTimeView{.name = "TimeView", .minimum = 0, .maximum = 3};
// World clocks 0, 1, 2, ...: "name=key".
inline constexpr TextSetting kWorldClock{.name = "TimeZone", .maxLength = kPlaceNameChars + 12};

// The flight state: the recorded times as ISO 8601 UTC texts.
inline constexpr TextSetting kStartupTime{
    .name = "Times.Startup", .maxLength = kShortTextChars, .policy = WritePolicy::AtOnce};
inline constexpr TextSetting kTakeoffTime{
    .name = "Times.Takeoff", .maxLength = kShortTextChars, .policy = WritePolicy::AtOnce};
inline constexpr TextSetting kLandingTime{
    .name = "Times.Landing", .maxLength = kShortTextChars, .policy = WritePolicy::AtOnce};
inline constexpr TextSetting kShutdownTime{
    .name = "Times.Shutdown", .maxLength = kShortTextChars, .policy = WritePolicy::AtOnce};
// The take-offs and landings with their places (FlightLegsStore), up to 99 legs of 160 characters.
inline constexpr TextSetting kFlightLegs{
    .name = "Times.Legs", .maxLength = 99 * 161, .policy = WritePolicy::AtOnce};
// The flight last put in the logbook: its start-up time and the logbook's number for it.
inline constexpr TextSetting kLoggedFlight{
    .name = "Times.Logged", .maxLength = kShortTextChars, .policy = WritePolicy::AtOnce};

// GPS sources: the kind chosen ("serial", "network", ...), each kind's device or address, and
// the source running at exit, started again at the next start.
inline constexpr TextSetting kGpsSource{.name = "GPSSource", .maxLength = kShortTextChars};
inline constexpr TextSetting kGpsDevice{.name = "GPSDevice", .maxLength = kPathChars};
inline constexpr TextSetting kGpsNetwork{.name = "GPSNetwork", .maxLength = kAddressChars};
inline constexpr TextSetting kGpsGpsd{.name = "GPSGpsd", .maxLength = kAddressChars};
inline constexpr TextSetting kGpsUdp{.name = "GPSUdp", .maxLength = kAddressChars};
inline constexpr TextSetting kGpsGdl90{.name = "GPSGdl90", .maxLength = kAddressChars};
inline constexpr TextSetting kGpsReplayFile{.name = "GPSReplayFile", .maxLength = kPathChars};
inline constexpr TextSetting kGpsRunning{.name = "GPSRunning",
                                         .maxLength = kPathChars + kShortTextChars};

} // namespace setting
