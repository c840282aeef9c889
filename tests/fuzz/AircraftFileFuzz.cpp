// aircraft.db: a file that is read writes back as version 6 and reads back as the same fleet,
// whose image is then stable; a refused file says why. Every aircraft of the fleet is then
// loaded to its stations' maximum weights and full tanks and computed: the computation gives the
// same results twice and the limit check agrees with its four flags.

#include "FuzzSupport.h"

#include "core/common/AppSettings.h"
#include "core/weight-balance/AircraftFileFormat.h"
#include "core/weight-balance/AircraftFileReader.h"
#include "core/weight-balance/AircraftFileWriter.h"
#include "core/weight-balance/LimitCheck.h"
#include "core/weight-balance/LoadingComputation.h"

#include <cstring>

namespace {

void LoadFully(AircraftType& type) {
    for (int i = 0; i < type.stationCount; ++i)
        type.stations[i].weight = type.stations[i].maxWeight;
    for (int i = 0; i < type.tankCount; ++i) {
        type.tanks[i].rampQuantity = type.tanks[i].capacity;
        type.tanks[i].burn = type.tanks[i].capacity / 2;
    }
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void CheckLoading(const AircraftFleet& fleet) {
    const AppSettings settings;
    for (const Aircraft& aircraft : fleet.aircraft) {
        for (const AircraftType& stored : fleet.types) {
            if (stored.id != aircraft.typeId)
                continue;
            AircraftType type = stored;
            LoadFully(type);
            ComputeLoading(type, aircraft, settings);
            AircraftType again = type;
            ComputeLoading(again, aircraft, settings);
            FUZZ_CHECK(SameBits(again.results.rampWeight, type.results.rampWeight));
            FUZZ_CHECK(SameBits(again.results.landingCg, type.results.landingCg));
            QString message;
            const bool within = CheckLimits(type, message);
            const LoadingResults& r = type.results;
            FUZZ_CHECK(!message.isEmpty());
            if (within) {
                FUZZ_CHECK(r.rampWithinLimits && r.zeroFuelWithinLimits && r.takeoffWithinLimits &&
                           r.landingWithinLimits);
            }
            break;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Outcome<AircraftFileContents> read = AircraftFileReader::Read(FuzzBytes(data, size));
    if (!read) {
        FUZZ_CHECK(read.error().text == AircraftFileReader::DamagedText() ||
                   read.error().text == AircraftFileReader::InvalidVersionText());
        return 0;
    }
    const AircraftFleet& fleet = read->fleet;
    FUZZ_CHECK(fleet.nextTypeId >= 1 && fleet.nextAircraftId >= 1);
    const QByteArray image = AircraftFileWriter::Write(fleet);
    const Outcome<AircraftFileContents> back = AircraftFileReader::Read(image);
    FUZZ_CHECK(back.ok());
    FUZZ_CHECK(back->version == kAircraftFileVersion);
    FUZZ_CHECK(back->fleet == fleet);
    FUZZ_CHECK(AircraftFileWriter::Write(back->fleet) == image);
    CheckLoading(fleet);
    return 0;
}
