// Loading text (weight.txt, .wb files, read as 8-bit text) applied to a fleet with a fixed-wing
// and a rotary type. A loading that applies writes a text that applies again; after the first
// write (which rounds to the tenth) text and loading no longer change. Carried over to another
// aircraft of the same type, a text of CR LF lines keeps its weights and fuel; the
// computation of every loading is repeatable.

#include "FuzzSupport.h"

#include "core/weight-balance/TestFleets.h"

#include "core/common/AppSettings.h"
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

// The working fields a loading text carries.
bool SameLoading(const AircraftType& a, const AircraftType& b) {
    if (a.fuelSelection != b.fuelSelection || a.stationCount != b.stationCount ||
        a.tankCount != b.tankCount)
        return false;
    for (int i = 0; i < a.stationCount; ++i) {
        if (a.stations[i].weight != b.stations[i].weight)
            return false;
    }
    for (int i = 0; i < a.tankCount; ++i) {
        if (a.tanks[i].rampQuantity != b.tanks[i].rampQuantity ||
            a.tanks[i].burn != b.tanks[i].burn)
            return false;
    }
    return true;
}

// True when every line ends in CR LF, the last one included. Values are read from a key at the
// start of a line up to a CR, while carrying over replaces whole CR LF lines and ends the last
// one: with a bare CR or LF, or a last line without its end (which loads nothing), a carried-over
// text can load differently (see tests/fuzz/pending/loading_text).
bool PlainLines(const QString& text) {
    const qsizetype lineEnds = text.count(QStringLiteral("\r\n"));
    return text.count(QLatin1Char('\r')) == lineEnds && text.count(QLatin1Char('\n')) == lineEnds &&
           text.endsWith(QStringLiteral("\r\n"));
}

void CheckCarriedOver(const QString& text, const WorkingLoading& loading) {
    if (!PlainLines(text))
        return;
    for (const Aircraft& other : Store().AircraftOfType(loading.aircraft.typeId)) {
        const WorkingLoading carried = Apply(WithLoadingAircraft(text, other.ident));
        FUZZ_CHECK(carried.aircraft == other);
        FUZZ_CHECK(SameLoading(carried.type, loading.type));
    }
}

void CheckComputation(const WorkingLoading& loading) {
    const AppSettings settings;
    AircraftType once = loading.type;
    ComputeLoading(once, loading.aircraft, settings);
    AircraftType twice = once;
    ComputeLoading(twice, loading.aircraft, settings);
    FUZZ_CHECK(std::memcmp(&once.results.rampCg, &twice.results.rampCg, sizeof(double)) == 0);
    FUZZ_CHECK(std::memcmp(&once.results.takeoffWeight, &twice.results.takeoffWeight,
                           sizeof(double)) == 0);
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

    const QString written = MakeLoadingText(first.type, first.aircraft);
    const WorkingLoading second = Apply(written);
    FUZZ_CHECK(second.aircraft == first.aircraft);
    FUZZ_CHECK(second.type.fuelSelection == first.type.fuelSelection);
    const QString rewritten = MakeLoadingText(second.type, second.aircraft);
    const WorkingLoading third = Apply(rewritten);
    FUZZ_CHECK(SameLoading(third.type, second.type));
    FUZZ_CHECK(MakeLoadingText(third.type, third.aircraft) == rewritten);
    return 0;
}
