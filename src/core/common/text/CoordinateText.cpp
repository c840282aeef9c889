#include "core/common/text/CoordinateText.h"
#include "core/common/text/Format.h"

#include "core/common/Constants.h"

#include <cstdlib>

namespace {

QString AngleText(int secondsOfArc, bool secondsFormat) {
    // Work in 64 bits so that the most negative value has an absolute value.
    const long long a = std::llabs(static_cast<long long>(secondsOfArc));
    const int degrees = static_cast<int>(a / 3600);
    const int rest = static_cast<int>(a % 3600);
    const int minutes = rest / 60;
    const int seconds = rest % 60;
    if (secondsFormat)
        return FormatText("%02i:%02i:%02i", degrees, minutes, seconds);
    return FormatText("%02i:%05.02f", degrees, minutes + seconds * units::kOneSixtieth);
}

} // namespace

QString LatitudeText(int secondsOfArc, bool secondsFormat) {
    return AngleText(secondsOfArc, secondsFormat) + (secondsOfArc >= 0 ? " N" : " S");
}

QString LongitudeText(int secondsOfArc, bool secondsFormat) {
    return AngleText(secondsOfArc, secondsFormat) + (secondsOfArc >= 0 ? " W" : " E");
}

QString LengthText(int feet, bool metric) {
    if (metric)
        return FormatText("%.0fM", feet * units::kFeetToMetres);
    return FormatText("%i'", feet);
}

QString RunwaySizeText(int lengthFeet, int widthFeet, bool metric) {
    const double factor = metric ? units::kFeetToMetres : 1.0;
    return FormatText("%.0f X %.0f", lengthFeet * factor, widthFeet * factor);
}
