// trevallion-calc: the air data, descent, time, speed, distance, fuel, weight shift and
// conversion calculators.
#include "CalcCommand.h"

#include "core/calculators/AirData.h"
#include "core/calculators/CalcStop.h"
#include "core/calculators/DescentRate.h"
#include "core/calculators/DistanceVolumeConversion.h"
#include "core/calculators/FuelQuantity.h"
#include "core/calculators/TimeSpeedDistance.h"
#include "core/calculators/TimeSum.h"
#include "core/calculators/UnitConversion.h"
#include "core/calculators/WeightShift.h"

namespace {

// Item texts compared without case, spaces, dots and dashes ("us-gallons" = "U.S. Gallons").
QString Simplified(const QString& text) {
    QString out;
    for (QChar c : text)
        if (c.isLetterOrNumber())
            out.append(c.toLower());
    return out;
}

// The index of a list item given on the command line; the first item when not given, -1 when
// it names none.
int ItemIndex(const QStringList& items, const CalcArgs& args, const QString& key) {
    if (!args.Has(key))
        return 0;
    for (int i = 0; i < items.size(); ++i)
        if (Simplified(items[i]) == Simplified(args.Text(key)))
            return i;
    return -1;
}

CalcResult UnknownItem(const CalcArgs& args, const QString& key, const QStringList& items) {
    const QString problem = QStringLiteral("Unknown %1 '%2'. Choose one of: %3.")
                                .arg(key, args.Text(key), items.join(QStringLiteral(", ")));
    args.ReportUsage(problem);
    return StopWith(Message{problem, MessageIcon::Information});
}

CalcCommand AirDataCommand(const char* name, int mode, const char* title,
                           const QList<CalcKey>& keys) {
    QStringList names;
    for (const CalcKey& key : keys)
        names.append(key.key);
    return {name, title, keys, [mode, names](const CalcArgs& a) {
                // A notice (an altimeter replaced by 29.92) goes to standard error once, with
                // the other outputs.
                return CalculateAirData(mode, a.Text(names.value(0)), a.Text(names.value(1)),
                                        a.Text(names.value(2)));
            }};
}

// "convert --pair fahrenheit-celsius --fahrenheit 212": each unit given is converted into the
// other unit of the pair, in the order given.
CalcResult ConvertCommand(const CalcArgs& args) {
    const ConvertPair* pair = nullptr;
    QStringList pairNames;
    for (const ConvertPair& p : ConvertPairs()) {
        const QString name = Simplified(p.firstUnit) + '-' + Simplified(p.secondUnit);
        pairNames.append(name);
        if (name == args.Text(QStringLiteral("pair")))
            pair = &p;
    }
    if (!pair)
        return UnknownItem(args, QStringLiteral("pair"), pairNames);
    CalcResult all;
    for (const auto& [key, value] : args.InOrder()) {
        if (key == QStringLiteral("pair"))
            continue;
        ConvertRow row = ConvertRow::FirstToSecond;
        if (key == Simplified(pair->secondUnit))
            row = ConvertRow::SecondToFirst;
        else if (key != Simplified(pair->firstUnit))
            return StopWith(Message{QStringLiteral("--%1 is not a unit of %2.")
                                        .arg(key, args.Text(QStringLiteral("pair"))),
                                    MessageIcon::Information});
        all.outputs += ConvertUnits(pair->mode, row, value).outputs;
    }
    return all;
}

CalcResult DistanceOrVolume(ConversionKind kind, const CalcArgs& args) {
    const QStringList units = ConversionUnits(kind);
    const int source = ItemIndex(units, args, QStringLiteral("units"));
    if (source < 0)
        return UnknownItem(args, QStringLiteral("units"), units);
    return ConvertDistanceOrVolume(kind, source, args.Text(QStringLiteral("value")));
}

CalcResult FuelQuantityCommand(const CalcArgs& args) {
    const int type = ItemIndex(FuelTypes(), args, QStringLiteral("fuel-type"));
    if (type < 0)
        return UnknownItem(args, QStringLiteral("fuel-type"), FuelTypes());
    const int source = ItemIndex(FuelSourceUnits(), args, QStringLiteral("units"));
    if (source < 0)
        return UnknownItem(args, QStringLiteral("units"), FuelSourceUnits());
    const QStringList targets = FuelResultUnits(source);
    const int target = ItemIndex(targets, args, QStringLiteral("convert-to"));
    if (target < 0)
        return UnknownItem(args, QStringLiteral("convert-to"), targets);
    return FuelQuantity(args.Text(QStringLiteral("quantity")), type, source, target);
}

const CalcCommandRegistration kDensityAltitude{AirDataCommand(
    "density-altitude", kDensityAltitudeMode, "Density Altitude",
    {{"altitude", "Altitude"}, {"altimeter", "Altimeter"}, {"temperature", "Temperature (°C)"}})};
const CalcCommandRegistration kPressureAltitude{
    AirDataCommand("pressure-altitude", kPressureAltitudeMode, "Pressure Altitude",
                   {{"altitude", "Altitude"}, {"altimeter", "Altimeter"}})};
const CalcCommandRegistration kStandardTemp{
    AirDataCommand("standard-temp", kStandardTemperatureMode, "Standard Temperature",
                   {{"pressure-altitude", "Pressure Altitude"}})};
const CalcCommandRegistration kTrueAirspeed{
    AirDataCommand("true-airspeed", kTrueAirSpeedMode, "True Air Speed",
                   {{"pressure-altitude", "Pressure Altitude"},
                    {"temperature", "Temperature (°C)"},
                    {"air-speed", "Air Speed"}})};
const CalcCommandRegistration kMach{AirDataCommand(
    "mach", kMachMode, "MACH",
    {{"indicated-air-speed", "Incicated Air Speed"}, {"pressure-altitude", "Pressure Altitude"}})};

const CalcCommandRegistration kDescentRate{
    {"descent-rate",
     "Descent Rate",
     {{"current-alt", "Current Alt"},
      {"desired-alt", "Desired Alt"},
      {"ground-speed", "Ground Speed"},
      {"rate", "Rate (ft/min)"}},
     [](const CalcArgs& a) {
         return DescentRate(a.Text("current-alt"), a.Text("desired-alt"), a.Text("ground-speed"),
                            a.Has("rate") ? a.Text("rate") : QString(kDefaultDescentRate));
     }}};

const CalcCommandRegistration kTimeSpeedDistance{
    {"time-speed-distance",
     "Time/Speed/Distance",
     {{"speed", "Speed"}, {"distance", "Distance"}, {"time", "Time (hh:mm)"}},
     [](const CalcArgs& a) {
         return TimeSpeedDistance(a.Text("speed"), a.Text("distance"), a.Text("time"));
     }}};

const CalcCommandRegistration kFuelBurn{
    {"fuel-burn",
     "Fuel Burn",
     {{"fuel-burn", "Fuel burn"}, {"fuel-quantity", "Fuel quantity"}, {"time", "Time (hh:mm)"}},
     [](const CalcArgs& a) {
         return FuelBurn(a.Text("fuel-burn"), a.Text("fuel-quantity"), a.Text("time"));
     }}};

// "time-sum --time +1:30 --time -0:45": "+" and "-" are the dialog's buttons.
const CalcCommandRegistration kTimeSum{{"time-sum",
                                        "Time",
                                        {{"time", "Time"}},
                                        [](const CalcArgs& a) { return TimeSum(a.All("time")); },
                                        true}};

const CalcCommandRegistration kWeightShift{
    {"weight-shift",
     "Weight Shift",
     {{"aircraft-weight", "Aircraft weight"},
      {"arm-distance", "Arm distance"},
      {"weight-to-move", "Weight to move"},
      {"distance-to-move", "Distance to move"}},
     [](const CalcArgs& a) {
         return WeightShift(a.Text("aircraft-weight"), a.Text("arm-distance"),
                            a.Text("weight-to-move"), a.Text("distance-to-move"));
     }}};

const CalcCommandRegistration kConvert{{"convert",
                                        "Convert",
                                        {{"pair", "Pair"},
                                         {"fahrenheit", "Fahrenheit"},
                                         {"celsius", "Celsius"},
                                         {"pounds", "Pounds"},
                                         {"kilograms", "Kilograms"},
                                         {"millibars", "Millibars"},
                                         {"inches", "Inches"},
                                         {"feet", "Feet"},
                                         {"metres", "Metres"},
                                         {"millimetres", "Millimetres"},
                                         {"centimetres", "Centimetres"}},
                                        ConvertCommand,
                                        true}};

const CalcCommandRegistration kDistanceConversion{
    {"distance-conversion",
     "Distance Conversion",
     {{"value", "Value"}, {"units", "Units"}},
     [](const CalcArgs& a) { return DistanceOrVolume(ConversionKind::Distance, a); }}};

const CalcCommandRegistration kVolumeConversion{
    {"volume-conversion",
     "Gallons-Litres",
     {{"value", "Value"}, {"units", "Units"}},
     [](const CalcArgs& a) { return DistanceOrVolume(ConversionKind::Volume, a); }}};

const CalcCommandRegistration kFuelQuantity{{"fuel-quantity",
                                             "Fuel Quantity",
                                             {{"quantity", "Quantity"},
                                              {"units", "Units"},
                                              {"convert-to", "Convert to"},
                                              {"fuel-type", "Fuel type"}},
                                             FuelQuantityCommand}};

} // namespace
