#include "core/calculators/UnitConversion.h"

#include "core/common/text/Format.h"
#include "core/common/text/NumberText.h"

namespace {

// clang-format off
constexpr std::array<ConvertPair, 6> kPairs{{
    {kFahrenheitCelsiusMode, "Fahrenheit", "Celsius",
     [](double x) { return (x - 32.0) * 0.55555; }, [](double x) { return x * 1.8 + 32.0; }, "%.1f"},
    {kPoundsKilogramsMode, "Pounds", "Kilograms",
     [](double x) { return x * 0.4536; }, [](double x) { return x * 2.2046; }, "%.1f"},
    {kMillibarsInchesMode, "Millibars", "Inches",
     [](double x) { return x * 0.02953; }, [](double x) { return x * 33.8639; }, "%.2f"},
    {kFeetMetresMode, "Feet", "Metres",
     [](double x) { return x * 0.3048; }, [](double x) { return x * 3.2808399; }, "%.1f"},
    {kInchesMillimetresMode, "Inches", "Millimetres",
     [](double x) { return x * 25.4; }, [](double x) { return x * 0.03937007874015748; }, "%.1f"},
    {kInchesCentimetresMode, "Inches", "Centimetres",
     [](double x) { return x * 2.54; }, [](double x) { return x * 0.39370078740157477; }, "%.1f"},
}};
// clang-format on

QString FormatWith(const char* format, double value) {
    // The formats come from the table above: "%.1f" or "%.2f".
    return FormatText(format, value);
}

} // namespace

const std::array<ConvertPair, 6>& ConvertPairs() {
    return kPairs;
}

const ConvertPair* FindConvertPair(int mode) {
    for (const ConvertPair& pair : kPairs)
        if (pair.mode == mode)
            return &pair;
    return nullptr;
}

CalcResult ConvertUnits(int mode, ConvertRow row, const QString& input) {
    CalcResult result;
    if (input.isEmpty())
        return result;
    const double value = TextToDouble(input);
    const ConvertPair* pair = FindConvertPair(mode);
    QString label;
    QString text;
    if (!pair) {
        text = FormatText("%.1f", value);
    } else if (row == ConvertRow::FirstToSecond) {
        label = QString::fromUtf8(pair->secondUnit);
        text = FormatWith(pair->format, pair->firstToSecond(value));
    } else {
        label = QString::fromUtf8(pair->firstUnit);
        text = FormatWith(pair->format, pair->secondToFirst(value));
    }
    result.outputs = {{label, text}};
    result.lastCalcResult = TextToDouble(text);
    return result;
}
