#include "core/planning/PlanSettings.h"

#include "core/common/settings/SettingsSchema.h"

PlanInputs ReadPlanSettings(const SettingsStore& settings) {
    PlanInputs inputs;
    inputs.aircraft = setting::kPlanAircraft.Read(settings);
    inputs.tas = setting::kPlanTas.Read(settings);
    inputs.route = setting::kPlanRoute.Read(settings);
    ApplyStoredWindDirection(setting::kPlanWindDirection.Read(settings), &inputs);
    inputs.windSpeed = setting::kPlanWindSpeed.Read(settings);
    return inputs;
}

void WritePlanSettings(SettingsStore& settings, const PlanInputs& inputs) {
    setting::kPlanAircraft.Write(settings, inputs.aircraft);
    setting::kPlanTas.Write(settings, inputs.tas);
    setting::kPlanRoute.Write(settings, inputs.route);
    setting::kPlanWindDirection.Write(settings, StoredWindDirection(inputs));
    setting::kPlanWindSpeed.Write(settings, inputs.windSpeed);
}
