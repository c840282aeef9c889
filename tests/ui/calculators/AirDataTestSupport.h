#pragma once
// Shared by the air data, time and conversion dialog tests: a scripted platform with the last
// calculator result cleared before and after each test, and a click on a dialog's button.

#include "support/ScriptedPlatform.h"
#include "ui/framework/AppContext.h"
#include "ui/framework/CalcDialog.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

class CalculatorDialogTest : public ::testing::Test {
protected:
    void SetUp() override { CurrentAppState().lastCalcResult = 0.0; }
    void TearDown() override { CurrentAppState().lastCalcResult = 0.0; }
    ScriptedPlatform platform;
};

inline void ClickButton(CCalcDialog& dialog, int id) {
    QTest::mouseClick(dialog.Button(id), Qt::LeftButton);
}
