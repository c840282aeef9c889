#include "core/weight-balance/LoadingSession.h"

#include "core/weight-balance/FuelSelection.h"
#include "core/weight-balance/LoadingText.h"

LoadingSession::LoadingSession(const AircraftStore& store, const AppSettings& settings)
    : store_(store), settings_(settings) {}

Status LoadingSession::Start(const QString& savedText) {
    Status applied = ApplyText(savedText);
    if (!applied.ok() || !HasAircraft())
        FallBackToFirstType();
    return applied;
}

Status LoadingSession::ApplyText(const QString& text) {
    Outcome<std::optional<WorkingLoading>> applied = ApplyLoadingText(text, store_);
    if (!applied.ok())
        return applied.error();
    if (!applied.value())
        return {};
    WorkingLoading& working = *applied.value();
    type_ = std::move(working.type);
    aircraft_ = std::move(working.aircraft);
    loading_ = working.loading;
    Refresh();
    return {};
}

Status LoadingSession::ChooseType(int typeId) {
    const AircraftType* type = store_.FindAircraftType(typeId);
    if (!type)
        return {};
    const QList<Aircraft> aircraft = store_.AircraftOfType(typeId);
    if (aircraft.isEmpty() && !HasAircraft()) {
        type_ = *type;
        loading_ = Loading();
        Refresh();
        return {};
    }
    const QString ident = aircraft.isEmpty() ? aircraft_.ident : aircraft.first().ident;
    return ApplyText(WithLoadingAircraft(MakeText(), ident));
}

QVector<Message> LoadingSession::FleetChanged() {
    QVector<Message> notices;
    const QString text = MakeText();
    const QString ident = AircraftAfterFleetChange(&notices);
    if (ident.isEmpty()) {
        type_ = AircraftType();
        aircraft_ = Aircraft();
        loading_ = Loading();
        Refresh();
        return notices;
    }
    if (const Status applied = ApplyText(WithLoadingAircraft(text, ident)); !applied.ok())
        notices.append(applied.error());
    return notices;
}

QString LoadingSession::AircraftAfterFleetChange(QVector<Message>* notices) const {
    if (const Aircraft* aircraft = HasAircraft() ? store_.FindAircraft(aircraft_.id) : nullptr)
        return aircraft->ident; // perhaps renamed
    if (store_.FindAircraftType(type_.id)) {
        const QList<Aircraft> ofType = store_.AircraftOfType(type_.id);
        if (!ofType.isEmpty())
            return ofType.first().ident;
        notices->append({QString::fromLatin1(kNoAircraftOfTypeText), MessageIcon::Information});
    }
    if (!store_.AircraftList().isEmpty())
        return store_.AircraftList().first().ident;
    notices->append({QString::fromLatin1(kNoAircraftDefinedText), MessageIcon::Information});
    return {};
}

void LoadingSession::ChooseAircraft(int aircraftId) {
    const Aircraft* aircraft = store_.FindAircraft(aircraftId);
    if (!aircraft || aircraft->typeId != type_.id)
        return;
    aircraft_ = *aircraft;
    Compute();
}

void LoadingSession::SetFuelSelection(int selection) {
    ApplyFuelSelection(type_, loading_, selection);
    Compute();
}

void LoadingSession::SetStationWeight(int station, double weight) {
    if (station < 0 || station >= type_.stations.size())
        return;
    loading_.stationWeights[station] = weight;
    Compute();
}

void LoadingSession::SetTankLoad(int tank, double quantity) {
    if (tank < 0 || tank >= type_.tanks.size())
        return;
    loading_.tanks[tank].rampQuantity = quantity;
    Compute();
}

void LoadingSession::SetTankBurn(int tank, double quantity) {
    if (tank < 0 || tank >= type_.tanks.size())
        return;
    loading_.tanks[tank].burn = quantity;
    Compute();
}

void LoadingSession::Compute() {
    computed_ = HasAircraft() ? ComputeLoading(type_, aircraft_, loading_, settings_)
                              : ComputedLoading{LoadingResults(), LimitOutcome{true, {}, {}}};
}

QString LoadingSession::MakeText() const {
    return HasAircraft() ? MakeLoadingText(type_, aircraft_, loading_) : QString();
}

void LoadingSession::FallBackToFirstType() {
    type_ = store_.Types().isEmpty() ? AircraftType() : store_.Types().first();
    const QList<Aircraft> aircraft = store_.AircraftOfType(type_.id);
    aircraft_ = aircraft.isEmpty() ? Aircraft() : aircraft.first();
    loading_ = Loading();
    Refresh();
}

// The fuel selection decides the loads unless it is "Custom", as the fuel list shows it.
void LoadingSession::Refresh() {
    ApplyFuelSelection(type_, loading_, loading_.fuelSelection);
    Compute();
}
