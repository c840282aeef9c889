#include "ui/calculators/SunTimesRegistration.h"

#include "resource.h"
#include "ui/calculators/SunTimesDlg.h"
#include "ui/document/ScreenRegistry.h"

void RegisterSunTimesCalculator(ScreenRegistry& registry) {
    registry.AddDialog(ID_CALC_SUNRISE_SUNSET, CSunTimesDlg::kTemplates, [](CommandContext& c) {
        return std::make_unique<CSunTimesDlg>(c.document, c.frame);
    });
}
