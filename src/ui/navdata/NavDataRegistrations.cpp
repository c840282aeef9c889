#include "ui/navdata/NavDataRegistrations.h"

#include "resource.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/navdata/AirportView.h"
#include "ui/navdata/UserWaypointsDlg.h"

void RegisterNavDataScreens(ScreenRegistry& registry) {
    registry.AddView<CAirportView>(ID_VIEW_AIRPORT_DIRECTORY);
    registry.AddDialog(ID_EDIT_WAYPOINTS, CUserWaypointsDlg::kTemplates, [](CommandContext& c) {
        return std::make_unique<CUserWaypointsDlg>(c.document, false, c.frame);
    });
}
