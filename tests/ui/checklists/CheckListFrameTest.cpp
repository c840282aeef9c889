// The checklist view as the pilot meets it: View > Checklist in the main frame, stepped with the
// Space key.
#include "ChecklistUiFixture.h"

#include "core/app/ViewTable.h"
#include "resource.h"
#include "ui/app/MainFrame.h"
#include "ui/checklists/CheckListView.h"
#include "ui/checklists/ChecklistRegistrations.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/framework/AppContext.h"

#include <QApplication>
#include <QComboBox>

namespace {

class CheckListFrameTest : public ChecklistUiTest {
protected:
    void SetUp() override {
        ChecklistUiTest::SetUp();
        InstallAppState(&state);
    }
    void TearDown() override {
        InstallAppState(nullptr);
        ChecklistUiTest::TearDown();
    }
    AppState state;
};

TEST_F(CheckListFrameTest, ViewChecklistStepsWithSpaceAndOffersTheNextSubGroup) {
    ScreenRegistry registry;
    RegisterChecklistScreens(registry);
    CMainFrame frame(*document, registry);
    const Status created = frame.Create(ID_VIEW_TIMES);
    ASSERT_TRUE(created.ok()) << created.error().text.toStdString();
    frame.Commands().Run(ID_VIEW_CHECKLIST);
    auto* view = dynamic_cast<CCheckListView*>(frame.ActiveView());
    ASSERT_NE(view, nullptr);
    auto* items = view->Item<QTreeWidget>(IDC_CHECKLIST_ITEMS);
    EXPECT_EQ(view->Combo(IDC_CHECKLIST_SUBGROUPS)->currentText(), "Before Start");
    platform.messageAnswers = {kIdOk};
    for (int i = 0; i < items->topLevelItemCount(); ++i)
        QTest::keyClick(items, Qt::Key_Space);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].text.startsWith("This is the end of the Before Start"));
    EXPECT_EQ(view->Combo(IDC_CHECKLIST_SUBGROUPS)->currentText(), "Start");
    EXPECT_EQ(items->currentItem()->text(0), "Mixture:Rich");
}

TEST_F(CheckListFrameTest, TheItemListHasTheFocusWhenTheProgramStartsInTheView) {
    ScreenRegistry registry;
    RegisterChecklistScreens(registry);
    CMainFrame frame(*document, registry);
    const Status created = frame.Create(ID_VIEW_CHECKLIST);
    ASSERT_TRUE(created.ok()) << created.error().text.toStdString();
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    auto* view = dynamic_cast<CCheckListView*>(frame.ActiveView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), view->GetDlgItem(IDC_CHECKLIST_ITEMS));
}

} // namespace
