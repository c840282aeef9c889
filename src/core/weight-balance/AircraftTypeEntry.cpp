#include "core/weight-balance/AircraftTypeEntry.h"

#include "core/common/text/Format.h"
#include "core/weight-balance/AircraftStore.h"
#include "core/weight-balance/EntryField.h"

namespace {

using Envelope = BoundedList<EnvelopePoint, AircraftType::kMaxEnvelopePoints>;

QString ArmCellText(double arm) {
    return arm == 0.0 ? QString() : FormatText("%3.1f", arm);
}

TypeEntryFailure Failure(int page, const QString& text) {
    return {page, Message{text, MessageIcon::Information}};
}

std::optional<TypeEntryFailure> ReadInfo(const AircraftTypeEntry& e, const QString& nameAtOpening,
                                         const AircraftStore& store, AircraftType& t) {
    t.name = e.name.left(AircraftTypeEntry::kMaxNameLength);
    if (t.name.isEmpty())
        return Failure(kInfoPage,
                       QStringLiteral("You must specify a name for this aircraft type."));
    if (t.name != nameAtOpening && store.FindAircraftTypeByName(t.name))
        return Failure(kInfoPage,
                       QStringLiteral("An aircraft type with this name already exists."));
    return std::nullopt;
}

std::optional<TypeEntryFailure> ReadWeights(const AircraftTypeEntry& e,
                                            const AircraftTypeEntry& shown, AircraftType& t) {
    t.maxRampWeight = ReadEntryNumber(e.ramp, shown.ramp, t.maxRampWeight);
    t.maxZeroFuelWeight = ReadEntryNumber(e.zeroFuel, shown.zeroFuel, t.maxZeroFuelWeight);
    t.maxTakeoffWeight = ReadEntryNumber(e.takeoff, shown.takeoff, t.maxTakeoffWeight);
    t.maxLandingWeight = ReadEntryNumber(e.landing, shown.landing, t.maxLandingWeight);
    if (t.maxRampWeight == 0.0)
        return Failure(kWeightsPage,
                       QStringLiteral("Please enter a maximum weight for the aircraft."));
    if (t.maxTakeoffWeight == 0.0)
        t.maxTakeoffWeight = t.maxRampWeight;
    if (t.maxLandingWeight == 0.0)
        t.maxLandingWeight = t.maxRampWeight;
    t.flags.Set(TypeFlags::WeightInKilograms, e.kilograms);
    t.flags.Set(TypeFlags::ArmInCentimetres, e.centimetres);
    return std::nullopt;
}

void ReadMac(const AircraftTypeEntry& e, const AircraftTypeEntry& shown, AircraftType& t) {
    if (!e.calculateMac) {
        t.macLeadingEdge = 0.0;
        t.macLength = 0.0;
        return;
    }
    t.macLeadingEdge = ReadEntryNumber(e.leadingEdge, shown.leadingEdge, t.macLeadingEdge);
    t.macLength = ReadEntryNumber(e.macLength, shown.macLength, t.macLength);
}

std::optional<TypeEntryFailure> ReadStations(const AircraftTypeEntry& e,
                                             const AircraftTypeEntry& shown, AircraftType& t) {
    const auto old = t.stations;
    t.stations.clear();
    for (int i = 0; i < e.stations.size() && !t.stations.full(); ++i) {
        const StationRowText& row = e.stations[i];
        if (row.name.isEmpty())
            break;
        Station s = i < old.size() ? old[i] : Station{};
        const StationRowText was = i < shown.stations.size() ? shown.stations[i] : StationRowText{};
        s.name = row.name.left(AircraftType::kMaxNameLength);
        s.arm = ReadEntryNumber(row.arm, was.arm, s.arm);
        s.maxWeight = ReadEntryWhole(row.maxWeight, was.maxWeight, s.maxWeight);
        if (s.arm == 0.0)
            return Failure(kStationsPage, FormatText("Error:\nNo Arm for station %u.",
                                                     static_cast<unsigned>(i + 1)));
        t.stations.append(s);
    }
    return std::nullopt;
}

void ReadFuelKind(const AircraftTypeEntry& e, AircraftType& t) {
    SetFuelUnitsChoice(t.flags, e.fuelUnits);
    t.flags.Set(TypeFlags::JetFuel, e.jetFuel);
}

void ReadStartupAndPerformance(const AircraftTypeEntry& e, const AircraftTypeEntry& shown,
                               AircraftType& t) {
    for (int i = 0; i < t.tanks.size() && i < e.startup.size(); ++i) {
        const QString was = i < shown.startup.size() ? shown.startup[i] : QString();
        t.tanks[i].startupQuantity = ReadEntryNumber(e.startup[i], was, t.tanks[i].startupQuantity);
    }
    t.trueAirspeed = ReadEntryNumber(e.trueAirspeed, shown.trueAirspeed, t.trueAirspeed);
    t.fuelBurn = ReadEntryNumber(e.fuelBurn, shown.fuelBurn, t.fuelBurn);
}

} // namespace

AircraftTypeEntry AircraftTypeEntryFrom(const AircraftType& t) {
    AircraftTypeEntry e;
    e.name = t.name;
    e.kilograms = t.flags.Has(TypeFlags::WeightInKilograms);
    e.centimetres = t.flags.Has(TypeFlags::ArmInCentimetres);
    e.ramp = EntryCellText(t.maxRampWeight);
    e.zeroFuel = EntryCellText(t.maxZeroFuelWeight);
    e.takeoff = EntryCellText(t.maxTakeoffWeight);
    e.landing = EntryCellText(t.maxLandingWeight);
    for (int i = 0; i < AircraftType::kMaxEnvelopePoints; ++i) {
        const EnvelopePoint p = i < t.envelope.size() ? t.envelope[i] : EnvelopePoint{};
        e.envelope.append(p.weight == 0.0
                              ? EnvelopeRowText{}
                              : EnvelopeRowText{EntryCellText(p.weight), ArmCellText(p.arm)});
    }
    e.calculateMac = t.macLeadingEdge != 0.0;
    e.leadingEdge = EntryCellText(t.macLeadingEdge);
    e.macLength = EntryCellText(t.macLength);
    for (int i = 0; i < AircraftType::kMaxStations; ++i) {
        const Station s = i < t.stations.size() ? t.stations[i] : Station{};
        e.stations.append(
            s.arm == 0.0 ? StationRowText{}
                         : StationRowText{s.name, ArmCellText(s.arm), EntryCellText(s.maxWeight)});
    }
    e.fuelUnits = FuelUnitsChoice(t.flags);
    e.jetFuel = t.flags.Has(TypeFlags::JetFuel);
    for (const FuelTank& tank : t.tanks)
        e.startup.append(FormatText("%.1f", tank.startupQuantity));
    e.trueAirspeed = EntryCellText(t.trueAirspeed);
    e.fuelBurn = EntryCellText(t.fuelBurn);
    return e;
}

Outcome<Envelope> ReadEnvelopeRows(const QList<EnvelopeRowText>& rows, const AircraftType& type) {
    const AircraftTypeEntry shown = AircraftTypeEntryFrom(type);
    Envelope envelope;
    for (int i = 0; i < rows.size() && !envelope.full(); ++i) {
        const EnvelopeRowText& row = rows[i];
        if (row.weight.isEmpty() && row.arm.isEmpty())
            break;
        const EnvelopePoint old = i < type.envelope.size() ? type.envelope[i] : EnvelopePoint{};
        const EnvelopeRowText was =
            i < shown.envelope.size() ? shown.envelope[i] : EnvelopeRowText{};
        EnvelopePoint p;
        p.weight = ReadEntryWhole(row.weight, was.weight, old.weight);
        p.arm = ReadEntryNumber(row.arm, was.arm, old.arm);
        if (p.weight == 0.0)
            return Outcome<Envelope>::Fail(
                FormatText("Please enter a weight for lcation %u.", static_cast<unsigned>(i + 1)),
                MessageIcon::Information);
        if (p.arm == 0.0)
            return Outcome<Envelope>::Fail(
                FormatText("Please enter an Arm for location %u.", static_cast<unsigned>(i + 1)),
                MessageIcon::Information);
        envelope.append(p);
    }
    return envelope;
}

TypeEntryResult ReadAircraftTypeEntry(const AircraftTypeEntry& entry, const AircraftType& type,
                                      const QString& nameAtOpening, const AircraftStore& store) {
    const AircraftTypeEntry shown = AircraftTypeEntryFrom(type);
    TypeEntryResult result{type, std::nullopt};
    AircraftType& t = result.type;
    result.failure = ReadInfo(entry, nameAtOpening, store, t);
    if (!result.failure)
        result.failure = ReadWeights(entry, shown, t);
    if (!result.failure) {
        Outcome<Envelope> envelope = ReadEnvelopeRows(entry.envelope, type);
        if (envelope.ok())
            t.envelope = envelope.value();
        else
            result.failure = TypeEntryFailure{kCgPage, envelope.error()};
    }
    if (result.failure)
        return result;
    ReadMac(entry, shown, t);
    result.failure = ReadStations(entry, shown, t);
    if (result.failure)
        return result;
    ReadFuelKind(entry, t);
    ReadStartupAndPerformance(entry, shown, t);
    return result;
}

QString WeightUnitText(const TypeFlags& flags) {
    return flags.Has(TypeFlags::WeightInKilograms) ? QStringLiteral("kg") : QStringLiteral("lbs");
}

QString ArmUnitText(const TypeFlags& flags) {
    return flags.Has(TypeFlags::ArmInCentimetres) ? QStringLiteral("centimetres")
                                                  : QStringLiteral("inches");
}

QString FuelUnitText(const TypeFlags& flags) {
    if (flags.Has(TypeFlags::FuelByWeight))
        return flags.Has(TypeFlags::WeightInKilograms) ? QStringLiteral("Kilograms")
                                                       : QStringLiteral("Pounds");
    return flags.Has(TypeFlags::FuelInLitres) ? QStringLiteral("Litres")
                                              : QStringLiteral("Gallons");
}

QString FuelBurnUnitText(const TypeFlags& flags) {
    if (flags.Has(TypeFlags::FuelByWeight))
        return flags.Has(TypeFlags::WeightInKilograms) ? QStringLiteral("Kilograms/Hour")
                                                       : QStringLiteral("Pounds/Hour");
    return flags.Has(TypeFlags::FuelInLitres) ? QStringLiteral("Litres/hour")
                                              : QStringLiteral("Gallons/hour");
}

int FuelUnitsChoice(const TypeFlags& flags) {
    if (flags.Has(TypeFlags::FuelByWeight))
        return 2;
    return flags.Has(TypeFlags::FuelInLitres) ? 1 : 0;
}

void SetFuelUnitsChoice(TypeFlags& flags, int choice) {
    flags.Set(TypeFlags::FuelByWeight, choice == 2);
    flags.Set(TypeFlags::FuelInLitres, choice == 1);
}
