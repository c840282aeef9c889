#pragma once
// The working state of the weight and balance view: copies of one aircraft type and one aircraft
// from the store, the pilot's loading and its computed outcome, with the view's operations
// (start from the saved text, apply a loading text, choose a type or an aircraft, change the
// fuel selection or a value). Every operation leaves the outcome computed for the new state.
//
// The store is borrowed (the document owns it) and never changed here. An aircraft id of 0 is
// the state "no aircraft": nothing is computed and the outcome is empty.

#include "core/common/Outcome.h"
#include "core/common/settings/AppSettings.h"
#include "core/weight-balance/AircraftStore.h"
#include "core/weight-balance/LoadingComputation.h"

#include <QString>
#include <QVector>

inline constexpr const char* kNoAircraftOfTypeText = "No aircraft defined for selected type.";
inline constexpr const char* kNoAircraftDefinedText = "Error, there are no aircraft defined.";

class LoadingSession {
public:
    // The settings (fuel densities) are read at each computation; both must outlive the session.
    LoadingSession(const AircraftStore& store, const AppSettings& settings);

    // Applies the saved text; when it names no aircraft or fails, falls back to the first type
    // and its first aircraft with every weight 0. Returns the failure to show, if any.
    Status Start(const QString& savedText);
    // Applies a loading text (weight.txt, a .wb file): the named aircraft, its type and the
    // loading by name. A text without an aircraft changes nothing; an unknown aircraft fails with
    // "Unknown aircraft.\n" and the ident, one without its type with "Invalid aircraft type.",
    // and nothing changes.
    Status ApplyText(const QString& text);
    // The loading carried over to another type: stations, fuel selection and tanks by name, on
    // the type's first aircraft (or, when it has none, the current aircraft and so its type).
    Status ChooseType(int typeId);
    // After the fleet was edited: the current aircraft (by id, perhaps renamed) with its type as
    // the store now has them; when it is gone, the first aircraft of the current type, else the
    // store's first aircraft. The loading text of the state before goes on the aircraft taken,
    // so the weights carry over by name. Returns the messages to show: kNoAircraftOfTypeText
    // when the current type has no aircraft left, kNoAircraftDefinedText when the store has
    // none (the type and aircraft are cleared then).
    QVector<Message> FleetChanged();
    // Another aircraft of the current type; an unknown id changes nothing.
    void ChooseAircraft(int aircraftId);
    // Sets the fuel selection (see FuelSelection.h) and, unless "Custom", the tank loads.
    void SetFuelSelection(int selection);
    void SetStationWeight(int station, double weight);
    void SetTankLoad(int tank, double quantity);
    void SetTankBurn(int tank, double quantity);
    // Recomputes (after the settings changed).
    void Compute();

    // The loading text of the current state ("" without an aircraft).
    QString MakeText() const;

    bool HasAircraft() const { return aircraft_.id != 0; }
    const AircraftType& Type() const { return type_; }
    const Aircraft& CurrentAircraft() const { return aircraft_; }
    const Loading& CurrentLoading() const { return loading_; }
    const ComputedLoading& Computed() const { return computed_; }

private:
    void FallBackToFirstType();
    // The ident of the aircraft to take after a fleet change ("" for none), noting why it is
    // not the current one where the user must be told.
    QString AircraftAfterFleetChange(QVector<Message>* notices) const;
    void Refresh();

    const AircraftStore& store_;
    const AppSettings& settings_;
    AircraftType type_;
    Aircraft aircraft_;
    Loading loading_;
    ComputedLoading computed_;
};
