#pragma once
// One seat or baggage area of an aircraft type. The weight and the two moments are working
// fields of the current loading and are never stored in aircraft.db.

#include <QString>

struct Station {
    QString name;           // at most 15 characters
    double weight = 0.0;    // working: the load placed here
    double maxWeight = 0.0; // 0 = no maximum
    double arm = 0.0;       // never 0 for a stored station
    double moment = 0.0;    // working: weight x arm
    double lateralOffset = 0.0;
    double lateralMoment = 0.0; // working: weight x lateral offset

    bool operator==(const Station&) const = default;
};
