#include "ChecklistUiFixture.h"

#include "resource.h"
#include "ui/checklists/CheckListView.h"
#include "ui/checklists/ChecklistEditDlg.h"
#include "ui/checklists/ChecklistStepButton.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTabBar>

namespace {

class CheckListViewTest : public ChecklistUiTest {
protected:
    std::unique_ptr<CCheckListView> MakeView() {
        auto view = std::make_unique<CCheckListView>(*document);
        EXPECT_TRUE(view->Create()) << view->CreateError().toStdString();
        view->show();
        return view;
    }
    static QStringList ComboTexts(const CCheckListView& view, int id) {
        QStringList texts;
        for (int i = 0; i < view.Combo(id)->count(); ++i)
            texts.append(view.Combo(id)->itemText(i));
        return texts;
    }
    static QString CurrentItem(const CCheckListView& view) {
        const QTreeWidgetItem* item = view.Item<QTreeWidget>(IDC_CHECKLIST_ITEMS)->currentItem();
        return item ? item->text(0) : QString();
    }
};

TEST_F(CheckListViewTest, OpensOnTheFirstEntryOfEveryLevel) {
    auto view = MakeView();
    EXPECT_EQ(view->ViewTitle(), "Checklist");
    EXPECT_EQ(ComboTexts(*view, IDC_CHECKLIST_AIRCRAFT), (QStringList{"Trainer", "Tourer"}));
    const QTabBar* tabs = view->Item<QTabBar>(IDC_CHECKLIST_TABS);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), "Emergency");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(ComboTexts(*view, IDC_CHECKLIST_GROUPS), QStringList{"Ground"});
    EXPECT_EQ(ComboTexts(*view, IDC_CHECKLIST_SUBGROUPS), (QStringList{"Before Start", "Start"}));
    EXPECT_EQ(view->Item<QTreeWidget>(IDC_CHECKLIST_ITEMS)->topLevelItemCount(), 2);
    EXPECT_EQ(CurrentItem(*view), "Brakes:Set");
    EXPECT_EQ(view->GetDlgItemText(IDC_CHECKLIST_STEP), "Item: Brakes\nCheck: Set");

    // A tab without groups leaves the lower lists and the button empty; stepping does nothing.
    view->Item<QTabBar>(IDC_CHECKLIST_TABS)->setCurrentIndex(1);
    EXPECT_EQ(view->Combo(IDC_CHECKLIST_GROUPS)->count(), 0);
    EXPECT_EQ(view->Combo(IDC_CHECKLIST_SUBGROUPS)->count(), 0);
    EXPECT_EQ(view->Item<QTreeWidget>(IDC_CHECKLIST_ITEMS)->topLevelItemCount(), 0);
    EXPECT_EQ(view->GetDlgItemText(IDC_CHECKLIST_STEP), "");
    view->Step();
    EXPECT_TRUE(platform.messages.isEmpty());

    // Another aircraft fills its own tabs and lists.
    view->Combo(IDC_CHECKLIST_AIRCRAFT)->setCurrentIndex(1);
    EXPECT_EQ(view->Item<QTabBar>(IDC_CHECKLIST_TABS)->count(), 1);
    EXPECT_EQ(ComboTexts(*view, IDC_CHECKLIST_SUBGROUPS), QStringList{"Cruise"});
    EXPECT_EQ(CurrentItem(*view), "Power:Set");
}

TEST_F(CheckListViewTest, StepsThroughASubGroupAndOffersTheNextOne) {
    auto view = MakeView();
    QPushButton* step = view->Button(IDC_CHECKLIST_STEP);
    QTest::mouseClick(step, Qt::LeftButton);
    EXPECT_EQ(CurrentItem(*view), "Beacon");
    EXPECT_EQ(view->GetDlgItemText(IDC_CHECKLIST_STEP), "Item: Beacon"); // no ":", no check

    // Cancel at the question keeps the sub group and the item.
    platform.messageAnswers = {kIdCancel};
    QTest::mouseClick(step, Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, "This is the end of the Before Start check list.\n\n"
                                         "Click OK to start the Start check list.");
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(platform.messages[0].title, "Checklist");
    EXPECT_EQ(view->Combo(IDC_CHECKLIST_SUBGROUPS)->currentText(), "Before Start");
    EXPECT_EQ(CurrentItem(*view), "Beacon");

    // OK starts the next sub group at its first item.
    platform.messageAnswers = {kIdOk};
    QTest::mouseClick(step, Qt::LeftButton);
    EXPECT_EQ(view->Combo(IDC_CHECKLIST_SUBGROUPS)->currentText(), "Start");
    EXPECT_EQ(CurrentItem(*view), "Mixture:Rich");

    // The last item of the last sub group only says so; the selection stays.
    QTest::mouseClick(step, Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 3);
    EXPECT_EQ(platform.messages[2].text, "This is the end of the Start check list.");
    EXPECT_EQ(platform.messages[2].buttons, MessageButtons::Ok);
    EXPECT_EQ(platform.messages[2].icon, MessageIcon::Information);
    EXPECT_EQ(view->Combo(IDC_CHECKLIST_SUBGROUPS)->currentText(), "Start");
    EXPECT_EQ(CurrentItem(*view), "Mixture:Rich");
}

TEST_F(CheckListViewTest, SteppingKeysWorkLikeTheButton) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool steps;
    } cases[] = {
        {Qt::Key_Space, Qt::NoModifier, true},     {Qt::Key_Return, Qt::NoModifier, true},
        {Qt::Key_Enter, Qt::KeypadModifier, true}, {Qt::Key_PageDown, Qt::NoModifier, true},
        {Qt::Key_Right, Qt::NoModifier, true},     {Qt::Key_Down, Qt::NoModifier, true},
        {Qt::Key_MediaNext, Qt::NoModifier, true}, {Qt::Key_Return, Qt::ControlModifier, false},
        {Qt::Key_Enter, Qt::AltModifier, false},   {Qt::Key_Left, Qt::NoModifier, false},
        {Qt::Key_A, Qt::NoModifier, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QKeySequence(c.key | c.modifiers).toString().toStdString());
        auto view = MakeView();
        // Wherever the focus rests between steps: the item list or the large button.
        for (int id : {IDC_CHECKLIST_ITEMS, IDC_CHECKLIST_STEP}) {
            view->FillAircraft();
            QTest::keyClick(view->GetDlgItem(id), c.key, c.modifiers);
            EXPECT_EQ(CurrentItem(*view), c.steps ? "Beacon" : "Brakes:Set") << id;
        }
    }
}

TEST_F(CheckListViewTest, WithoutChecklistsOnlyEditIsEnabled) {
    WriteChecklists(QByteArray());
    auto view = MakeView();
    for (int id : {IDC_CHECKLIST_AIRCRAFT, IDC_CHECKLIST_TABS, IDC_CHECKLIST_GROUPS,
                   IDC_CHECKLIST_SUBGROUPS, IDC_CHECKLIST_ITEMS, IDC_CHECKLIST_STEP})
        EXPECT_FALSE(view->GetDlgItem(id)->isEnabled()) << id;
    EXPECT_TRUE(view->GetDlgItem(IDC_CHECKLIST_EDIT)->isEnabled());
    QTest::keyClick(view->GetDlgItem(IDC_CHECKLIST_ITEMS), Qt::Key_Space);
    EXPECT_TRUE(platform.messages.isEmpty());
}

// Renames the entry at `path` (indexes from the root) in the editor and presses OK.
ScriptedPlatform::DialogScript RenameAndOk(QList<int> path, QString text) {
    return [path, text](QDialog* dialog) {
        auto* editor = static_cast<CChecklistEditDlg*>(dialog);
        auto* tree = editor->Item<QTreeWidget>(IDC_CHECKLIST_TREE);
        QTreeWidgetItem* item = tree->topLevelItem(path[0]);
        for (int i = 1; i < path.size(); ++i)
            item = item->child(path[i]);
        tree->setCurrentItem(item);
        tree->editItem(item, 0);
        TypeLabel(tree, text);
        QTest::mouseClick(editor->Button(kIdOk), Qt::LeftButton);
        return editor->result();
    };
}

TEST_F(CheckListViewTest, AfterEditingShowsTheAircraftShownBeforeOrTheFirst) {
    auto view = MakeView();
    view->Combo(IDC_CHECKLIST_AIRCRAFT)->setCurrentIndex(1);

    // An item of the shown aircraft changes: the view shows it, still on "Tourer".
    platform.dialogScripts = {RenameAndOk({1, 0, 0, 0, 0}, "Power:Cruise")};
    QTest::mouseClick(view->Button(IDC_CHECKLIST_EDIT), Qt::LeftButton);
    EXPECT_EQ(platform.modalTitles, QStringList{"Checklists"});
    EXPECT_EQ(view->Combo(IDC_CHECKLIST_AIRCRAFT)->currentText(), "Tourer");
    EXPECT_EQ(CurrentItem(*view), "Power:Cruise");
    EXPECT_EQ(view->GetDlgItemText(IDC_CHECKLIST_STEP), "Item: Power\nCheck: Cruise");

    // The shown aircraft renamed away: the first one is shown.
    platform.dialogScripts = {RenameAndOk({1}, "Tourer II")};
    QTest::mouseClick(view->Button(IDC_CHECKLIST_EDIT), Qt::LeftButton);
    EXPECT_EQ(ComboTexts(*view, IDC_CHECKLIST_AIRCRAFT), (QStringList{"Trainer", "Tourer II"}));
    EXPECT_EQ(view->Combo(IDC_CHECKLIST_AIRCRAFT)->currentText(), "Trainer");

    // The edit is in the file: a new document reads it back.
    ChecklistData reread;
    ASSERT_TRUE(reread.LoadChecklists().ok());
    EXPECT_EQ(reread.AircraftNames(), (QStringList{"Trainer", "Tourer II"}));
}

// A check as long as the file allows is read whole: the step button grows over the list (which
// keeps two rows) and wraps it, and the list wraps it on more lines instead of cutting it.
TEST_F(CheckListViewTest, ALongCheckIsShownWhole) {
    for (const int length : {150, 254 - 6}) {
        const QString check =
            QString(QStringLiteral("Check the fuel quantity gauges ")).repeated(9).left(length);
        WriteChecklists(BuildArea({{0, "Tourer"},
                                   {1, "Normal"},
                                   {2, "Ground"},
                                   {3, "Before Start"},
                                   {4, QStringLiteral("Fuel:") + check},
                                   {4, "Brakes:Set"}}));
        auto view = MakeView();
        view->resize(240, 294);
        QApplication::processEvents();
        auto* step = view->Item<CChecklistStepButton>(IDC_CHECKLIST_STEP);
        const auto* items = view->Item<QTreeWidget>(IDC_CHECKLIST_ITEMS);
        ASSERT_NE(step, nullptr);
        EXPECT_GE(step->height(), step->HeightForText(step->width())) << length;
        EXPECT_GE(items->height(), 2 * items->fontMetrics().height()) << length;
        EXPECT_LE(items->geometry().bottom(), step->geometry().top()) << length;
        const QRect row = items->visualItemRect(items->topLevelItem(0));
        EXPECT_GT(row.height(), 2 * items->fontMetrics().height()) << length; // wrapped
    }
}

} // namespace
