#include "core/planning/PlanSettings.h"

#include "core/common/settings/SettingsStore.h"

PlanInputs ReadPlanSettings(const SettingsStore& settings) {
    PlanInputs inputs;
    inputs.aircraft = settings.ReadText(QStringLiteral("Plan.Aircraft"));
    inputs.tas = settings.ReadText(QStringLiteral("Plan.TAS"));
    inputs.route = settings.ReadText(QStringLiteral("Plan.Route"));
    ApplyStoredWindDirection(settings.ReadText(QStringLiteral("Plan.WindDir")), &inputs);
    inputs.windSpeed = settings.ReadText(QStringLiteral("Plan.WindSpeed"));
    return inputs;
}

void WritePlanSettings(SettingsStore& settings, const PlanInputs& inputs) {
    settings.WriteText(QStringLiteral("Plan.Aircraft"), inputs.aircraft);
    settings.WriteText(QStringLiteral("Plan.TAS"), inputs.tas);
    settings.WriteText(QStringLiteral("Plan.Route"), inputs.route);
    settings.WriteText(QStringLiteral("Plan.WindDir"), StoredWindDirection(inputs));
    settings.WriteText(QStringLiteral("Plan.WindSpeed"), inputs.windSpeed);
}
