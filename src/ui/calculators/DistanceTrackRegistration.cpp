#include "ui/calculators/DistanceTrackRegistration.h"

#include "resource.h"
#include "ui/calculators/DistanceTrackDlg.h"
#include "ui/document/ScreenRegistry.h"

void RegisterDistanceTrack(ScreenRegistry& registry) {
    // From the Calc menu the dialog only looks; the planning view opens it with its buttons.
    registry.AddDialog(
        ID_CALC_DISTANCE_TRACK, CDistanceTrackDlg::kTemplates, [](CommandContext& c) {
            return std::make_unique<CDistanceTrackDlg>(c.document, c.commands, c.frame);
        });
}
