#include "ui/weight-balance/WeightBalanceRegistrations.h"

#include "resource.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/weight-balance/AircraftListDlg.h"
#include "ui/weight-balance/WeightBalanceView.h"

void RegisterWeightBalanceScreens(ScreenRegistry& registry) {
    registry.AddView<CWeightBalanceView>(ID_VIEW_WEIGHT_BALANCE);
    registry.AddDialog(ID_EDIT_AIRCRAFT, CAircraftListDlg::kTemplates, [](CommandContext& c) {
        return std::make_unique<CAircraftListDlg>(c.document.Aircraft(), c.frame);
    });
}
