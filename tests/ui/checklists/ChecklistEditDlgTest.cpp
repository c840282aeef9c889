#include "ChecklistUiFixture.h"

#include "core/checklists/ChecklistData.h"
#include "resource.h"
#include "ui/checklists/ChecklistEditDlg.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>

namespace {

class ChecklistEditDlgTest : public ChecklistUiTest {
protected:
    std::unique_ptr<CChecklistEditDlg> MakeEditor() {
        auto editor = std::make_unique<CChecklistEditDlg>(document->Checklists());
        EXPECT_TRUE(editor->Create()) << editor->CreateError().toStdString();
        editor->show();
        return editor;
    }
    static QTreeWidget* Tree(const CChecklistEditDlg& editor) {
        return editor.Item<QTreeWidget>(IDC_CHECKLIST_TREE);
    }
    static QTreeWidgetItem* At(const CChecklistEditDlg& editor, QList<int> path) {
        QTreeWidgetItem* item = Tree(editor)->topLevelItem(path.takeFirst());
        for (int index : path)
            item = item->child(index);
        return item;
    }
    static QStringList Buttons(const CChecklistEditDlg& editor) {
        const QWidget* addChild = editor.GetDlgItem(IDC_CHECKLIST_ADD_CHILD);
        return {editor.GetDlgItemText(IDC_CHECKLIST_ADD),
                addChild->isVisible() ? editor.GetDlgItemText(IDC_CHECKLIST_ADD_CHILD) : "-",
                editor.GetDlgItemText(IDC_CHECKLIST_DELETE)};
    }
    static QString EditedText(const CChecklistEditDlg& editor) {
        const QLineEdit* line = OpenLabelEditor(Tree(editor));
        return line ? line->text() : QString();
    }
};

TEST_F(ChecklistEditDlgTest, ShowsTheHierarchyWithButtonsByLevel) {
    auto editor = MakeEditor();
    EXPECT_EQ(editor->Caption(), "Checklists");
    ASSERT_EQ(Tree(*editor)->topLevelItemCount(), 2);
    EXPECT_EQ(At(*editor, {0, 0, 0, 1, 0})->text(0), "Mixture:Rich");
    const struct {
        QList<int> path;
        QStringList buttons;
    } cases[] = {
        {{0}, {"Add Aircraft", "Add Tab", "Delete Aircraft"}},
        {{0, 0}, {"Add Tab", "Add Group", "Delete Tab"}},
        {{0, 0, 0}, {"Add Group", "Add Subgroup", "Delete Group"}},
        {{0, 0, 0, 0}, {"Add SubGroup", "Add Item", "Delete SubGroup"}},
        {{0, 0, 0, 0, 1}, {"Add Item", "-", "Delete Item"}},
        {{1}, {"Add Aircraft", "Add Tab", "Delete Aircraft"}},
    };
    for (const auto& c : cases) {
        Tree(*editor)->setCurrentItem(At(*editor, c.path));
        EXPECT_EQ(Buttons(*editor), c.buttons) << c.buttons.join(", ").toStdString();
    }
    // An item holds no entries: adding one below it does nothing.
    Tree(*editor)->setCurrentItem(At(*editor, {0, 0, 0, 0, 1}));
    editor->OnAddChild();
    EXPECT_EQ(At(*editor, {0, 0, 0, 0, 1})->childCount(), 0);
}

TEST_F(ChecklistEditDlgTest, AddAndAddChildInsertNewAndStartEditing) {
    auto editor = MakeEditor();
    Tree(*editor)->setCurrentItem(At(*editor, {0, 0, 0, 0}));
    QTest::mouseClick(editor->Button(IDC_CHECKLIST_ADD), Qt::LeftButton);
    // Directly after the selected sub group, at its level, being edited.
    EXPECT_EQ(At(*editor, {0, 0, 0, 1})->text(0), "New");
    EXPECT_EQ(Tree(*editor)->currentItem(), At(*editor, {0, 0, 0, 1}));
    EXPECT_EQ(EditedText(*editor), "New");
    TypeLabel(Tree(*editor), "Taxi");
    EXPECT_EQ(At(*editor, {0, 0, 0, 2})->text(0), "Start");

    QTest::mouseClick(editor->Button(IDC_CHECKLIST_ADD_CHILD), Qt::LeftButton);
    TypeLabel(Tree(*editor), "Brakes:Check");
    const QList<ChecklistNode> roots = editor->TreeNodes();
    const ChecklistNode& taxi = roots[0].children[0].children[0].children[1];
    EXPECT_EQ(taxi, (ChecklistNode{kSubGroupLevel, "Taxi", {{kItemLevel, "Brakes:Check", {}}}}));
}

TEST_F(ChecklistEditDlgTest, AddOnAnEmptyTreeCreatesAnAircraft) {
    WriteChecklists(QByteArray());
    auto editor = MakeEditor();
    EXPECT_EQ(Buttons(*editor), (QStringList{"Add Aircraft", "Add Tab", "Delete Aircraft"}));
    EXPECT_FALSE(editor->GetDlgItem(IDC_CHECKLIST_DELETE)->isEnabled());
    QTest::mouseClick(editor->Button(IDC_CHECKLIST_ADD), Qt::LeftButton);
    TypeLabel(Tree(*editor), "Glider");
    EXPECT_EQ(editor->TreeNodes(), (QList<ChecklistNode>{{kAircraftLevel, "Glider", {}}}));
    QTest::mouseClick(editor->Button(kIdOk), Qt::LeftButton);
    EXPECT_EQ(editor->result(), kIdOk);
    EXPECT_EQ(document->Checklists().AircraftNames(), QStringList{"Glider"});
}

TEST_F(ChecklistEditDlgTest, DeleteAsksByLevelAndRemovesEverythingBelow) {
    auto editor = MakeEditor();
    Tree(*editor)->setCurrentItem(At(*editor, {0, 0, 0, 0}));
    platform.messageAnswers = {kIdNo};
    QTest::mouseClick(editor->Button(IDC_CHECKLIST_DELETE), Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, "Delete the Before Start sub group?");
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(platform.messages[0].title, "Checklists");
    EXPECT_EQ(At(*editor, {0, 0, 0})->childCount(), 2);

    platform.messageAnswers = {kIdYes};
    QTest::mouseClick(editor->Button(IDC_CHECKLIST_DELETE), Qt::LeftButton);
    ASSERT_EQ(At(*editor, {0, 0, 0})->childCount(), 1);
    EXPECT_EQ(At(*editor, {0, 0, 0, 0})->text(0), "Start");
}

TEST_F(ChecklistEditDlgTest, OkWithoutChangesWritesNothingAndCancelKeepsEverything) {
    const QString path = ChecklistFilePath();
    const QByteArray before = ReadBytes(path);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(0, 0)),
                                     QFileDevice::FileModificationTime));
    }
    const QDateTime stamp = QFileInfo(path).lastModified();
    {
        auto editor = MakeEditor();
        QTest::mouseClick(editor->Button(kIdOk), Qt::LeftButton);
        EXPECT_EQ(editor->result(), kIdOk);
    }
    {
        auto editor = MakeEditor();
        Tree(*editor)->setCurrentItem(At(*editor, {0}));
        editor->OnAdd();
        TypeLabel(Tree(*editor), "Extra");
        QTest::mouseClick(editor->Button(kIdCancel), Qt::LeftButton);
        EXPECT_EQ(editor->result(), kIdCancel);
    }
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(QFileInfo(path).lastModified(), stamp);
    EXPECT_EQ(document->Checklists().AircraftNames(), (QStringList{"Trainer", "Tourer"}));
}

TEST_F(ChecklistEditDlgTest, LabelsTheFileCannotHoldAreRefusedAndEditingGoesOn) {
    auto editor = MakeEditor();
    QTreeWidgetItem* item = At(*editor, {0, 0, 0, 0, 0});
    for (const QString& bad : {QString(300, QChar('x')), QString()}) {
        if (!OpenLabelEditor(Tree(*editor))) // after a refusal the editor is open already
            Tree(*editor)->editItem(item, 0);
        platform.messages.clear();
        TypeLabel(Tree(*editor), bad);
        ASSERT_EQ(platform.messages.size(), 1);
        EXPECT_TRUE(platform.messages[0].text.startsWith("Error:\n"));
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
        EXPECT_EQ(item->text(0), "Brakes:Set"); // the tree keeps the old label
        EXPECT_EQ(EditedText(*editor), bad);    // and the pilot goes on editing
    }
    TypeLabel(Tree(*editor), "Brakes:Hold");
    EXPECT_EQ(item->text(0), "Brakes:Hold");

    // OK while a label is still being edited: a good one is kept and saved, a bad one stops OK.
    platform.messages.clear();
    Tree(*editor)->editItem(item, 0);
    OpenLabelEditor(Tree(*editor))->setText(QString(255, QChar('x')));
    QTest::mouseClick(editor->Button(kIdOk), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(EditedText(*editor), QString(255, QChar('x')));
    OpenLabelEditor(Tree(*editor))->setText("Brakes:Off");
    QTest::mouseClick(editor->Button(kIdOk), Qt::LeftButton);
    EXPECT_EQ(editor->result(), kIdOk);
    EXPECT_EQ(document->Checklists().ItemsOf(document->Checklists().Records()[3].offset),
              (QStringList{"Brakes:Off", "Beacon"}));
}

TEST_F(ChecklistEditDlgTest, AFailedSaveIsReportedAndTheDialogStaysOpen) {
    // The file's place is taken by a folder, so it cannot be written (whatever the rights).
    const QString blocked = documents.File("blocked/checklist.db");
    ASSERT_TRUE(QDir().mkpath(blocked));
    const QByteArray before = ReadBytes(ChecklistFilePath());
    CChecklistEditDlg editor(document->Checklists(), nullptr, blocked);
    ASSERT_TRUE(editor.Create());
    editor.show();
    Tree(editor)->setCurrentItem(At(editor, {1}));
    Tree(editor)->editItem(At(editor, {1}), 0);
    TypeLabel(Tree(editor), "Tourer II");
    QTest::mouseClick(editor.Button(kIdOk), Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].text.startsWith(kChecklistSaveFailedText));
    EXPECT_GT(platform.messages[0].text.size(), QString(kChecklistSaveFailedText).size());
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(At(editor, {1})->text(0), "Tourer II");
    EXPECT_EQ(document->Checklists().AircraftNames(), (QStringList{"Trainer", "Tourer"}));
    EXPECT_FALSE(document->Checklists().IsChanged());
    EXPECT_EQ(ReadBytes(ChecklistFilePath()), before);
    // Once the place is free again, OK saves the same tree.
    ASSERT_TRUE(QDir(blocked).removeRecursively());
    QTest::mouseClick(editor.Button(kIdOk), Qt::LeftButton);
    EXPECT_EQ(editor.result(), kIdOk);
    EXPECT_EQ(document->Checklists().AircraftNames(), (QStringList{"Trainer", "Tourer II"}));
}

TEST_F(ChecklistEditDlgTest, LayoutsFollowTheScreen) {
    const struct {
        QSize screen;
        int layout;
    } cases[] = {{{240, 320}, IDD_CHECKLIST_EDIT_P},
                 {{320, 240}, IDD_CHECKLIST_EDIT_S}, // too low for the portrait one
                 {{240, 240}, IDD_CHECKLIST_EDIT_S}};
    for (const auto& c : cases) {
        platform.screen.SetSize(c.screen);
        auto editor = MakeEditor();
        EXPECT_EQ(editor->CurrentLayoutId(), c.layout) << c.screen.width();
        // OK stays on every screen: it is the only way to keep an edit.
        EXPECT_TRUE(editor->GetDlgItem(kIdOk)->isVisible()) << c.screen.width();
    }
}

} // namespace
