#pragma once
// The fields of the "Aircraft Type" editor, page by page, and its OK checks. The tanks and the
// custom fuel quantities are edited on the type itself (FuelTankEntry, FuelQuantityEntry); the
// fields here hold everything else as the pages show it.

#include "core/common/Outcome.h"
#include "core/weight-balance/AircraftType.h"

#include <QList>
#include <QString>

#include <optional>

class AircraftStore;

enum AircraftTypePage {
    kInfoPage,
    kWeightsPage,
    kCgPage,
    kMacPage,
    kStationsPage,
    kFuelTanksPage,
    kFuelQuantitiesPage,
    kStartupPage,
    kPerformancePage,
    kAircraftTypePageCount
};

struct EnvelopeRowText {
    QString weight;
    QString arm;
    bool operator==(const EnvelopeRowText&) const = default;
};

struct StationRowText {
    QString name;
    QString arm;
    QString maxWeight;
    bool operator==(const StationRowText&) const = default;
};

struct AircraftTypeEntry {
    static constexpr int kMaxNameLength = 12;

    QString name;
    bool kilograms = false;   // "Weight Units": "Pounds", "Kilograms"
    bool centimetres = false; // "ARM Units": "Inches", "Centimetres"
    QString ramp, zeroFuel, takeoff, landing;
    QList<EnvelopeRowText> envelope; // the grid's rows, 20
    bool calculateMac = false;
    QString leadingEdge, macLength;
    QList<StationRowText> stations; // the grid's rows, 15
    int fuelUnits = 0;              // "Gallons", "Litres", "Weight"
    bool jetFuel = false;           // "Type": "AV Gas", "Jet A"
    QList<QString> startup;         // one a tank
    QString trueAirspeed, fuelBurn;
};

// The pages' fields for a type, in the pages' formats, with every grid row present.
AircraftTypeEntry AircraftTypeEntryFrom(const AircraftType& type);

struct TypeEntryFailure {
    int page = kInfoPage;
    Message message;
};

// The checks of OK, page by page in tab order; a failure names its page. `type` is the copy
// being edited (with its tanks and fuel quantities); `nameAtOpening` is "" for a new or copied
// type. A field still showing the text it was filled with keeps its exact value.
struct TypeEntryResult {
    AircraftType type;
    std::optional<TypeEntryFailure> failure;
};
TypeEntryResult ReadAircraftTypeEntry(const AircraftTypeEntry& entry, const AircraftType& type,
                                      const QString& nameAtOpening, const AircraftStore& store);

// The "C of G" page alone (the Graph button checks it before drawing): the envelope, or the
// message naming the first row that fails.
Outcome<BoundedList<EnvelopePoint, AircraftType::kMaxEnvelopePoints>>
ReadEnvelopeRows(const QList<EnvelopeRowText>& rows, const AircraftType& type);

// The unit texts the pages show for a type.
QString WeightUnitText(const TypeFlags& flags);   // "lbs" or "kg"
QString ArmUnitText(const TypeFlags& flags);      // "inches" or "centimetres"
QString FuelUnitText(const TypeFlags& flags);     // "Gallons", "Litres", "Kilograms", "Pounds"
QString FuelBurnUnitText(const TypeFlags& flags); // "Gallons/hour", ... "Pounds/Hour"
int FuelUnitsChoice(const TypeFlags& flags);      // 0 gallons, 1 litres, 2 weight
void SetFuelUnitsChoice(TypeFlags& flags, int choice);
