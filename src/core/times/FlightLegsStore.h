#pragma once
// Keeps the flight's legs in the settings beside the recorded times ("Times.Legs"), so that a
// restart during a flight keeps the places of its take-offs and landings. The text holds one
// leg a field, separated by ";": take-off time, latitude, longitude, landing time, latitude,
// longitude, separated by "," (times in ISO 8601 UTC, positions in degrees with latitude
// positive north and longitude positive west; an unknown item is empty). A value that does not
// read back whole counts as no legs: the logbook then takes the recorded times without places.

#include "core/times/FlightLegs.h"

#include <QString>

class SettingsStore;

QString FlightLegsText(const FlightLegs& legs);
// Nothing when the text is not a list of legs this program wrote.
std::optional<std::vector<FlightLeg>> ParseFlightLegsText(const QString& text);

// Writes the legs (removes the value when there are none).
void SaveFlightLegs(SettingsStore& store, const FlightLegs& legs);
FlightLegs LoadFlightLegs(const SettingsStore& store);
