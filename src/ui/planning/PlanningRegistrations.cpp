#include "ui/planning/PlanningRegistrations.h"

#include "resource.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/planning/PlanningView.h"

void RegisterPlanningScreens(ScreenRegistry& registry) {
    registry.AddView(ID_VIEW_FLIGHT_PLANNING, [](CTrevallionDoc& document, QWidget* parent) {
        return std::make_unique<CPlanningView>(document, parent);
    });
}
