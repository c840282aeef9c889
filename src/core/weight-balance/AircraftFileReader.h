#pragma once
// Reads aircraft.db (versions 5 and 6) from a whole-file image. The input is treated as hostile:
// every count, text length and number is checked before use, and a file that breaks any rule is
// refused as a whole, so a fleet is either read completely or not at all.

#include "core/common/Outcome.h"
#include "core/common/io/ByteReader.h"
#include "core/weight-balance/AircraftFleet.h"

struct AircraftFileContents {
    int version = 0; // 5 or 6, as read
    AircraftFleet fleet;
};

class AircraftFileReader {
public:
    // The fleet of the image. Fails (stop icon) with InvalidVersionText() for a version other
    // than 5 or 6, and with DamagedText() for a file that ends early, holds a count or text
    // beyond its limit, or a stored value that is no finite number.
    static Outcome<AircraftFileContents> Read(const QByteArray& bytes);

    static QString InvalidVersionText();
    static QString DamagedText();

private:
    explicit AircraftFileReader(const QByteArray& bytes) : in_(bytes) {}

    bool ReadFleet(AircraftFleet& fleet);
    bool ReadType(AircraftType& type);
    void ReadEnvelopes(AircraftType& type);
    void ReadStations(AircraftType& type);
    void ReadStation(Station& station, bool rotary);
    void ReadTanks(AircraftType& type);
    void ReadTank(FuelTank& tank, bool rotary);
    void ReadFuelQuantities(AircraftType& type);
    bool ReadAircraft(Aircraft& aircraft);
    QString ReadName();
    int ReadCount(int limit);
    double ReadNumber();

    ByteReader in_;
    int version_ = 0;
};
