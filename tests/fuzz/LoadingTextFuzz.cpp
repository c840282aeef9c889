// Loading text (weight.txt, .wb files, read as 8-bit text) applied to a fleet with a fixed-wing
// and a rotary type. A loading that applies writes a text that applies again; after the first
// write (which rounds to the tenth) text and loading no longer change. Carried over to another
// aircraft of the same type, a text of CR LF lines keeps its weights and fuel; the
// computation of every loading is repeatable.

#include "FuzzSupport.h"

#include "core/weight-balance/TestFleets.h"

#include "core/common/settings/AppSettings.h"
#include "core/weight-balance/AircraftFileWriter.h"
#include "core/weight-balance/AircraftStore.h"
#include "core/weight-balance/LoadingComputation.h"
#include "core/weight-balance/LoadingText.h"

#include <QDir>

#include <cstring>

namespace {

const AircraftStore& Store() {
    static const AircraftStore* store = [] {
        const QString folder = FuzzFolder() + QStringLiteral("fleet");
        QDir().mkpath(folder);
        WriteFuzzFile(QStringLiteral("fleet/aircraft.db"), AircraftFileWriter::Write(RichFleet()));
        auto* made = new AircraftStore(folder, folder);
        FUZZ_CHECK(made->LoadAircraftFile().ok());
        FUZZ_CHECK(made->Fleet() == RichFleet());
        return made;
    }();
    return *store;
}

WorkingLoading Apply(const QString& text) {
    const Outcome<std::optional<WorkingLoading>> applied = ApplyLoadingText(text, Store());
    FUZZ_CHECK(applied.ok() && applied->has_value());
    return *applied.value();
}

// Carried over to another aircraft of the type, a text loads the same, whatever its line ends.
void CheckCarriedOver(const QString& text, const WorkingLoading& loading) {
    for (const Aircraft& other : Store().AircraftOfType(loading.aircraft.typeId)) {
        const WorkingLoading carried = Apply(WithLoadingAircraft(text, other.ident));
        FUZZ_CHECK(carried.aircraft == other);
        FUZZ_CHECK(carried.loading == loading.loading);
    }
}

void CheckComputation(const WorkingLoading& w) {
    const AppSettings settings;
    const ComputedLoading once = ComputeLoading(w.type, w.aircraft, w.loading, settings);
    const ComputedLoading twice = ComputeLoading(w.type, w.aircraft, w.loading, settings);
    FUZZ_CHECK(std::memcmp(&once.results.rampCg, &twice.results.rampCg, sizeof(double)) == 0);
    FUZZ_CHECK(std::memcmp(&once.results.takeoffWeight, &twice.results.takeoffWeight,
                           sizeof(double)) == 0);
    FUZZ_CHECK(once.limits == twice.limits);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromLatin1(FuzzBytes(data, size));
    const Outcome<std::optional<WorkingLoading>> applied = ApplyLoadingText(text, Store());
    if (!applied) {
        FUZZ_CHECK(applied.error().text.startsWith(QStringLiteral("Unknown aircraft.\n")) ||
                   applied.error().text == QStringLiteral("Invalid aircraft type."));
        return 0;
    }
    if (!applied->has_value())
        return 0;
    const WorkingLoading& first = *applied.value();
    CheckCarriedOver(text, first);
    CheckComputation(first);

    const QString written = MakeLoadingText(first.type, first.aircraft, first.loading);
    const WorkingLoading second = Apply(written);
    FUZZ_CHECK(second.aircraft == first.aircraft);
    FUZZ_CHECK(second.loading.fuelSelection == first.loading.fuelSelection);
    const QString rewritten = MakeLoadingText(second.type, second.aircraft, second.loading);
    const WorkingLoading third = Apply(rewritten);
    FUZZ_CHECK(third.loading == second.loading);
    FUZZ_CHECK(MakeLoadingText(third.type, third.aircraft, third.loading) == rewritten);
    return 0;
}
