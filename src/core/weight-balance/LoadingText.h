#pragma once
// The loading text of weight.txt and .wb files: the aircraft, the station weights, the fuel
// selection and each tank's load and burn, as "key=value" lines ending in CR LF.

#include "core/common/Outcome.h"
#include "core/weight-balance/Aircraft.h"
#include "core/weight-balance/AircraftStore.h"
#include "core/weight-balance/AircraftType.h"
#include "core/weight-balance/Loading.h"

#include <QString>

#include <optional>

// A copy of a type, the aircraft it is loaded on, and the loading.
struct WorkingLoading {
    AircraftType type;
    Aircraft aircraft;
    Loading loading;
};

// The text of a loading. Stations with weight 0 are left out.
QString MakeLoadingText(const AircraftType& type, const Aircraft& aircraft, const Loading& loading);

// The loading the text describes, on a copy of the named aircraft's type from the store:
// station weights by name (0 when missing), the fuel selection by name, and tank loads and burns
// where the tank's value holds a comma (else 0). Keys are matched at the start of a line. Nothing
// when the text names no aircraft; fails with "Unknown aircraft.\n" and the ident, or "Invalid
// aircraft type.", when the store has no such aircraft or no type for it.
Outcome<std::optional<WorkingLoading>> ApplyLoadingText(const QString& text,
                                                        const AircraftFleet& fleet);
inline Outcome<std::optional<WorkingLoading>> ApplyLoadingText(const QString& text,
                                                               const AircraftStore& store) {
    return ApplyLoadingText(text, store.Fleet());
}

// The text naming `ident` as its aircraft, used to carry a loading over to another aircraft or
// type. Only the aircraft value the reader takes is replaced (or a line naming `ident` is put
// first when there is none), so every other key reads exactly as before, whatever the line ends.
QString WithLoadingAircraft(const QString& text, const QString& ident);
