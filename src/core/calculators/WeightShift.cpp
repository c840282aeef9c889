#include "core/calculators/WeightShift.h"

#include "core/calculators/CalcStop.h"
#include "core/common/text/Format.h"
#include "core/common/text/NumberText.h"

namespace {

CalcResult StopAt(const char* text, const char* fieldLabel) {
    CalcResult result = StopWith(CalcMessage(text));
    result.focusLabel = QString::fromUtf8(fieldLabel);
    return result;
}

} // namespace

CalcResult WeightShift(const QString& aircraftWeight, const QString& armDistance,
                       const QString& weightToMove, const QString& distanceToMove) {
    const double weight = TextToDouble(aircraftWeight);
    if (weight == 0)
        return StopAt("Please enter the aircraft weight.", kAircraftWeightLabel);
    const double arm = TextToDouble(armDistance);
    if (arm == 0)
        return StopAt("Please enter the arm distance.", kArmDistanceLabel);
    const double moved = TextToDouble(weightToMove);
    const double shift = TextToDouble(distanceToMove);
    if (moved == 0 && shift == 0)
        return StopWith(
            CalcMessage("Please enter either the distance to move or the weight to move."));
    if (moved != 0 && shift != 0)
        return StopWith(CalcMessage(
            "Please leave either the distance to move or the weight to move value empty."));
    CalcResult result;
    if (moved == 0)
        result.outputs = {{kWeightToMoveLabel, FormatText("%.1f", shift / arm * weight)}};
    else
        result.outputs = {{kDistanceToMoveLabel, FormatText("%.1f", moved / weight * arm)}};
    return result;
}
