#include "AirDataTestSupport.h"
#include "core/calculators/UnitConversion.h"
#include "resource.h"
#include "ui/calculators/ConvertDlg.h"
#include "ui/calculators/DistanceConvertDlg.h"
#include "ui/calculators/FuelQuantityDlg.h"
#include "ui/calculators/VolumeConvertDlg.h"
#include "ui/framework/AppContext.h"
#include "ui/framework/ValueEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ConversionDialogsTest : public CalculatorDialogTest {};

TEST_F(ConversionDialogsTest, ConvertLabelsRowsAndTheLastResultInAValueMenu) {
    CConvertDlg dialog(kMillibarsInchesMode);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.GetDlgItemText(IDC_CONVERT_LABEL1), "Millibars");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_CONVERT_LABEL2), "Inches");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_CONVERT_LABEL3), "Inches");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_CONVERT_LABEL4), "Millibars");
    EXPECT_EQ(dialog.Edit(IDC_CONVERT_INPUT1)->maxLength(), 5);

    ClickButton(dialog, IDC_CONVERT_ROW1); // empty input: nothing happens
    EXPECT_EQ(dialog.GetDlgItemText(IDC_CONVERT_OUTPUT1), "");
    EXPECT_DOUBLE_EQ(CurrentAppState().lastCalcResult, 0.0);

    dialog.SetDlgItemText(IDC_CONVERT_INPUT1, "1013");
    ClickButton(dialog, IDC_CONVERT_ROW1);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_CONVERT_OUTPUT1), "29.91");
    dialog.SetDlgItemText(IDC_CONVERT_INPUT2, "30");
    ClickButton(dialog, IDC_CONVERT_ROW2);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_CONVERT_OUTPUT2), "1015.92");
    EXPECT_DOUBLE_EQ(CurrentAppState().lastCalcResult, 1015.92);

    // A value field elsewhere now offers the result first in its tap-and-hold menu.
    CValueEdit field;
    field.SetRange(20, 5);
    field.resize(80, 24);
    field.show();
    QApplication::processEvents();
    platform.popupAnswers = {CValueEdit::kLastResultCommand};
    QContextMenuEvent hold(QContextMenuEvent::Mouse, QPoint(5, 5), field.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&field, &hold);
    ASSERT_EQ(platform.popupMenus.size(), 1);
    EXPECT_EQ(platform.popupMenus[0].value(0), "1015.9");
    EXPECT_EQ(field.text(), "1015.9");
}

TEST_F(ConversionDialogsTest, UnknownConvertModeLeavesTheLabelsEmpty) {
    CConvertDlg dialog(4711);
    ASSERT_TRUE(dialog.Create());
    for (int id : {IDC_CONVERT_LABEL1, IDC_CONVERT_LABEL2, IDC_CONVERT_LABEL3, IDC_CONVERT_LABEL4})
        EXPECT_EQ(dialog.GetDlgItemText(id), "");
    dialog.SetDlgItemText(IDC_CONVERT_INPUT1, "7");
    ClickButton(dialog, IDC_CONVERT_ROW1);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_CONVERT_OUTPUT1), "7.0");
}

TEST_F(ConversionDialogsTest, DistanceConvertsOnOpeningOnUnitChangeAndOnConvert) {
    CDistanceConvertDlg dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.Caption(), "Distance Conversion");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_UNITS_OUTPUT1), "0.0"); // ran once on opening
    dialog.SetDlgItemText(IDC_UNITS_INPUT, "1");
    ClickButton(dialog, IDC_UNITS_CONVERT);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_UNITS_LABEL1), "Nautical Miles");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_UNITS_OUTPUT1), "0.9");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_UNITS_LABEL2), "Kilometres");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_UNITS_OUTPUT2), "1.6");
    dialog.Combo(IDC_UNITS_LIST)->setCurrentIndex(1); // nautical miles
    EXPECT_EQ(dialog.GetDlgItemText(IDC_UNITS_LABEL1), "Statute Miles");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_UNITS_OUTPUT1), "1.2");
    EXPECT_DOUBLE_EQ(CurrentAppState().lastCalcResult, 0.0);
}

TEST_F(ConversionDialogsTest, VolumeDialogIsTitledGallonsLitres) {
    CVolumeConvertDlg dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.Caption(), "Gallons-Litres");
    EXPECT_EQ(dialog.Combo(IDC_UNITS_LIST)->count(), 3);
    dialog.SetDlgItemText(IDC_UNITS_INPUT, "10");
    ClickButton(dialog, IDC_UNITS_CONVERT);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_UNITS_OUTPUT2), "37.9"); // litres, nothing added
    dialog.OpenContextHelp();
    EXPECT_EQ(platform.helpTopics, QStringList{"Gallons-Litres"});
}

TEST_F(ConversionDialogsTest, FuelQuantityRemembersItsListsAndFollowsTheSourceUnit) {
    platform.settings.WriteText("Fuel type", "Jet A");
    platform.settings.WriteText("Fuel units", "Pounds");
    platform.settings.WriteText("Fuel result", "Litres");
    CFuelQuantityDlg dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.GetDlgItemText(IDC_FUEL_QTY_TYPE), "Jet A");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_FUEL_QTY_UNITS), "Pounds");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_FUEL_QTY_RESULT_UNITS), "Litres");

    QComboBox* source = dialog.Combo(IDC_FUEL_QTY_UNITS);
    source->setCurrentIndex(source->findText("U.S. Gallons"));
    EXPECT_EQ(dialog.Combo(IDC_FUEL_QTY_RESULT_UNITS)->count(), 2);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_FUEL_QTY_RESULT_UNITS), "Pounds");
    dialog.SetDlgItemText(IDC_FUEL_QTY_INPUT, "10");
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_FUEL_QTY_RESULT), "70.0");
    EXPECT_EQ(platform.settings.ReadText("Fuel units"), "U.S. Gallons");
    EXPECT_EQ(platform.settings.ReadText("Fuel result"), "Pounds");
    EXPECT_EQ(platform.settings.ReadText("Fuel type"), "Jet A");

    // From a volume to a weight: the result units become the volumes, "U.S. Gallons" first.
    source->setCurrentIndex(source->findText("Pounds"));
    EXPECT_EQ(dialog.GetDlgItemText(IDC_FUEL_QTY_RESULT_UNITS), "U.S. Gallons");
    dialog.SetDlgItemText(IDC_FUEL_QTY_INPUT, "70");
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_FUEL_QTY_RESULT), "10.0");
}

TEST_F(ConversionDialogsTest, FuelQuantityIgnoresRememberedTextsThatNameNoItem) {
    platform.settings.WriteText("Fuel units", "Barrels");
    CFuelQuantityDlg dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.GetDlgItemText(IDC_FUEL_QTY_UNITS), "U.S. Gallons");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_FUEL_QTY_TYPE), "AVGas");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_FUEL_QTY_RESULT), "0.0"); // ran once on opening
}

} // namespace
