#include "ChecklistTestData.h"

#include "core/checklists/ChecklistData.h"
#include "support/FullDiskFolder.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray Header(quint16 version, qint32 length) {
    QByteArray bytes("CheckList", 10);
    bytes.append(static_cast<char>(version & 0xFF)).append(static_cast<char>(version >> 8));
    for (int i = 0; i < 4; ++i)
        bytes.append(static_cast<char>((static_cast<quint32>(length) >> (8 * i)) & 0xFF));
    return bytes;
}

TEST(ChecklistData, EmptyAreaLoadsAsNoAircraftAndSavesAsTheBareHeader) {
    TempFolder folder;
    const QString path = folder.File("checklist.db");
    WriteBytes(path, Header(1, 0));
    ChecklistData data;
    ASSERT_TRUE(data.LoadChecklists(path).ok());
    EXPECT_TRUE(data.AircraftNames().isEmpty());
    EXPECT_EQ(data.AircraftIndex(), QList<int>{0});
    EXPECT_TRUE(data.TabsOf(0).isEmpty());
    const QString copy = folder.File("copy.db");
    ASSERT_TRUE(data.SaveChecklists(copy).ok());
    EXPECT_EQ(ReadBytes(copy), Header(1, 0));
    EXPECT_EQ(ReadBytes(copy).size(), kChecklistHeaderBytes);
}

TEST(ChecklistData, DamagedFilesLeaveNoChecklistsAndTheFileUntouched) {
    const QByteArray area = SampleArea();
    const QByteArray good = ChecklistFileImage(area);
    QByteArray badSignature = good;
    badSignature[9] = 'x'; // the zero after "CheckList"
    QByteArray lengthPastEnd = Header(1, 4) + QByteArray("\x00\x09Tr", 4);
    QByteArray levelTooDeep = Header(1, 4) + QByteArray("\x05\x02X\x00", 4);
    const struct {
        const char* name;
        QByteArray bytes;
        const char* message;
    } cases[] = {
        {"empty file", QByteArray(), kChecklistInvalidFileText},
        {"truncated signature", good.left(6), kChecklistInvalidFileText},
        {"bad signature", badSignature, kChecklistInvalidFileText},
        {"no version", good.left(11), kChecklistInvalidFileText},
        {"version 2", Header(2, 0), kChecklistInvalidVersionText},
        {"version 0", Header(0, 0), kChecklistInvalidVersionText},
        {"no length", good.left(14), kChecklistInvalidFileText},
        {"negative length", Header(1, -5), kChecklistInvalidFileText},
        {"area shorter than N", good.left(good.size() - 1), kChecklistInvalidFileText},
        {"length byte past the end", lengthPastEnd, kChecklistInvalidFileText},
        {"record header cut", Header(1, 1) + QByteArray(1, '\0'), kChecklistInvalidFileText},
        {"level above item", levelTooDeep, kChecklistInvalidFileText},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.File("checklist.db");
        WriteBytes(path, c.bytes);
        QFile::remove(path + ".bad");
        ChecklistData data;
        ASSERT_TRUE(data.ReplaceChecklists(area).ok());
        const Status loaded = data.LoadChecklists(path);
        ASSERT_FALSE(loaded.ok());
        EXPECT_EQ(loaded.error(), (Message{c.message, MessageIcon::Error}));
        EXPECT_TRUE(data.AircraftNames().isEmpty());
        EXPECT_TRUE(data.Records().isEmpty());
        EXPECT_FALSE(data.IsChanged());
        EXPECT_EQ(ReadBytes(path), c.bytes);
        // The first save over the refused file keeps it beside the new one.
        ASSERT_TRUE(data.SaveChecklists(path).ok());
        EXPECT_EQ(ReadBytes(path + ".bad"), c.bytes);
    }
}

TEST(ChecklistData, MissingFileGivesTheReinstallMessage) {
    TempFolder folder;
    ChecklistData data;
    const Status loaded = data.LoadChecklists(folder.File("none.db"));
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.error().text, QString("Error:\nChecklist data file not found.  Please "
                                           "reinstall Trevallion to install the file."));
    EXPECT_EQ(loaded.error().icon, MessageIcon::Error);
}

TEST(ChecklistData, BytesAfterTheRecordAreaAreIgnored) {
    TempFolder folder;
    const QString path = folder.File("checklist.db");
    WriteBytes(path, ChecklistFileImage(SampleArea()) + QByteArray("junk"));
    ChecklistData data;
    ASSERT_TRUE(data.LoadChecklists(path).ok());
    EXPECT_EQ(data.AircraftNames(), (QStringList{"Trainer", "Tourer"}));
}

TEST(ChecklistData, QueriesFollowTheHierarchy) {
    ChecklistData data;
    ASSERT_TRUE(data.ReplaceChecklists(SampleArea()).ok());
    EXPECT_EQ(data.AircraftNames(), (QStringList{"Trainer", "Tourer"}));
    const QList<int>& index = data.AircraftIndex();
    ASSERT_EQ(index.size(), 3);
    EXPECT_EQ(index[0], 0);
    EXPECT_EQ(index[2], data.RecordArea().size());

    const QList<ChecklistEntry> tabs = data.TabsOf(0);
    ASSERT_EQ(tabs.size(), 2);
    EXPECT_EQ(tabs[0].text, "Normal");
    EXPECT_EQ(tabs[1].text, "Emergency");
    const QList<ChecklistEntry> groups = data.GroupsOf(tabs[0].offset);
    ASSERT_EQ(groups.size(), 1);
    const QList<ChecklistEntry> subGroups = data.SubGroupsOf(groups[0].offset);
    ASSERT_EQ(subGroups.size(), 2);
    EXPECT_EQ(subGroups[1].text, "Start");
    EXPECT_EQ(data.ItemsOf(subGroups[0].offset), (QStringList{"Brakes:Set", "Beacon"}));
    EXPECT_EQ(data.ItemsOf(subGroups[1].offset), QStringList{"Mixture:Rich"});

    EXPECT_TRUE(data.GroupsOf(tabs[1].offset).isEmpty()); // a tab without groups
    ASSERT_EQ(data.TabsOf(1).size(), 1);
    EXPECT_TRUE(data.GroupsOf(data.TabsOf(1)[0].offset).isEmpty()); // last record of the area
    for (int bad : {-1, 2, 100})
        EXPECT_TRUE(data.TabsOf(bad).isEmpty()) << bad;
    for (int bad : {-1, 1, tabs[0].offset + 1, static_cast<int>(data.RecordArea().size())}) {
        EXPECT_TRUE(data.GroupsOf(bad).isEmpty()) << bad;
        EXPECT_TRUE(data.SubGroupsOf(bad).isEmpty()) << bad;
        EXPECT_TRUE(data.ItemsOf(bad).isEmpty()) << bad;
    }
}

TEST(ChecklistData, ItemsDirectlyAfterAGroupAreReachedByNoQuery) {
    ChecklistData data;
    ASSERT_TRUE(
        data
            .ReplaceChecklists(BuildArea(
                {{0, "A"}, {1, "Tab"}, {2, "Group"}, {4, "Stray item"}, {3, "Sub"}, {4, "Item"}}))
            .ok());
    QStringList reached;
    for (int aircraft = 0; aircraft < data.AircraftNames().size(); ++aircraft) {
        for (const ChecklistEntry& tab : data.TabsOf(aircraft)) {
            for (const ChecklistEntry& group : data.GroupsOf(tab.offset)) {
                for (const ChecklistEntry& subGroup : data.SubGroupsOf(group.offset))
                    reached += data.ItemsOf(subGroup.offset);
            }
        }
    }
    EXPECT_EQ(reached, QStringList{"Item"});
}

TEST(ChecklistData, SaveAndLoadKeepTextsAndClearTheChangedFlag) {
    TempFolder folder;
    const QString path = folder.File("sub/checklist.db");
    const QByteArray area = BuildArea({{0, "Tourer"},
                                       {1, "Normal"},
                                       {2, "Cruise"},
                                       {3, "Icing"},
                                       {4, "OAT:Below 5°C"},
                                       {4, "Pitot heat:Ein / 開"}});
    ChecklistData data;
    ASSERT_TRUE(data.ReplaceChecklists(area).ok());
    EXPECT_TRUE(data.IsChanged());
    ASSERT_TRUE(data.SaveChecklists(path).ok());
    EXPECT_FALSE(data.IsChanged());
    EXPECT_EQ(ReadBytes(path), ChecklistFileImage(area));

    ChecklistData loaded;
    ASSERT_TRUE(loaded.LoadChecklists(path).ok());
    EXPECT_EQ(loaded.RecordArea(), area);
    EXPECT_EQ(loaded.Records(), data.Records());
    EXPECT_EQ(loaded.Records()[4].text, QString("OAT:Below 5°C"));
}

TEST(ChecklistData, FailedSaveKeepsMemoryFileAndChangedFlag) {
    TempFolder folder;
    const QString blocker = folder.File("blocker");
    WriteBytes(blocker, "file, not a folder");
    ChecklistData data;
    ASSERT_TRUE(data.ReplaceChecklists(SampleArea()).ok());
    const Status saved = data.SaveChecklists(blocker + "/checklist.db");
    ASSERT_FALSE(saved.ok());
    EXPECT_TRUE(saved.error().text.startsWith("Error:\nUnable to save checklist file.\n"));
    EXPECT_GT(saved.error().text.size(), QString(kChecklistSaveFailedText).size());
    EXPECT_EQ(saved.error().icon, MessageIcon::Error);
    EXPECT_TRUE(data.IsChanged());
    EXPECT_EQ(data.RecordArea(), SampleArea());
    EXPECT_EQ(ReadBytes(blocker), QByteArray("file, not a folder"));
}

TEST(ChecklistData, ReplaceRefusesADamagedAreaAndKeepsTheOldOne) {
    ChecklistData data;
    ASSERT_TRUE(data.ReplaceChecklists(SampleArea()).ok());
    QByteArray damaged = SampleArea();
    damaged.chop(1);
    EXPECT_FALSE(data.ReplaceChecklists(damaged).ok());
    EXPECT_EQ(data.RecordArea(), SampleArea());
    EXPECT_EQ(data.AircraftNames().size(), 2);
}

} // namespace

namespace {

TEST(ChecklistDataFullDisk, FailedSaveKeepsTheOldFileByteForByte) {
    FullDiskFolder disk;
    REQUIRE_FULL_DISK(disk);
    const QString path = disk.File("checklist.db");
    ChecklistData data;
    ASSERT_TRUE(data.ReplaceChecklists(SampleArea()).ok());
    ASSERT_TRUE(data.SaveChecklists(path).ok());
    disk.Fill();
    const QByteArray before = ReadBytes(path);
    ASSERT_TRUE(data.ReplaceChecklists(BuildArea({{0, "Tourer"}, {1, "Normal"}})).ok());
    const Status saved = data.SaveChecklists(path);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().text, QString(kChecklistSaveFailedText) + kNoSpaceReason);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_TRUE(data.IsChanged());
}

} // namespace
