#pragma once
// The GPS dialog's stored settings: "TakeoffGS" (knots; 0 = no automatic takeoff and landing)
// and "GPSPort" (the chosen port's number), both stored when the dialog closes with OK and kept
// in the application's settings for the one-second tick.

#include <QString>

#include <cstdint>

struct AppSettings;
class SettingsStore;

// "%u" of the threshold, as the dialog's edit shows it.
QString TakeoffSpeedText(const AppSettings& settings);

// Takes the edit's text as a whole number (no number or a negative one reads as 0) and the port
// number, stores both and updates the settings.
void SaveGpsSettings(SettingsStore& store, AppSettings& settings, const QString& takeoffText,
                     uint32_t portNumber);
