#include "ui/navdata/NavDataRegistrations.h"

#include "resource.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/navdata/AirportView.h"
#include "ui/navdata/UserWaypointsDlg.h"

void RegisterNavDataScreens(ScreenRegistry& registry) {
    registry.AddView(ID_VIEW_AIRPORT_DIRECTORY, [](CTrevallionDoc& document, QWidget* parent) {
        return std::make_unique<CAirportView>(document, parent);
    });
    registry.AddDialog(ID_EDIT_WAYPOINTS, CUserWaypointsDlg::kTemplates, [](CommandContext& c) {
        return std::make_unique<CUserWaypointsDlg>(c.document, false, c.frame);
    });
}
