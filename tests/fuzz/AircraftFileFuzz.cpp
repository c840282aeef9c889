// aircraft.db: a file that is read writes back as version 6 and reads back as the same fleet,
// whose image is then stable; a refused file says why. Every aircraft of the fleet is then
// loaded to its stations' maximum weights and full tanks and computed: the computation gives the
// same results twice and the limit check agrees with its four flags.

#include "FuzzSupport.h"

#include "core/common/settings/AppSettings.h"
#include "core/weight-balance/AircraftFileFormat.h"
#include "core/weight-balance/AircraftFileReader.h"
#include "core/weight-balance/AircraftFileWriter.h"
#include "core/weight-balance/LimitCheck.h"
#include "core/weight-balance/Loading.h"
#include "core/weight-balance/LoadingComputation.h"

#include <cstring>

namespace {

Loading FullLoading(const AircraftType& type) {
    Loading loading;
    for (int i = 0; i < type.stations.size(); ++i)
        loading.stationWeights[i] = type.stations[i].maxWeight;
    for (int i = 0; i < type.tanks.size(); ++i) {
        loading.tanks[i].rampQuantity = type.tanks[i].capacity;
        loading.tanks[i].burn = type.tanks[i].capacity / 2;
    }
    return loading;
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void CheckLoading(const AircraftFleet& fleet) {
    const AppSettings settings;
    for (const Aircraft& aircraft : fleet.aircraft) {
        for (const AircraftType& type : fleet.types) {
            if (type.id != aircraft.typeId)
                continue;
            const Loading loading = FullLoading(type);
            const ComputedLoading once = ComputeLoading(type, aircraft, loading, settings);
            const ComputedLoading twice = ComputeLoading(type, aircraft, loading, settings);
            FUZZ_CHECK(SameBits(once.results.rampWeight, twice.results.rampWeight));
            FUZZ_CHECK(SameBits(once.results.landingCg, twice.results.landingCg));
            FUZZ_CHECK(!once.limits.message.isEmpty());
            const PhaseLimits& p = once.limits.phases;
            if (once.limits.withinLimits)
                FUZZ_CHECK(p.ramp && p.zeroFuel && p.takeoff && p.landing);
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
