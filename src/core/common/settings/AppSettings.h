#pragma once
// The global preferences the application holds in memory, with their stored names and defaults,
// and the shared results that live for one run of the program.

#include "core/common/settings/SettingsSchema.h"

#include <QString>

#include <cstdint>

class SettingsStore;

inline constexpr int kDefaultViewId = setting::kView.defaultValue;

struct AppSettings {
    double jetDensity = 7.0;    // Jet A, pounds per gallon or kilos per litre (kilosPerLitre)
    double avgasDensity = 6.01; // AvGas, same unit
    bool metric = false;        // "Preferences" bit 0: airport directory lengths in metres
    bool secondsFormat = false; // bit 1: latitude/longitude as DD:MM:SS
    bool kilosPerLitre = false; // bit 2: unit of the two densities
    int32_t timeZoneOffset = 0; // custom offset of local time in minutes; 0 = device zone
    uint32_t graphOptions = 0xFFFFFFFFu;
    uint32_t takeoffGroundSpeed = 0; // "TakeoffGS"; 0 disables automatic recording
    uint32_t gpsPort = 0;
    uint32_t viewId = kDefaultViewId; // as stored; the application maps unknown values

    // The "Preferences" bit word.
    int PreferenceBits() const;
    void SetPreferenceBits(int bits);
};

// Reads the densities ("JetWeight", "AvGasWeight": a non-empty text replaces the default by its
// number) and "TimeZone", "TakeoffGS", "GPSPort", "Preferences", "GraphOptions", "View".
AppSettings ReadAppSettings(const SettingsStore& store);

// Writes the preferences the Preferences dialog edits, in this order: "JetWeight" and
// "AvGasWeight" as "%.2f", "Preferences", "TimeZone" (written behind, as one write).
void SavePreferences(SettingsStore& store, const AppSettings& settings);

// The last distance and true track of the Distance & Track dialog (0 = none).
struct DistanceTrack {
    double distance = 0.0;
    double track = 0.0;
};

// What the application object holds for the whole run besides the document.
struct AppState {
    AppSettings settings;
    double lastCalcResult = 0.0; // last numeric result of the Calc and Convert dialogs; 0 = none
    DistanceTrack lastDistanceTrack;
};
