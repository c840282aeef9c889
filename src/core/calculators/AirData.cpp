#include "core/calculators/AirData.h"

#include "core/calculators/CalcStop.h"
#include "core/common/text/Format.h"
#include "core/common/text/NumberText.h"

#include <cmath>

#include "resource.h"

namespace {

constexpr int kInvalidAltimeter = IDS_INVALID_ALTIMETER;
constexpr int kEnterTrueAirSpeed = IDS_ENTER_TRUE_AIR_SPEED;
constexpr double kStandardAltimeter = 29.92;
constexpr double kKelvin = 273.15;

// Beyond about 145442 ft the standard atmosphere's pressure and temperature terms reach zero and
// the formulas have no value; such inputs are refused rather than shown as "nan".
constexpr const char* kPressureAltitudeOutOfRange =
    "Pressure altitude out of range.  Enter a value below 145442 ft.";
constexpr const char* kAltitudeOutOfRange =
    "Altitude out of range.  Enter a value below 145442 ft.";
constexpr const char* kTemperatureOutOfRange =
    "Temperature out of range.  Enter a value above -273.15°C.";
constexpr const char* kInputsOutOfRange = "The values entered are out of range.";

constexpr std::array<AirDataMode, 6> kModes{{
    {kDensityAltitudeMode,
     IDS_DENSITY_ALTITUDE,
     {IDS_ALTITUDE, IDS_ALTIMETER, IDS_TEMPERATURE_C, 0}},
    {kPressureAltitudeMode, IDS_PRESSURE_ALTITUDE, {IDS_ALTITUDE, IDS_ALTIMETER, 0, 0}},
    {kStandardTemperatureMode, IDS_STANDARD_TEMPERATURE, {IDS_PRESSURE_ALTITUDE, 0, 0, 0}},
    {kTrueAirSpeedMode,
     IDS_TRUE_AIR_SPEED,
     {IDS_PRESSURE_ALTITUDE, IDS_TEMPERATURE_C, IDS_AIR_SPEED, 0}},
    {kMachMode, IDS_MACH, {IDS_INDICATED_AIR_SPEED, IDS_PRESSURE_ALTITUDE, 0, 0}},
    {0, 0, {0, 0, 0, 0}},
}};

// What one mode's formula gives: the result text, or the message that stops it; a notice is
// shown while the calculation goes on.
struct ModeText {
    QString text;
    std::optional<Message> stop;
    std::optional<Message> notice;
};

ModeText Stopped(Message message) {
    return {QString(), std::move(message), std::nullopt};
}

ModeText StandardTemperature(double pressureAltitude) {
    return {FormatText("%.1f°C", 15.0 - pressureAltitude * 0.0019812), {}, {}};
}

ModeText PressureAltitudeMode(double altitude, double altimeter) {
    ModeText out{QStringLiteral("0"), {}, {}};
    if (altimeter == 0)
        return out;
    std::optional<double> inches = AltimeterInches(altimeter);
    if (!inches) {
        out.notice = CalcMessage(kInvalidAltimeter);
        inches = kStandardAltimeter;
    }
    const double pa = PressureAltitude(altitude, *inches);
    if (!std::isfinite(pa))
        return Stopped(CalcMessage(kInputsOutOfRange));
    out.text = FormatText("%.0f", pa);
    return out;
}

ModeText DensityAltitude(double altitude, double altimeter, double celsius) {
    double alt = altitude;
    if (altimeter != 0) {
        const std::optional<double> inches = AltimeterInches(altimeter);
        if (!inches)
            return Stopped(CalcMessage(kInvalidAltimeter));
        alt = PressureAltitude(altitude, *inches);
    }
    const double standardKelvin = 15.0 - alt * 0.0019812 + kKelvin;
    const double kelvin = celsius + kKelvin;
    if (!(kelvin > 0))
        return Stopped(CalcMessage(kTemperatureOutOfRange));
    if (!(standardKelvin > 0))
        return Stopped(CalcMessage(kAltitudeOutOfRange));
    const double da =
        504.74459923278823 * standardKelvin * (1 - std::pow(standardKelvin / kelvin, 0.234969)) +
        alt;
    if (!(std::fabs(da) < 2147483648.0)) // also refuses NaN
        return Stopped(CalcMessage(kInputsOutOfRange));
    return {FormatText("%i", static_cast<int>(da)), {}, {}};
}

// Mach number from the indicated air speed and the pressure altitude; nothing when the pressure
// altitude is out of the atmosphere's range.
std::optional<double> MachNumber(double airSpeed, double pressureAltitude) {
    const double speedRatio = airSpeed * 0.0015117647041038062;
    const double qc = (std::pow(1 + 0.2 * speedRatio * speedRatio, 3.5) - 1) * 29.92126;
    const double base = 1 - 1e-6 * pressureAltitude * 6.8755856;
    if (!(base > 0))
        return std::nullopt;
    const double p = std::pow(base, 5.2558797) * 29.92126;
    return std::sqrt(5 * (std::pow(qc / p + 1, 0.2857142857142857) - 1));
}

ModeText Mach(double airSpeed, double pressureAltitude) {
    if (airSpeed == 0)
        return Stopped(CalcMessage(kEnterTrueAirSpeed));
    const std::optional<double> mach = MachNumber(airSpeed, pressureAltitude);
    if (!mach)
        return Stopped(CalcMessage(kPressureAltitudeOutOfRange));
    if (!std::isfinite(*mach))
        return Stopped(CalcMessage(kInputsOutOfRange));
    return {FormatText("%.2f", *mach), {}, {}};
}

ModeText TrueAirSpeed(double pressureAltitude, double celsius, double airSpeed) {
    if (airSpeed == 0)
        return Stopped(CalcMessage(kEnterTrueAirSpeed));
    const std::optional<double> mach = MachNumber(airSpeed, pressureAltitude);
    if (!mach)
        return Stopped(CalcMessage(kPressureAltitudeOutOfRange));
    if (!(celsius + kKelvin > 0))
        return Stopped(CalcMessage(kTemperatureOutOfRange));
    const double staticKelvin = (celsius + kKelvin) / (1 + 0.16000000000000003 * *mach * *mach);
    const double tas = 38.967854 * std::sqrt(staticKelvin) * *mach;
    if (!std::isfinite(tas))
        return Stopped(CalcMessage(kInputsOutOfRange));
    return {FormatText("%.0f", tas), {}, {}};
}

ModeText RunMode(int command, double a, double b, double c) {
    switch (command) {
    case kStandardTemperatureMode:
        return StandardTemperature(a);
    case kPressureAltitudeMode:
        return PressureAltitudeMode(a, b);
    case kDensityAltitudeMode:
        return DensityAltitude(a, b, c);
    case kMachMode:
        return Mach(a, b);
    case kTrueAirSpeedMode:
        return TrueAirSpeed(a, b, c);
    default:
        return {QStringLiteral("0"), {}, {}};
    }
}

} // namespace

const std::array<AirDataMode, 6>& AirDataModes() {
    return kModes;
}

const AirDataMode& FindAirDataMode(int command) {
    for (const AirDataMode& mode : kModes)
        if (mode.command == command)
            return mode;
    return kModes.back();
}

std::optional<double> AltimeterInches(double setting) {
    const double inches = setting > 948.0 ? setting * 0.02953 : setting;
    if (inches >= 28.0 && inches <= 31.0)
        return inches;
    return std::nullopt;
}

double PressureAltitude(double altitude, double altimeterInches) {
    return (1 - std::pow(altimeterInches * 0.03342105245567867, 0.190261)) * 145442.2 + altitude;
}

CalcResult CalculateAirData(int command, const QString& input1, const QString& input2,
                            const QString& input3) {
    const AirDataMode& mode = FindAirDataMode(command);
    const QString label = mode.titleId != 0 ? LoadString(mode.titleId) : QString();
    CalcResult result;
    result.outputs = {{label, QString()}};
    if (input1.isEmpty())
        return result;
    ModeText out =
        RunMode(mode.command, TextToDouble(input1), TextToDouble(input2), TextToDouble(input3));
    result.notice = std::move(out.notice);
    if (out.stop) {
        result.stop = std::move(out.stop);
        return result;
    }
    result.outputs.first().text = out.text;
    result.lastCalcResult = TextToDouble(out.text);
    return result;
}
