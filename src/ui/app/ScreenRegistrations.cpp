#include "ui/app/ScreenRegistrations.h"

#include "resource.h"
#include "ui/app/AboutDlg.h"
#include "ui/app/PreferencesCommand.h"
#include "ui/calculators/AirDataRegistrations.h"
#include "ui/calculators/DistanceTrackRegistration.h"
#include "ui/calculators/SunTimesRegistration.h"
#include "ui/calculators/WindRegistrations.h"
#include "ui/checklists/ChecklistRegistrations.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/logbook/LogbookRegistrations.h"
#include "ui/navdata/NavDataRegistrations.h"
#include "ui/planning/PlanningRegistrations.h"
#include "ui/times/TimesRegistrations.h"
#include "ui/weight-balance/WeightBalanceRegistrations.h"

void RegisterScreens(ScreenRegistry& registry) {
    registry.AddDialog<CAboutDlg>(ID_APP_ABOUT);
    RegisterAirDataCalculators(registry);
    RegisterWindCalculators(registry);
    RegisterSunTimesCalculator(registry);
    RegisterChecklistScreens(registry);
    RegisterWeightBalanceScreens(registry);
    RegisterPreferences(registry);
    RegisterNavDataScreens(registry);
    RegisterTimesScreens(registry);
    RegisterDistanceTrack(registry);
    RegisterPlanningScreens(registry);
    RegisterLogbookScreens(registry);
}
