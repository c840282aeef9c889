#pragma once
// The inputs of a flight plan as the planning view holds them: the texts of its fields and the
// "Mag" check. The settings, the .fp files and the command line all carry these.

#include <QString>

struct PlanInputs {
    QString aircraft;      // the aircraft type's name
    QString tas;           // knots
    QString route;         // identifiers separated by spaces
    QString windDirection; // degrees, without the magnetic mark
    QString windSpeed;     // knots
    bool magnetic = false; // the wind direction is magnetic

    bool operator==(const PlanInputs&) const = default;
};

// The stored form of the wind direction: the text, preceded by "-" when it is magnetic.
QString StoredWindDirection(const PlanInputs& inputs);
// Takes a stored wind direction apart: a leading "-" is removed and sets `magnetic`.
void ApplyStoredWindDirection(const QString& stored, PlanInputs* inputs);
