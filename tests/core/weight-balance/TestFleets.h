#pragma once
// Fleets and file images for the weight and balance tests.

#include "core/weight-balance/AircraftFleet.h"

#include <QByteArray>
#include <QString>

#include <ostream>

// The default fleet plus a rotary type with a lateral envelope, an arm table and fuel
// quantities, and two aircraft of that type.
AircraftFleet RichFleet();

// The fleet as a version 5 file image (names as 16 UTF-16 units, whole station and aircraft
// records).
QByteArray Version5Image(const AircraftFleet& fleet);

// The default fleet's first type (the C172) and first aircraft.
AircraftType C172();
Aircraft N123A();

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
