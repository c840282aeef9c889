#include "core/calculators/DirectionText.h"

#include "core/calculators/CalcStop.h"
#include "core/common/text/NumberText.h"

DirectionText ReadDirection(const QString& text, bool emptyIsNorth) {
    DirectionText direction;
    if (text == QLatin1String("0") || (emptyIsNorth && text.isEmpty())) {
        direction.value = 360.0;
        direction.replaced = true;
        return direction;
    }
    direction.value = TextToDouble(text);
    direction.valid = direction.value >= 0.0 && direction.value <= 360.0;
    return direction;
}

bool ReadDirectionInto(const QString& text, const QString& label, int stopId, CalcResult& result,
                       double* value, bool emptyIsNorth) {
    const DirectionText direction = ReadDirection(text, emptyIsNorth);
    if (direction.replaced)
        result.replaced.append({label, QStringLiteral("360")});
    if (!direction.valid) {
        result.stop = CalcMessage(stopId);
        return false;
    }
    *value = direction.value;
    return true;
}
