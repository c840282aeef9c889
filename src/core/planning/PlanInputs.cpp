#include "core/planning/PlanInputs.h"

QString StoredWindDirection(const PlanInputs& inputs) {
    return inputs.magnetic ? QLatin1Char('-') + inputs.windDirection : inputs.windDirection;
}

void ApplyStoredWindDirection(const QString& stored, PlanInputs* inputs) {
    inputs->magnetic = stored.startsWith(QLatin1Char('-'));
    inputs->windDirection = inputs->magnetic ? stored.mid(1) : stored;
}
