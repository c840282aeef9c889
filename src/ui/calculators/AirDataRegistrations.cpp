#include "ui/calculators/AirDataRegistrations.h"

#include "resource.h"
#include "ui/calculators/AirDataDlg.h"
#include "ui/calculators/ConvertDlg.h"
#include "ui/calculators/DescentRateDlg.h"
#include "ui/calculators/DistanceConvertDlg.h"
#include "ui/calculators/FuelBurnDlg.h"
#include "ui/calculators/FuelQuantityDlg.h"
#include "ui/calculators/TimeSpeedDistanceDlg.h"
#include "ui/calculators/TimeSumDlg.h"
#include "ui/calculators/VolumeConvertDlg.h"
#include "ui/calculators/WeightShiftDlg.h"
#include "ui/document/ScreenRegistry.h"

void RegisterAirDataCalculators(ScreenRegistry& registry) {
    for (int mode : {ID_CALC_DENSITY_ALTITUDE, ID_CALC_PRESSURE_ALTITUDE, ID_CALC_STANDARD_TEMP,
                     ID_CALC_TRUE_AIRSPEED, ID_CALC_MACH})
        registry.AddDialog(mode, CAirDataDlg::kTemplates, [](CommandContext& c) {
            return std::make_unique<CAirDataDlg>(c.commandId, c.frame);
        });
    for (int mode :
         {ID_CONVERT_FAHRENHEIT_CELSIUS, ID_CONVERT_POUNDS_KILOGRAMS, ID_CONVERT_MILLIBARS_INCHES,
          ID_CONVERT_FEET_METRES, ID_CONVERT_INCHES_MILLIMETRES, ID_CONVERT_INCHES_CENTIMETRES})
        registry.AddDialog(mode, CConvertDlg::kTemplates, [](CommandContext& c) {
            return std::make_unique<CConvertDlg>(c.commandId, c.frame);
        });
    registry.AddDialog<CDescentRateDlg>(ID_CALC_DESCENT_RATE);
    registry.AddDialog<CTimeSpeedDistanceDlg>(ID_CALC_TIME_SPEED_DISTANCE);
    registry.AddDialog<CFuelBurnDlg>(ID_CALC_FUEL_BURN);
    registry.AddDialog<CTimeSumDlg>(ID_CALC_TIME);
    registry.AddDialog<CWeightShiftDlg>(ID_CALC_WEIGHT_SHIFT);
    registry.AddDialog<CFuelQuantityDlg>(ID_CALC_FUEL_QUANTITY);
    registry.AddDialog<CDistanceConvertDlg>(ID_CONVERT_DISTANCE);
    registry.AddDialog<CVolumeConvertDlg>(ID_CONVERT_GALLONS_LITRES);
}
