#pragma once
// Builds the version 6 image of aircraft.db. Lateral fields are written only for rotary types;
// names are cut to the 15 characters a record holds, and counts are kept within their arrays,
// so that everything written can be read back.

#include "core/common/io/ByteWriter.h"
#include "core/weight-balance/AircraftFleet.h"

class AircraftFileWriter {
public:
    static QByteArray Write(const AircraftFleet& fleet);

private:
    void WriteType(const AircraftType& type);
    void WriteStations(const AircraftType& type);
    void WriteTanks(const AircraftType& type);
    void WriteFuelQuantities(const AircraftType& type);
    void WriteAircraft(const Aircraft& aircraft);
    void WriteName(const QString& name);
    void Number(double value);

    ByteWriter out_;
};
