#include "ui/calculators/WindRegistrations.h"

#include "resource.h"
#include "ui/calculators/CrossWindDlg.h"
#include "ui/calculators/FindWindDlg.h"
#include "ui/calculators/GroundSpeedDlg.h"
#include "ui/calculators/HeadingTimeDlg.h"
#include "ui/calculators/HoldEntryDlg.h"
#include "ui/calculators/HoldTimingDlg.h"
#include "ui/document/ScreenRegistry.h"

void RegisterWindCalculators(ScreenRegistry& registry) {
    registry.AddDialog<CGroundSpeedDlg>(ID_CALC_GROUND_SPEED);
    registry.AddDialog(ID_CALC_HEADING_TIME, CHeadingTimeDlg::kTemplates, [](CommandContext& c) {
        return std::make_unique<CHeadingTimeDlg>(c.commands, c.frame);
    });
    registry.AddDialog<CFindWindDlg>(ID_CALC_FIND_WIND);
    registry.AddDialog<CCrossWindDlg>(ID_CALC_CROSS_WIND);
    registry.AddDialog<CHoldTimingDlg>(ID_CALC_HOLD_TIMES);
    registry.AddDialog<CHoldEntryDlg>(ID_CALC_HOLD_VIEW);
}
