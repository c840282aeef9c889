#pragma once
// One airframe of an aircraft type, told apart by its ident (registration).

#include <QString>

struct Aircraft {
    int id = 0;     // unique, never reused; 0 = no aircraft
    int typeId = 0; // the AircraftType it belongs to
    QString ident;  // at most 15 characters (the editor allows 8)
    double emptyWeight = 0.0;
    double emptyArm = 0.0;
    double emptyLateralArm = 0.0;

    bool operator==(const Aircraft&) const = default;
};
