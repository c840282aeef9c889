#pragma once
// Keeps the recorded flight times in the settings, so that a crash or a restart during a flight
// loses nothing: each event is stored as "Times.Startup", "Times.Takeoff", "Times.Landing" and
// "Times.Shutdown", an ISO 8601 UTC text ("2026-03-20T10:05:00.000Z"); a value that is missing or
// does not read as a time counts as not recorded.

#include "core/times/FlightTimes.h"

#include <optional>

class SettingsStore;

// Writes all four events (an unrecorded one is removed), on the disk at once in one write of the
// settings file. Called after every record and reset.
void SaveFlightTimes(SettingsStore& store, const FlightTimes& times);

// The stored events; a damaged value leaves its event unrecorded.
FlightTimes LoadFlightTimes(const SettingsStore& store);

// One stored time: the ISO 8601 UTC text with milliseconds, and back. Reading takes only a UTC
// stamp of a year from 1601 to 9999 of at most 64 characters; nothing otherwise.
QString StoredUtcText(const SystemTime& utc);
std::optional<SystemTime> ParseStoredUtc(const QString& text);
