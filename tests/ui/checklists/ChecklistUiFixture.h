#pragma once
// Fixture of the checklist screen tests: the scripted platform, a documents folder of its own
// holding checklist.db, and a document that has loaded it.

#include "core/checklists/ChecklistData.h"
#include "core/checklists/ChecklistTestData.h"
#include "core/common/io/DeviceFolders.h"
#include "support/ScriptedPlatform.h"
#include "support/TempFolder.h"
#include "ui/document/TrevallionDoc.h"

#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

// The core tests' sample (two aircraft; the first has a tab with one group of two sub groups and
// an empty second tab) with a group, a sub group and an item for the second aircraft's tab.
inline QByteArray SampleChecklists() {
    return SampleArea() + BuildArea({{2, "Air"}, {3, "Cruise"}, {4, "Power:Set"}});
}

// The tree's open label editor (a closed one may wait hidden for its deletion); nullptr if none.
inline QLineEdit* OpenLabelEditor(const QTreeWidget* tree) {
    for (QLineEdit* editor : tree->viewport()->findChildren<QLineEdit*>())
        if (editor->isVisible())
            return editor;
    return nullptr;
}

// Types a new label into the tree's open editor and presses Enter.
inline void TypeLabel(QTreeWidget* tree, const QString& text) {
    QLineEdit* editor = OpenLabelEditor(tree);
    ASSERT_NE(editor, nullptr) << "no label editor is open";
    editor->setText(text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The item view commits the text in a posted event, and a refusal is reported in another
    // one posted from there.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

class ChecklistUiTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDocumentsFolder(documents.Path());
        WriteChecklists(SampleChecklists());
    }
    void TearDown() override {
        document.reset();
        SetDocumentsFolder(QString());
    }

    void WriteChecklists(const QByteArray& area) {
        ChecklistData data;
        ASSERT_TRUE(data.ReplaceChecklists(area).ok());
        ASSERT_TRUE(data.SaveChecklists().ok());
        document = std::make_unique<CTrevallionDoc>(platform.settings, fix);
        ASSERT_TRUE(document->Checklists().LoadChecklists().ok());
    }

    ScriptedPlatform platform;
    TempFolder documents;
    GpsFix fix;
    std::unique_ptr<CTrevallionDoc> document;
};
