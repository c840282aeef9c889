#pragma once
// The "Calc" dialog's five air-data modes (density altitude, pressure altitude, standard
// temperature, true air speed, Mach): the mode table and the calculation from the input texts.

#include "core/calculators/CalcResult.h"

#include <QString>

#include "resource.h"

#include <array>
#include <optional>

// Menu commands that open the dialog in each mode.
inline constexpr int kDensityAltitudeMode = ID_CALC_DENSITY_ALTITUDE;
inline constexpr int kPressureAltitudeMode = ID_CALC_PRESSURE_ALTITUDE;
inline constexpr int kStandardTemperatureMode = ID_CALC_STANDARD_TEMP;
inline constexpr int kTrueAirSpeedMode = ID_CALC_TRUE_AIRSPEED;
inline constexpr int kMachMode = ID_CALC_MACH;

inline constexpr int kAirDataInputs = 4;

// One mode: its menu command, the string ids of its title (which also labels the result) and
// of its input labels (0 = the input is not used and stays hidden).
struct AirDataMode {
    int command = 0;
    int titleId = 0;
    std::array<int, kAirDataInputs> inputIds{};
};

// The five modes followed by a row of zeros.
const std::array<AirDataMode, 6>& AirDataModes();
// The row of a command; the terminating row of zeros for an unknown command.
const AirDataMode& FindAirDataMode(int command);

// An altimeter setting in inches of mercury: a value above 948.0 is millibars (x 0.02953); the
// result must lie in 28.0..31.0. Nothing when it does not.
std::optional<double> AltimeterInches(double setting);
// Pressure altitude from the altitude and an altimeter setting in inches.
double PressureAltitude(double altitude, double altimeterInches);

// Runs the mode's calculation from the dialog's first three input texts. An empty first input
// gives an empty result and leaves the last calculator result alone; otherwise the result is
// labelled with the mode's title and its number becomes the last calculator result. A refused
// input stops with the dialog's message (and an empty result).
CalcResult CalculateAirData(int command, const QString& input1, const QString& input2,
                            const QString& input3);
