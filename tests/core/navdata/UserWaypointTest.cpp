#include "core/navdata/UserWaypointFile.h"
#include "core/navdata/UserWaypointStore.h"

#include "core/common/io/FileIo.h"
#include "core/common/settings/MemorySettingsStore.h"

#include "support/FullDiskFolder.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

UserWaypoint Waypoint(const QString& ident, const QString& name = QStringLiteral("NAME"),
                      int32_t latitude = 170000, int32_t longitude = 440000,
                      int32_t variation = 0) {
    return UserWaypoint{ident, name, latitude, longitude, variation};
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(WriteWholeFile(path, bytes, {}));
}

QByteArray ReadBytes(const QString& path) {
    const Outcome<QByteArray> bytes = ReadWholeFile(path, {}, kMaxDataFileBytes);
    return bytes ? bytes.value() : QByteArray();
}

QStringList Idents(const UserWaypointStore& store) {
    QStringList idents;
    for (const UserWaypoint& w : store.Waypoints())
        idents << w.ident;
    return idents;
}

// A version 2 file: version, count, one word, then 40-byte records of name and position.
QByteArray OldFile(const QStringList& names) {
    ByteWriter out;
    out.I32(2);
    out.I32(static_cast<int32_t>(names.size()));
    out.U32(0xDEADBEEF);
    for (qsizetype i = 0; i < names.size(); ++i) {
        for (int c = 0; c < 16; ++c)
            out.U16(c < names[i].size() ? names[i][c].unicode() : 0);
        out.I32(static_cast<int32_t>(1000 + i));
        out.I32(static_cast<int32_t>(-2000 - i));
    }
    return out.Data();
}

TEST(UserWaypoint, RecordIsSixtyBytesOfUtf16AndIntegers) {
    ByteWriter out;
    WriteUserWaypoint(out, Waypoint("LAKE1", "Lake Crescent", -5, 7, -3));
    ASSERT_EQ(out.Size(), waypointfile::kRecordBytes);
    EXPECT_EQ(out.Data().mid(0, 4), QByteArray("L\0A\0", 4));
    EXPECT_EQ(out.Data().mid(16, 4), QByteArray("L\0a\0", 4));
    ByteReader in(out.Data());
    EXPECT_EQ(ReadUserWaypoint(in), Waypoint("LAKE1", "Lake Crescent", -5, 7, -3));

    // Texts too long for their fields are cut, leaving room for the terminating zero.
    ByteWriter longOut;
    WriteUserWaypoint(longOut, Waypoint("ABCDEFGHIJ", "A name that is far too long"));
    ByteReader longIn(longOut.Data());
    const UserWaypoint cut = ReadUserWaypoint(longIn);
    EXPECT_EQ(cut.ident, "ABCDEFG");
    EXPECT_EQ(cut.name, "A name that is ");
}

class WaypointStoreTest : public ::testing::Test {
protected:
    QString Path() const { return folder.File("data/waypoints.db"); }
    QString Fallback() const { return folder.File("program/waypoints.db"); }
    UserWaypointStore Store() const { return UserWaypointStore(Path(), Fallback()); }

    TempFolder folder;
};

TEST_F(WaypointStoreTest, NoFileGivesAnEmptyListAndTheFirstAddCreatesIt) {
    UserWaypointStore store = Store();
    ASSERT_TRUE(store.LoadUserWaypoints());
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(store.Capacity(), 10);
    EXPECT_FALSE(QFile::exists(Path()));
    ASSERT_TRUE(store.AddUserWaypoint(Waypoint("HOME")));
    const QByteArray bytes = ReadBytes(Path());
    ASSERT_EQ(bytes.size(), 8 + 60);
    EXPECT_EQ(ByteReader(bytes).I32(), 3);
    UserWaypointStore again = Store();
    ASSERT_TRUE(again.LoadUserWaypoints());
    EXPECT_EQ(again.Waypoints(), QVector<UserWaypoint>{Waypoint("HOME")});
}

TEST_F(WaypointStoreTest, SortsAndFindsIgnoringLetterCase) {
    UserWaypointStore store = Store();
    for (const char* ident : {"delta", "Bravo", "CHARLIE", "alpha"})
        ASSERT_TRUE(store.AddUserWaypoint(Waypoint(ident)));
    EXPECT_EQ(Idents(store), QStringList({"alpha", "Bravo", "CHARLIE", "delta"}));
    UserWaypoint found;
    ASSERT_TRUE(store.FindUserWaypoint("ALPHA", &found));
    EXPECT_EQ(found.ident, "alpha");
    EXPECT_TRUE(store.FindUserWaypoint("charlie", &found));
    EXPECT_FALSE(store.FindUserWaypoint("ALPH", &found));
}

TEST_F(WaypointStoreTest, GrowsByFiveWhenFull) {
    WriteBytes(Path(), BuildUserWaypointFile({Waypoint("W00"), Waypoint("W01")}));
    UserWaypointStore store = Store();
    ASSERT_TRUE(store.LoadUserWaypoints());
    EXPECT_EQ(store.Capacity(), 12);
    for (int i = 2; i < 12; ++i)
        ASSERT_TRUE(store.AddUserWaypoint(Waypoint(QString::asprintf("W%02d", i))));
    EXPECT_EQ(store.Capacity(), 12);
    ASSERT_TRUE(store.AddUserWaypoint(Waypoint("W12")));
    EXPECT_EQ(store.Capacity(), 17);
    EXPECT_EQ(store.Count(), 13);
    UserWaypointStore again = Store();
    ASSERT_TRUE(again.LoadUserWaypoints());
    EXPECT_EQ(again.Waypoints(), store.Waypoints());
}

TEST_F(WaypointStoreTest, EditKeepsThePositionUntilTheNextSort) {
    UserWaypointStore store = Store();
    for (const char* ident : {"AAA", "BBB", "CCC"})
        ASSERT_TRUE(store.AddUserWaypoint(Waypoint(ident)));
    ASSERT_TRUE(store.ReplaceUserWaypoint(0, Waypoint("ZZZ", "Renamed")));
    EXPECT_EQ(Idents(store), QStringList({"ZZZ", "BBB", "CCC"}));
    ASSERT_TRUE(store.AddUserWaypoint(Waypoint("DDD")));
    EXPECT_EQ(Idents(store), QStringList({"BBB", "CCC", "DDD", "ZZZ"}));
}

TEST_F(WaypointStoreTest, DeletingTheLastLeavesAnEmptyFile) {
    UserWaypointStore store = Store();
    ASSERT_TRUE(store.AddUserWaypoint(Waypoint("ONLY")));
    ASSERT_TRUE(store.DeleteUserWaypoint(5)); // outside the list: nothing happens
    EXPECT_EQ(store.Count(), 1);
    ASSERT_TRUE(store.DeleteUserWaypoint(0));
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(ReadBytes(Path()), QByteArray("\x03\0\0\0\0\0\0\0", 8));
}

TEST_F(WaypointStoreTest, ConvertsVersionTwoAndRewritesIt) {
    WriteBytes(Path(), OldFile({"Mountains", "Bay"}));
    UserWaypointStore store = Store();
    ASSERT_TRUE(store.LoadUserWaypoints());
    ASSERT_EQ(store.Count(), 2);
    EXPECT_EQ(store.Waypoints()[0], Waypoint("Bay", "Bay", 1001, -2001, 0));
    EXPECT_EQ(store.Waypoints()[1], Waypoint("Mount", "Mountains", 1000, -2000, 0));
    const QByteArray bytes = ReadBytes(Path());
    EXPECT_EQ(ByteReader(bytes).I32(), 3);
    EXPECT_EQ(bytes.size(), 8 + 2 * 60);
}

TEST_F(WaypointStoreTest, ReadsTheProgramFolderCopyAndSavesToTheDataFolder) {
    const QByteArray shipped = BuildUserWaypointFile({Waypoint("SHIP")});
    WriteBytes(Fallback(), shipped);
    UserWaypointStore store = Store();
    ASSERT_TRUE(store.LoadUserWaypoints());
    EXPECT_EQ(Idents(store), QStringList{"SHIP"});
    ASSERT_TRUE(store.AddUserWaypoint(Waypoint("MINE")));
    EXPECT_EQ(ReadBytes(Fallback()), shipped);
    EXPECT_EQ(ParseUserWaypointFile(ReadBytes(Path())).waypoints.size(), 2);
}

TEST_F(WaypointStoreTest, DamagedFilesAreReportedAndKept) {
    QByteArray truncated = BuildUserWaypointFile({Waypoint("ONE"), Waypoint("TWO")});
    truncated.chop(10);
    struct Case {
        const char* what;
        QByteArray bytes;
        QStringList idents; // what can be read
    } cases[] = {{"unknown version", QByteArray("\x04\0\0\0\0\0\0\0", 8), {}},
                 {"too short", QByteArray("\x03\0", 2), {}},
                 {"negative count", QByteArray("\x03\0\0\0\xFF\xFF\xFF\xFF", 8), {}},
                 {"count beyond the data", truncated, {"ONE"}}};
    for (const Case& c : cases) {
        WriteBytes(Path(), c.bytes);
        QFile::remove(Path() + ".bad");
        UserWaypointStore store = Store();
        const Status loaded = store.LoadUserWaypoints();
        ASSERT_FALSE(loaded) << c.what;
        EXPECT_EQ(loaded.error().icon, MessageIcon::Warning);
        EXPECT_EQ(Idents(store), c.idents) << c.what;
        ASSERT_TRUE(store.AddUserWaypoint(Waypoint("NEW"))) << c.what;
        EXPECT_EQ(ReadBytes(Path() + ".bad"), c.bytes) << c.what; // the refused file is kept
    }
}

// A file that is there but cannot be read is an error, not an empty list, and is kept.
TEST_F(WaypointStoreTest, AFileTooLargeToReadIsReportedNotTakenAsEmpty) {
    WriteBytes(Path(), QByteArray());
    ASSERT_TRUE(QFile::resize(Path(), kMaxDataFileBytes + 1));
    UserWaypointStore store = Store();
    const Status loaded = store.LoadUserWaypoints();
    ASSERT_FALSE(loaded);
    EXPECT_TRUE(loaded.error().text.contains(QStringLiteral("larger than")));
    EXPECT_TRUE(store.Waypoints().isEmpty());
    EXPECT_EQ(QFileInfo(Path()).size(), kMaxDataFileBytes + 1);
}

TEST(WaypointSetting, SecondsFormat) {
    struct Case {
        const char* stored; // nullptr: absent
        bool preference;
        bool seconds;
    } cases[] = {{nullptr, true, true},
                 {nullptr, false, false},
                 {"Yes", false, true},
                 {"No", true, false},
                 {"yes", true, false}};
    for (const Case& c : cases) {
        MemorySettingsStore settings;
        if (c.stored != nullptr)
            settings.WriteText("Waypoint.Seconds", c.stored);
        EXPECT_EQ(WaypointSecondsFormat(settings, c.preference), c.seconds) << c.stored;
    }
    MemorySettingsStore settings;
    StoreWaypointSecondsFormat(settings, true);
    StoreWaypointSecondsFormat(settings, false);
    EXPECT_EQ(settings.WriteLog(), QStringList({"Waypoint.Seconds=Yes", "Waypoint.Seconds=No"}));
}

} // namespace

namespace {

// On a full disk an added waypoint is reported as not saved and the file stays byte for byte; a
// version 2 file that cannot be rewritten stays the only copy and its waypoints are still shown.
TEST(WaypointStoreFullDisk, SavesAndTheVersion2RewriteKeepTheOldFile) {
    FullDiskFolder disk;
    REQUIRE_FULL_DISK(disk);
    const QString path = disk.File("waypoints.db");
    WriteBytes(path, BuildUserWaypointFile({Waypoint("HOME")}));
    disk.Fill();
    const QByteArray before = ReadBytes(path);
    UserWaypointStore store(path, {});
    ASSERT_TRUE(store.LoadUserWaypoints());
    const Status added = store.AddUserWaypoint(Waypoint("LAKE"));
    ASSERT_FALSE(added.ok());
    EXPECT_EQ(added.error().text,
              QStringLiteral("Error:\nUnable to save the user waypoints.\n") + kNoSpaceReason);
    EXPECT_EQ(ReadBytes(path), before);

    QFile::remove(disk.File(".filler"));
    WriteBytes(path, OldFile({"RIVER", "HILL"}));
    disk.Fill();
    const QByteArray old = ReadBytes(path);
    UserWaypointStore converting(path, {});
    EXPECT_FALSE(converting.LoadUserWaypoints().ok());
    EXPECT_EQ(Idents(converting), QStringList({"HILL", "RIVER"}));
    EXPECT_EQ(ReadBytes(path), old);
}

} // namespace
