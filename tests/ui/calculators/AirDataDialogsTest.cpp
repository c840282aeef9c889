#include "AirDataTestSupport.h"
#include "core/calculators/AirData.h"
#include "resource.h"
#include "ui/calculators/AirDataDlg.h"
#include "ui/calculators/DescentRateDlg.h"
#include "ui/framework/AppContext.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class AirDataDialogsTest : public CalculatorDialogTest {};

TEST_F(AirDataDialogsTest, KeypadTypesIntoTheFocusedFieldUpToEightCharacters) {
    CAirDataDlg dialog(kDensityAltitudeMode);
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    dialog.Edit(IDC_AIR_INPUT2)->setFocus();
    QApplication::processEvents();
    for (int key : {IDC_KEY_2, IDC_KEY_9, IDC_KEY_POINT, IDC_KEY_9, IDC_KEY_2})
        ClickButton(dialog, key);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_AIR_INPUT2), "29.92");
    dialog.Edit(IDC_AIR_INPUT1)->setFocus();
    QApplication::processEvents();
    for (int i = 0; i < 10; ++i)
        ClickButton(dialog, IDC_KEY_1);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_AIR_INPUT1), "11111111");
    ClickButton(dialog, IDC_KEY_CE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_AIR_INPUT1), "1111111");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_AIR_INPUT2), "29.92");
}

TEST_F(AirDataDialogsTest, EachModeSetsTitleLabelsAndHiddenInputs) {
    const struct {
        int mode;
        const char* title;
        QStringList labels; // shown inputs, in order
    } cases[] = {
        {kDensityAltitudeMode, "Density Altitude", {"Altitude", "Altimeter", "Temperature (°C)"}},
        {kPressureAltitudeMode, "Pressure Altitude", {"Altitude", "Altimeter"}},
        {kStandardTemperatureMode, "Standard Temperature", {"Pressure Altitude"}},
        {kTrueAirSpeedMode,
         "True Air Speed",
         {"Pressure Altitude", "Temperature (°C)", "Air Speed"}},
        {kMachMode, "MACH", {"Incicated Air Speed", "Pressure Altitude"}},
    };
    const int inputs[] = {IDC_AIR_INPUT1, IDC_AIR_INPUT2, IDC_AIR_INPUT3, IDC_AIR_INPUT4};
    const int labels[] = {IDC_AIR_LABEL1, IDC_AIR_LABEL2, IDC_AIR_LABEL3, IDC_AIR_LABEL4};
    for (const auto& c : cases) {
        CAirDataDlg dialog(c.mode);
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(dialog.Caption(), c.title);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_AIR_RESULT_LABEL), c.title);
        for (int i = 0; i < 4; ++i) {
            const bool shown = i < c.labels.size();
            EXPECT_EQ(dialog.GetDlgItem(inputs[i])->isHidden(), !shown) << c.title << i;
            EXPECT_EQ(dialog.GetDlgItem(labels[i])->isHidden(), !shown) << c.title << i;
            if (shown) {
                EXPECT_EQ(dialog.GetDlgItemText(labels[i]), c.labels[i]);
            }
            EXPECT_EQ(dialog.Edit(inputs[i])->maxLength(), 8);
        }
        dialog.OpenContextHelp();
        EXPECT_EQ(platform.helpTopics.last(), QString(c.title).remove(' '));
    }
}

TEST_F(AirDataDialogsTest, CalculateShowsTheResultAndSetsTheLastResult) {
    CAirDataDlg dialog(kPressureAltitudeMode);
    ASSERT_TRUE(dialog.Create());
    dialog.SetDlgItemText(IDC_AIR_INPUT1, "0");
    dialog.SetDlgItemText(IDC_AIR_INPUT2, "948"); // refused: the message, then 29.92
    ClickButton(dialog, IDC_CALCULATE);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].text.startsWith("Invalid altimeter."));
    EXPECT_EQ(platform.messages[0].title, "Pressure Altitude");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_AIR_RESULT), "1");
    EXPECT_DOUBLE_EQ(CurrentAppState().lastCalcResult, 1.0);

    // An empty first input empties the result and keeps the last result.
    dialog.SetDlgItemText(IDC_AIR_INPUT1, "");
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_AIR_RESULT), "");
    EXPECT_DOUBLE_EQ(CurrentAppState().lastCalcResult, 1.0);
}

TEST_F(AirDataDialogsTest, RefusedMachLeavesTheResultEmpty) {
    CAirDataDlg dialog(kMachMode);
    ASSERT_TRUE(dialog.Create());
    dialog.SetDlgItemText(IDC_AIR_INPUT1, "250");
    dialog.SetDlgItemText(IDC_AIR_INPUT2, "30000");
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_AIR_RESULT), "0.67");
    dialog.SetDlgItemText(IDC_AIR_INPUT2, "150000");
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_AIR_RESULT), "");
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].text.startsWith("Pressure altitude out of range."));
    EXPECT_DOUBLE_EQ(CurrentAppState().lastCalcResult, 0.67);
}

TEST_F(AirDataDialogsTest, DescentRate) {
    CDescentRateDlg dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.GetDlgItemText(IDC_DESCENT_RATE), "500");
    dialog.SetDlgItemText(IDC_DESCENT_CURRENT_ALT, "5000");
    dialog.SetDlgItemText(IDC_DESCENT_DESIRED_ALT, "1000");
    ClickButton(dialog, IDC_CALCULATE);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, "Please enter the ground speed.");
    EXPECT_EQ(platform.messages[0].title, "Descent Rate");
    dialog.SetDlgItemText(IDC_DESCENT_GROUND_SPEED, "120");
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_DESCENT_DISTANCE), "16nm");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_DESCENT_TIME), "08:00");
    EXPECT_TRUE(dialog.Edit(IDC_DESCENT_TIME)->isReadOnly());
    EXPECT_DOUBLE_EQ(CurrentAppState().lastCalcResult, 0.0); // only Calc and Convert set it
}

} // namespace

namespace {

TEST(AirDataSquareScreenTest, PortraitTemplateWithoutKeypadAndACancelInTheTitle) {
    ScriptedPlatform platform(QSize(240, 240));
    CAirDataDlg dialog(kTrueAirSpeedMode);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.CreatedTemplateId(), CAirDataDlg::kTemplates.portrait);
    EXPECT_TRUE(dialog.GetDlgItem(IDC_KEY_5)->isHidden());
    EXPECT_TRUE(dialog.GetDlgItem(IDC_CLOSE)->isHidden());
    EXPECT_FALSE(dialog.GetDlgItem(IDC_CALCULATE)->isHidden());
    QPushButton* cancel = nullptr;
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->property("controlId").toInt() == CCalcDialog::kCancelOnSquare)
            cancel = button;
    ASSERT_NE(cancel, nullptr);
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), kIdCancel);
}

} // namespace
