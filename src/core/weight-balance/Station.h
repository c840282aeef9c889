#pragma once
// One seat or baggage area of an aircraft type, as stored. The load placed here belongs to the
// current Loading, its moments to the LoadingResults.

#include <QString>

struct Station {
    QString name;           // at most 15 characters
    double maxWeight = 0.0; // 0 = no maximum
    double arm = 0.0;       // never 0 for a stored station
    double lateralOffset = 0.0;

    bool operator==(const Station&) const = default;
};
