#include "AirDataTestSupport.h"
#include "DialogTestHelpers.h"

#include "core/app/ViewTable.h"
#include "core/common/io/DeviceFolders.h"
#include "core/gps/GpsFix.h"
#include "resource.h"
#include "support/TempFolder.h"
#include "ui/app/MainFrame.h"
#include "ui/app/MenuBar.h"
#include "ui/app/ScreenRegistrations.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/MenuBuilder.h"

#include <QMenu>

#include <set>

namespace {

const std::set<int> kCommands{ID_CALC_DENSITY_ALTITUDE,
                              ID_CALC_PRESSURE_ALTITUDE,
                              ID_CALC_STANDARD_TEMP,
                              ID_CALC_TRUE_AIRSPEED,
                              ID_CALC_MACH,
                              ID_CALC_DESCENT_RATE,
                              ID_CALC_TIME_SPEED_DISTANCE,
                              ID_CALC_FUEL_BURN,
                              ID_CALC_TIME,
                              ID_CALC_WEIGHT_SHIFT,
                              ID_CALC_FUEL_QUANTITY,
                              ID_CONVERT_FAHRENHEIT_CELSIUS,
                              ID_CONVERT_POUNDS_KILOGRAMS,
                              ID_CONVERT_MILLIBARS_INCHES,
                              ID_CONVERT_FEET_METRES,
                              ID_CONVERT_INCHES_MILLIMETRES,
                              ID_CONVERT_INCHES_CENTIMETRES,
                              ID_CONVERT_DISTANCE,
                              ID_CONVERT_GALLONS_LITRES};

class AirDataMenusTest : public CalculatorDialogTest {
protected:
    void SetUp() override {
        CalculatorDialogTest::SetUp();
        SetDocumentsFolder(documents.Path());
        RegisterScreens(registry);
    }
    void TearDown() override {
        SetDocumentsFolder(QString());
        CalculatorDialogTest::TearDown();
    }
    TempFolder documents;
    GpsFix fix;
    ScreenRegistry registry;
};

TEST_F(AirDataMenusTest, EveryMenuSetOffersTheCalculatorsEnabled) {
    CTrevallionDoc document(platform.settings, fix);
    ExpectEnabledInEveryView(document, registry, platform.screen, kCommands);
    // A chosen item opens its dialog.
    platform.screen.SetSize(QSize(240, 320));
    CMainFrame frame(document, registry);
    ASSERT_TRUE(frame.Create(ID_VIEW_TIMES));
    frame.OnCommand(ID_CALC_MACH);
    frame.OnCommand(ID_CONVERT_GALLONS_LITRES);
    EXPECT_EQ(platform.modalTitles, (QStringList{"MACH", "Gallons-Litres"}));
}

} // namespace
