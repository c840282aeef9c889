#pragma once
// A GDL90 sender of the tests' own: frames clear messages (check sequence, byte stuffing, flags)
// and builds the messages the GPS source reads, so tests and the fuzz target's seeds do not
// depend on the reader they check.

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

// The frame of a clear message (message id and data).
QByteArray Gdl90TestFrame(QByteArrayView message);

// The fields of an Ownship Report, in the units they are sent in (by default a report over
// Salem, Oregon: 1000 ft, airborne with true track, NIC 10, NACp 9, 123 kt, 45 degrees).
struct Gdl90TestReport {
    double latitude = 44.90708;
    double longitude = -122.99488;
    unsigned altitude = 0x050; // (value x 25) - 1000 ft; 0xFFF unknown
    unsigned misc = 0x9;       // bit 3 airborne, bits 0-1 the kind of track
    unsigned nic = 10;
    unsigned nacp = 9;
    unsigned speed = 123;  // knots; 0xFFF unknown
    unsigned track = 0x20; // x 360/256 degrees
    uint8_t id = 10;       // 20 makes it a traffic report
};

QByteArray Gdl90TestOwnship(const Gdl90TestReport& report);
QByteArray Gdl90TestHeartbeat(bool gpsValid, uint32_t secondsOfDay, bool utcOk = true);
QByteArray Gdl90TestGeometricAltitude(int32_t feet);
