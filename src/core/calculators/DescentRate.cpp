#include "core/calculators/DescentRate.h"

#include "core/calculators/CalcStop.h"
#include "core/common/Constants.h"
#include "core/common/text/Format.h"
#include "core/common/text/NumberText.h"
#include "core/common/text/Rounding.h"

#include <cmath>

#include "resource.h"

namespace {

constexpr int kEnterCurrentAltitude = IDS_ENTER_CURRENT_ALTITUDE;
constexpr int kEnterDesiredAltitude = IDS_ENTER_DESIRED_ALTITUDE;
constexpr int kEnterGroundSpeed = IDS_ENTER_GROUND_SPEED;
constexpr int kEnterDescentRate = IDS_ENTER_DESCENT_RATE;
constexpr int kDesiredAboveCurrent = IDS_DESIRED_ABOVE_CURRENT;

// Minutes as "mm:ss": whole minutes and the rounded seconds, which carry into the minutes when
// they round to 60 (7.9999 minutes shows "08:00", not "07:60").
QString MinutesSecondsText(double minutes) {
    unsigned whole = RoundWhole(std::floor(minutes));
    unsigned seconds = RoundWhole((minutes - std::floor(minutes)) * 60);
    if (seconds >= 60) {
        seconds -= 60;
        ++whole;
    }
    return FormatText("%02u:%02u", whole, seconds);
}

} // namespace

CalcResult DescentRate(const QString& currentAltitude, const QString& desiredAltitude,
                       const QString& groundSpeed, const QString& rate) {
    const double current = TextToDouble(currentAltitude);
    if (current == 0)
        return StopWith(CalcMessage(kEnterCurrentAltitude));
    if (desiredAltitude.isEmpty())
        return StopWith(CalcMessage(kEnterDesiredAltitude));
    const double desired = TextToDouble(desiredAltitude);
    if (desired > current)
        return StopWith(CalcMessage(kDesiredAboveCurrent));
    const double speed = TextToDouble(groundSpeed);
    if (speed == 0)
        return StopWith(CalcMessage(kEnterGroundSpeed));
    const double feetPerMinute = std::fabs(TextToDouble(rate));
    if (feetPerMinute == 0)
        return StopWith(CalcMessage(kEnterDescentRate));

    const double minutes = (current - desired) / feetPerMinute;
    const double distance = RoundTenth(minutes * units::kOneSixtieth * speed);
    CalcResult result;
    result.outputs = {{kDescentDistanceLabel, FormatText("%0.fnm", distance)},
                      {kDescentTimeLabel, MinutesSecondsText(minutes)}};
    return result;
}
