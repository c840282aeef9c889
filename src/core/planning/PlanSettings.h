#pragma once
// The planning view's inputs kept in the settings between runs: "Plan.Aircraft", "Plan.TAS",
// "Plan.Route", "Plan.WindDir" (with "-" before a magnetic direction) and "Plan.WindSpeed".

#include "core/planning/PlanInputs.h"

class SettingsStore;

PlanInputs ReadPlanSettings(const SettingsStore& settings);
void WritePlanSettings(SettingsStore& settings, const PlanInputs& inputs);
