#include "AirDataTestSupport.h"
#include "resource.h"
#include "ui/calculators/FuelBurnDlg.h"
#include "ui/calculators/TimeSpeedDistanceDlg.h"
#include "ui/calculators/TimeSumDlg.h"
#include "ui/calculators/WeightShiftDlg.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(TimeDialogsTest, TimeSpeedDistanceFillsTheEmptyFieldAndClearsWithCe) {
    ScriptedPlatform platform;
    CTimeSpeedDistanceDlg dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.SetDlgItemText(IDC_TSD_SPEED, "120");
    dialog.SetDlgItemText(IDC_TSD_TIME, "1:30");
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_TSD_DISTANCE), "180.0");
    ClickButton(dialog, IDC_CALCULATE); // all three given now
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, "Please leave one value empty.");
    EXPECT_EQ(platform.messages[0].title, "Time/Speed/Distance");
    ClickButton(dialog, IDC_TSD_CLEAR_TIME);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_TSD_TIME), "");
    dialog.SetDlgItemText(IDC_TSD_DISTANCE, "100");
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_TSD_TIME), "0:50");
    ClickButton(dialog, IDC_TSD_CLEAR_SPEED);
    ClickButton(dialog, IDC_TSD_CLEAR_TIME);
    ClickButton(dialog, IDC_CALCULATE); // only a distance: asked for, never divided by zero
    EXPECT_EQ(platform.messages.last().text, "Please enter the speed or the time.");
    ClickButton(dialog, IDC_TSD_CLEAR_DISTANCE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_TSD_DISTANCE), "");
}

TEST(TimeDialogsTest, FuelBurn) {
    ScriptedPlatform platform;
    CFuelBurnDlg dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.SetDlgItemText(IDC_FUEL_BURN_QUANTITY, "40");
    dialog.SetDlgItemText(IDC_FUEL_BURN_TIME, "230");
    ClickButton(dialog, IDC_CALCULATE);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, "Invalid time format, must be hh:mm.");
    dialog.SetDlgItemText(IDC_FUEL_BURN_TIME, "2:30");
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_FUEL_BURN_RATE), "16.0");
}

TEST(TimeDialogsTest, TimeSumAddsSubtractsAndNeverGoesBelowZero) {
    ScriptedPlatform platform;
    CTimeSumDlg dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    dialog.SetDlgItemText(IDC_TIME_SUM_TIME, "1:75");
    ClickButton(dialog, IDC_TIME_SUM_ADD);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_TIME_SUM_TOTAL), "2:15");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_TIME_SUM_TIME), "");
    QApplication::processEvents();
    EXPECT_EQ(dialog.FocusEditId(), IDC_TIME_SUM_TIME);
    // Typed through the keypad into the focused Time field.
    for (int key : {IDC_KEY_3, IDC_KEY_COLON, IDC_KEY_0, IDC_KEY_0})
        ClickButton(dialog, key);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_TIME_SUM_TIME), "3:00");
    ClickButton(dialog, IDC_TIME_SUM_SUBTRACT);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_TIME_SUM_TOTAL), "0:00");
    dialog.SetDlgItemText(IDC_TIME_SUM_TIME, "90");
    ClickButton(dialog, IDC_TIME_SUM_ADD);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, "Invalid time format, must be hh:mm.");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_TIME_SUM_TIME), "90"); // kept for correcting
}

TEST(TimeDialogsTest, WeightShiftMovesTheFocusToTheFieldAMessageNames) {
    ScriptedPlatform platform;
    CWeightShiftDlg dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    dialog.SetDlgItemText(IDC_SHIFT_AIRCRAFT_WEIGHT, "2000");
    ClickButton(dialog, IDC_CALCULATE);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, "Please enter the arm distance.");
    QApplication::processEvents();
    EXPECT_EQ(dialog.FocusEditId(), IDC_SHIFT_ARM_DISTANCE);
    dialog.SetDlgItemText(IDC_SHIFT_ARM_DISTANCE, "50");
    dialog.SetDlgItemText(IDC_SHIFT_WEIGHT_TO_MOVE, "20");
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SHIFT_DISTANCE_TO_MOVE), "0.5");
    ClickButton(dialog, IDC_SHIFT_CLEAR_WEIGHT);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SHIFT_WEIGHT_TO_MOVE), "");
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SHIFT_WEIGHT_TO_MOVE), "20.0");
    ClickButton(dialog, IDC_SHIFT_CLEAR_DISTANCE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SHIFT_DISTANCE_TO_MOVE), "");
}

} // namespace
