#include "core/weight-balance/ChosenAircraft.h"

#include "core/common/settings/AppSettings.h"
#include "core/weight-balance/LoadingFile.h"
#include "core/weight-balance/LoadingSession.h"

ChosenAircraftNames ChosenAircraft(const AircraftStore& store, const QString& loadingText) {
    // The view's own start: the named aircraft, or its fallback when the text names none.
    const AppSettings settings;
    LoadingSession session(store, settings);
    (void)session.Start(loadingText); // a refused text means the fallback, nothing to tell here
    if (!session.HasAircraft())
        return {};
    return {session.CurrentAircraft().ident, session.Type().name};
}

ChosenAircraftNames ChosenAircraft(const AircraftStore& store) {
    const Outcome<QString> text = ReadLoadingFile(WeightFilePath());
    return ChosenAircraft(store, text.ok() ? text.value() : QString());
}
