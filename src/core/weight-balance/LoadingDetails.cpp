#include "core/weight-balance/LoadingDetails.h"

#include "core/common/text/Format.h"
#include "core/weight-balance/LimitCheck.h"

namespace {

const QString kSeparator = QStringLiteral("------");

class DetailsBuilder {
public:
    explicit DetailsBuilder(const AircraftType& type)
        : type_(type), mac_(type.macLeadingEdge != 0.0) {
        details_.columns = {{QStringLiteral("Position"), 75},
                            {QStringLiteral("Weight"), 50},
                            {QStringLiteral("ARM"), 50}};
        if (mac_)
            details_.columns.append({QStringLiteral("%MAC"), 50});
        details_.columns.append({QStringLiteral("ARM Limit"), 70});
    }

    void Row(const QString& name, double weight, double arm) {
        Add({name, FormatText("%.0f", weight), FormatText("%.1f", arm)});
    }

    // A phase total with its CG limits; % MAC where the column exists and `withMac` is set.
    void Phase(const QString& name, double weight, double cg, double mac, bool withMac) {
        const CgLimits limits = CgLimitsAtWeight(type_, weight);
        QStringList cells{name, FormatText("%.0f", weight), FormatText("%.1f", cg)};
        if (mac_)
            cells.append(withMac ? FormatText("%.0f%%", mac) : QString());
        cells.append(FormatText("%.1f-%.1f", limits.forward, limits.aft));
        Add(cells);
    }

    void WeightOnly(const QString& name, double weight) { Add({name, FormatText("%.0f", weight)}); }

    void Separator() {
        QStringList cells{QString(), kSeparator, kSeparator};
        if (!mac_)
            cells.append(kSeparator);
        Add(cells);
    }

    // A row of cells; missing ones at the end are empty.
    void Add(QStringList cells) {
        while (cells.size() < details_.columns.size())
            cells.append(QString());
        details_.rows.append(cells);
    }

    LoadingDetails Take() { return std::move(details_); }

private:
    const AircraftType& type_;
    const bool mac_;
    LoadingDetails details_;
};

} // namespace

LoadingDetails MakeLoadingDetails(const AircraftType& type, const Aircraft& aircraft,
                                  const Loading& loading, const LoadingResults& r) {
    DetailsBuilder b(type);
    b.Row(QStringLiteral("Aircraft"), aircraft.emptyWeight, aircraft.emptyArm);
    for (int i = 0; i < type.stations.size(); ++i)
        b.Row(type.stations[i].name, loading.stationWeights[i], type.stations[i].arm);
    b.Row(QStringLiteral("Zero fuel"), r.zeroFuelWeight, r.zeroFuelCg);
    b.Separator();
    for (int i = 0; i < type.tanks.size() && i < r.tanks.size(); ++i)
        b.Row(type.tanks[i].name, r.tanks[i].ramp.fuelWeight, r.tanks[i].ramp.arm);
    b.Phase(QStringLiteral("Ramp"), r.rampWeight, r.rampCg, r.rampMac, false);
    b.Separator();
    // The fuel used for start-up, taxi and take-off: ramp fuel less take-off fuel.
    b.WeightOnly(QStringLiteral("Startup"), r.rampWeight - r.takeoffWeight);
    for (int i = 0; i < type.tanks.size() && i < r.tanks.size(); ++i)
        b.Row(type.tanks[i].name, r.tanks[i].takeoff.fuelWeight, r.tanks[i].takeoff.arm);
    b.Phase(QStringLiteral("Takeoff"), r.takeoffWeight, r.takeoffCg, r.takeoffMac, true);
    b.Separator();
    b.Add({QStringLiteral("Remaing fuel")});
    for (int i = 0; i < type.tanks.size() && i < r.tanks.size(); ++i)
        b.Row(type.tanks[i].name, r.tanks[i].landing.fuelWeight, r.tanks[i].landing.arm);
    b.Phase(QStringLiteral("Landing"), r.landingWeight, r.landingCg, r.landingMac, true);
    return b.Take();
}
