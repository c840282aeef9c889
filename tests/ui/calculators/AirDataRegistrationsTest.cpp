#include "AirDataTestSupport.h"

#include "core/gps/GpsFix.h"
#include "resource.h"
#include "ui/calculators/AirDataRegistrations.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/document/TrevallionDoc.h"

namespace {

class AirDataRegistrationsTest : public CalculatorDialogTest {
protected:
    // Runs a menu command and returns the caption and the first label of the dialog it opened.
    QStringList Run(int commandId) {
        QStringList seen;
        platform.dialogScripts.append([&seen](QDialog* d) {
            auto* dialog = static_cast<CCalcDialog*>(d);
            seen << dialog->Caption() << dialog->GetDlgItemText(IDC_AIR_LABEL1);
            return static_cast<int>(kIdCancel);
        });
        CommandContext context{document, nullptr, commandId, ID_VIEW_TIMES, commands};
        EXPECT_TRUE(registry.RunCommand(commandId, context)) << commandId;
        return seen;
    }

    GpsFix fix;
    CTrevallionDoc document{platform.settings, fix};
    ScreenRegistry registry;
    CCommandTable commands;
};

TEST_F(AirDataRegistrationsTest, CalcAndConvertCommandsOpenTheirDialogsInTheirModes) {
    RegisterAirDataCalculators(registry);
    const struct {
        int command;
        const char* caption;
        const char* firstLabel; // labels 1210 of the Calc and Convert dialogs
    } cases[] = {
        {ID_CALC_DENSITY_ALTITUDE, "Density Altitude", "Altitude"},
        {ID_CALC_PRESSURE_ALTITUDE, "Pressure Altitude", "Altitude"},
        {ID_CALC_STANDARD_TEMP, "Standard Temperature", "Pressure Altitude"},
        {ID_CALC_TRUE_AIRSPEED, "True Air Speed", "Pressure Altitude"},
        {ID_CALC_MACH, "MACH", "Incicated Air Speed"},
        {ID_CONVERT_FAHRENHEIT_CELSIUS, "Convert", "Fahrenheit"},
        {ID_CONVERT_POUNDS_KILOGRAMS, "Convert", "Pounds"},
        {ID_CONVERT_MILLIBARS_INCHES, "Convert", "Millibars"},
        {ID_CONVERT_FEET_METRES, "Convert", "Feet"},
        {ID_CONVERT_INCHES_MILLIMETRES, "Convert", "Inches"},
        {ID_CONVERT_INCHES_CENTIMETRES, "Convert", "Inches"},
        {ID_CALC_DESCENT_RATE, "Descent Rate", nullptr},
        {ID_CALC_TIME_SPEED_DISTANCE, "Time/Speed/Distance", nullptr},
        {ID_CALC_FUEL_BURN, "Fuel Burn", nullptr},
        {ID_CALC_TIME, "Time", nullptr},
        {ID_CALC_WEIGHT_SHIFT, "Weight Shift", nullptr},
        {ID_CALC_FUEL_QUANTITY, "Fuel Quantity", nullptr},
        {ID_CONVERT_DISTANCE, "Distance Conversion", nullptr},
        {ID_CONVERT_GALLONS_LITRES, "Gallons-Litres", nullptr},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(registry.HasCommand(c.command)) << c.command;
        const QStringList seen = Run(c.command);
        ASSERT_EQ(seen.size(), 2) << c.command;
        EXPECT_EQ(seen[0], c.caption) << c.command;
        if (c.firstLabel) {
            EXPECT_EQ(seen[1], c.firstLabel) << c.command;
        }
    }
    EXPECT_EQ(registry.DialogTemplates().size(), std::size(cases));
}

} // namespace
