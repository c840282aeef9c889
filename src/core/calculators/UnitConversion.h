#pragma once
// The "Convert" dialog's two-way unit pairs (Fahrenheit <> Celsius and five more), chosen by the
// menu command that opens the dialog.

#include "core/calculators/CalcResult.h"

#include "resource.h"

#include <array>

// Menu commands of the pairs.
inline constexpr int kFahrenheitCelsiusMode = ID_CONVERT_FAHRENHEIT_CELSIUS;
inline constexpr int kPoundsKilogramsMode = ID_CONVERT_POUNDS_KILOGRAMS;
inline constexpr int kMillibarsInchesMode = ID_CONVERT_MILLIBARS_INCHES;
inline constexpr int kFeetMetresMode = ID_CONVERT_FEET_METRES;
inline constexpr int kInchesMillimetresMode = ID_CONVERT_INCHES_MILLIMETRES;
inline constexpr int kInchesCentimetresMode = ID_CONVERT_INCHES_CENTIMETRES;

struct ConvertPair {
    int mode;
    const char* firstUnit;
    const char* secondUnit;
    double (*firstToSecond)(double);
    double (*secondToFirst)(double);
    const char* format; // of both results
};

// Row 1 of the dialog converts the first unit into the second, row 2 the reverse.
enum class ConvertRow { FirstToSecond, SecondToFirst };

const std::array<ConvertPair, 6>& ConvertPairs();
// The pair of a mode; nullptr for an unknown mode.
const ConvertPair* FindConvertPair(int mode);

// Converts one row's input text. An empty input gives no output and no last result. Otherwise
// the output is labelled with the target unit and its number becomes the last calculator
// result. An unknown mode shows the input unchanged with "%.1f" and an empty label.
CalcResult ConvertUnits(int mode, ConvertRow row, const QString& input);
