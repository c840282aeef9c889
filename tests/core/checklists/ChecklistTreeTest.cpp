#include "ChecklistTestData.h"

#include "core/checklists/ChecklistEditSave.h"
#include "core/checklists/ChecklistLevelTexts.h"
#include "core/checklists/ChecklistTree.h"
#include "support/TempFolder.h"

#include <QFileInfo>

namespace {

TEST(ChecklistTree, NestsTheRecordsByLevel) {
    const QList<ChecklistNode> roots = BuildChecklistTree(RecordsOf(SampleArea()));
    ASSERT_EQ(roots.size(), 2);
    EXPECT_EQ(roots[0].text, "Trainer");
    ASSERT_EQ(roots[0].children.size(), 2); // Normal, Emergency
    const ChecklistNode& ground = roots[0].children[0].children[0];
    EXPECT_EQ(ground.level, kGroupLevel);
    ASSERT_EQ(ground.children.size(), 2);
    EXPECT_EQ(ground.children[0].text, "Before Start");
    EXPECT_EQ(ground.children[0].children.size(), 2);
    EXPECT_EQ(ground.children[1].children[0], (ChecklistNode{kItemLevel, "Mixture:Rich", {}}));
    EXPECT_TRUE(roots[0].children[1].children.isEmpty());
    EXPECT_EQ(roots[1].children.size(), 1);
}

TEST(ChecklistTree, EveryAreaComesBackUnchanged) {
    // The editor's OK writes nothing for an unchanged tree, so the round trip must be exact,
    // also for files the editor never writes: levels that skip a step, a tab first.
    const QByteArray areas[] = {
        SampleArea(),
        QByteArray(),
        BuildArea({{0, "Trainer"},
                   {2, "Ground"},
                   {4, "Item straight after a group"},
                   {3, "Sub group"},
                   {4, "Brakes:Set"},
                   {1, "Tab"},
                   {4, "Lost item"}}),
        BuildArea({{1, "Tab before any aircraft"}, {2, "Group"}, {0, "Aircraft"}}),
        BuildArea({{0, "Cessna 172 °"}, {1, ""}}),
    };
    for (const QByteArray& area : areas) {
        const Outcome<QByteArray> back = ChecklistAreaFromTree(BuildChecklistTree(RecordsOf(area)));
        ASSERT_TRUE(back.ok()) << back.error().text.toStdString();
        EXPECT_EQ(back.value(), area);
    }
}

TEST(ChecklistTree, TextsTheFileCannotHoldAreRefused) {
    const QString longest(254, QChar('x'));
    const struct {
        const char* name;
        QString text;
        bool fits;
    } cases[] = {
        {"empty", "", false},
        {"one letter", "A", true},
        {"254 bytes", longest, true},
        {"255 bytes", longest + "x", false},
        {"300 bytes", QString(300, QChar('x')), false},
        {"127 two-byte characters", QString(127, QChar(0x00B0)), true},
        {"128 two-byte characters", QString(128, QChar(0x00B0)), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Status label = CheckChecklistLabel(c.text);
        EXPECT_EQ(label.ok(), c.fits);
        if (!c.fits) {
            EXPECT_TRUE(label.error().text.startsWith("Error:\n"));
        }
        // The label check and the file agree.
        EXPECT_EQ(ChecklistAreaFromTree({ChecklistNode{kItemLevel, c.text, {}}}).ok(),
                  c.fits || c.text.isEmpty());
    }
    EXPECT_TRUE(CheckChecklistLabel(QString(300, QChar('x'))).error().text.contains("300"));
}

TEST(ChecklistEditSave, WritesOnlyAChangedAreaAndKeepsEverythingOnFailure) {
    TempFolder folder;
    const QString path = folder.File("checklist.db");
    const QByteArray image = ChecklistFileImage(SampleArea());
    WriteBytes(path, image);
    ChecklistData data;
    ASSERT_TRUE(data.LoadChecklists(path).ok());
    const QDateTime written = QFileInfo(path).lastModified();

    // Unchanged: nothing is written.
    const Outcome<bool> same = StoreEditedChecklists(data, SampleArea(), path);
    ASSERT_TRUE(same.ok());
    EXPECT_FALSE(same.value());
    EXPECT_EQ(ReadBytes(path), image);
    EXPECT_EQ(QFileInfo(path).lastModified(), written);

    // A write that fails (the file's place is taken by a folder) keeps file and data.
    const QString blocked = folder.File("blocked");
    ASSERT_TRUE(QDir().mkpath(blocked + "/checklist.db"));
    const QByteArray edited = BuildArea({{0, "Renamed"}});
    const Outcome<bool> failed = StoreEditedChecklists(data, edited, blocked + "/checklist.db");
    ASSERT_FALSE(failed.ok());
    EXPECT_TRUE(failed.error().text.startsWith(kChecklistSaveFailedText));
    EXPECT_EQ(data.RecordArea(), SampleArea());
    EXPECT_FALSE(data.IsChanged());

    // Changed: written and taken.
    const Outcome<bool> stored = StoreEditedChecklists(data, edited, path);
    ASSERT_TRUE(stored.ok());
    EXPECT_TRUE(stored.value());
    EXPECT_EQ(ReadBytes(path), ChecklistFileImage(edited));
    EXPECT_EQ(data.AircraftNames(), QStringList{"Renamed"});
}

} // namespace
