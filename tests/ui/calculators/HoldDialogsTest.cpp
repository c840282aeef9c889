#include "AirDataTestSupport.h"
#include "DialogTestHelpers.h"

#include "resource.h"
#include "ui/calculators/HoldEntryDlg.h"
#include "ui/calculators/HoldTimingDlg.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

class HoldDialogsTest : public CalculatorDialogTest {
protected:
    void SetUp() override {
        CalculatorDialogTest::SetUp();
        CHoldEntryDlg::LastCourses() = {};
    }
    void TearDown() override {
        CHoldEntryDlg::LastCourses() = {};
        CalculatorDialogTest::TearDown();
    }
};

TEST_F(HoldDialogsTest, TimingShowsHeadingsTimeAndLegAndKeepsTheLegAfterAMessage) {
    CHoldTimingDlg dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    EXPECT_EQ(dialog.Combo(IDC_WIND_SPEED)->itemText(0), "4");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_INBOUND_TIME), "1:00");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_CORRECTION), "1X");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_DISTANCE), "");
    TypeInto(dialog, IDC_WIND_DIRECTION, "270");
    TypeInto(dialog, IDC_WIND_SPEED, "20");
    TypeInto(dialog, IDC_WIND_COURSE, "0");
    TypeInto(dialog, IDC_WIND_TAS, "120");
    dialog.Combo(IDC_HOLD_CORRECTION)->setCurrentIndex(2);
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_WIND_COURSE), "360");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_INBOUND_HEADING), "350°");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_OUTBOUND_HEADING), "210°");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_OUTBOUND_TIME), "1:01");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_DISTANCE), "2.0");

    TypeInto(dialog, IDC_HOLD_INBOUND_TIME, "90");
    ClickButton(dialog, IDC_CALCULATE);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages.first().text,
              "Invalid inbound time. The time must be minutes:seconds");
    EXPECT_EQ(platform.messages.first().title, "Hold");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_INBOUND_HEADING), "0°");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_OUTBOUND_TIME), "0:00");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_DISTANCE), "2.0");

    TypeInto(dialog, IDC_HOLD_INBOUND_TIME, "1:30");
    TypeInto(dialog, IDC_WIND_SPEED, "50"); // 3 x the correction sine exceeds 1
    ClickButton(dialog, IDC_CALCULATE);
    EXPECT_TRUE(platform.messages.last().text.contains("outbound correction"));
}

TEST_F(HoldDialogsTest, EntryFollowsTheListsAndIsRememberedForTheRun) {
    {
        CHoldEntryDlg dialog;
        ASSERT_TRUE(dialog.Create());
        dialog.show();
        EXPECT_EQ(dialog.Combo(IDC_HOLD_INBOUND_COURSE)->count(), 37);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_INBOUND_COURSE), "360");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_APPROACH), "0");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_TYPE), "Standard");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_ENTRY), "Entry: Direct");

        dialog.Combo(IDC_HOLD_APPROACH)->setCurrentIndex(15);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_ENTRY), "Entry: Offset");
        EXPECT_EQ(dialog.Entry().drawing, HoldEntryDrawing::OffsetType);
        dialog.Combo(IDC_HOLD_TYPE)->setCurrentIndex(1);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_ENTRY), "Entry: Parallel");
        TypeInto(dialog, IDC_HOLD_APPROACH, "210");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_ENTRY), "Entry: Offset");
        TypeInto(dialog, IDC_HOLD_APPROACH, "215"); // not a list value: taken as typed
        EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_ENTRY), "Entry: Offset");
        TypeInto(dialog, IDC_HOLD_APPROACH, "400"); // no course: said so, never an empty answer
        EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_ENTRY), "Invalid course value.");
        dialog.Combo(IDC_HOLD_TYPE)->setCurrentIndex(0);
        TypeInto(dialog, IDC_HOLD_INBOUND_COURSE, "155");
        TypeInto(dialog, IDC_HOLD_APPROACH, "300");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_HOLD_ENTRY), "Entry: Offset");
    }
    CHoldEntryDlg again;
    ASSERT_TRUE(again.Create());
    EXPECT_EQ(again.GetDlgItemText(IDC_HOLD_INBOUND_COURSE), "155");
    EXPECT_EQ(again.GetDlgItemText(IDC_HOLD_APPROACH), "300");
    EXPECT_EQ(again.GetDlgItemText(IDC_HOLD_TYPE), "Standard");
}

} // namespace
