#include "ui/planning/PlanningRegistrations.h"

#include "resource.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/planning/PlanningView.h"

void RegisterPlanningScreens(ScreenRegistry& registry) {
    registry.AddView<CPlanningView>(ID_VIEW_FLIGHT_PLANNING);
}
