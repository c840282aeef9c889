#include "TestFleets.h"

#include "core/common/io/ByteReader.h"
#include "core/common/io/FileIo.h"
#include "core/weight-balance/AircraftFileReader.h"
#include "core/weight-balance/AircraftFileWriter.h"
#include "core/weight-balance/AircraftStore.h"

#include "support/FullDiskFolder.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QFileInfo>

#include <vector>

#include <gtest/gtest.h>

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(WriteWholeFile(path, bytes, {}).ok());
}

int FileVersion(const QString& path) {
    ByteReader r(FileBytes(path));
    return r.I32();
}

class AircraftStoreTest : public ::testing::Test {
protected:
    TempFolder data;
    TempFolder program;
    AircraftStore store{data.Path(), program.Path()};

    QString DataFile() const { return data.File("aircraft.db"); }
    AircraftStore Reloaded() const {
        AircraftStore again(data.Path(), program.Path());
        EXPECT_TRUE(again.LoadAircraftFile().ok());
        return again;
    }
};

TEST_F(AircraftStoreTest, NoFileGivesTheDefaultFleetAndWritesOnlyAtTheFirstChange) {
    ASSERT_TRUE(store.LoadAircraftFile().ok());
    EXPECT_EQ(store.Fleet(), DefaultAircraftFleet());
    EXPECT_FALSE(QFile::exists(DataFile()));

    Aircraft added{0, 1, QStringLiteral("N456B"), 1600.0, 40.0, 0.0};
    ASSERT_TRUE(store.AddAircraft(added).ok());
    EXPECT_EQ(added.id, 2);
    EXPECT_EQ(FileVersion(DataFile()), 6);
    EXPECT_EQ(Reloaded().Fleet(), store.Fleet());
}

TEST_F(AircraftStoreTest, ProgramFolderCopyIsReadWhenTheDataFolderHasNone) {
    Put(program.File("aircraft.db"), AircraftFileWriter::Write(RichFleet()));
    ASSERT_TRUE(store.LoadAircraftFile().ok());
    EXPECT_EQ(store.Fleet(), RichFleet());
    EXPECT_FALSE(QFile::exists(DataFile())); // a version 6 file is not rewritten
}

TEST_F(AircraftStoreTest, Version5IsRewrittenAsVersion6AtOnce) {
    for (const QString& where : {DataFile(), program.File("aircraft.db")}) {
        QFile::remove(DataFile());
        Put(where, Version5Image(RichFleet()));
        ASSERT_TRUE(store.LoadAircraftFile().ok());
        EXPECT_EQ(FileVersion(DataFile()), 6);
        EXPECT_EQ(store.Fleet(), RichFleet());
        EXPECT_EQ(Reloaded().Fleet(), RichFleet());
    }
}

TEST_F(AircraftStoreTest, RefusedFilesKeepTheDefaultsAndAreKeptBeforeTheFirstSave) {
    ByteWriter badVersion;
    badVersion.I32(7);
    const struct {
        QByteArray bytes;
        QString message;
    } cases[] = {
        {badVersion.Data() + AircraftFileWriter::Write(RichFleet()).mid(4),
         QStringLiteral("Error: Invalid aircraft data file version.")},
        {AircraftFileWriter::Write(RichFleet()).chopped(3), AircraftFileReader::DamagedText()},
    };
    for (const auto& c : cases) {
        QFile::remove(DataFile() + ".bad");
        Put(DataFile(), c.bytes);
        const Status loaded = store.LoadAircraftFile();
        ASSERT_FALSE(loaded.ok());
        EXPECT_EQ(loaded.error().text, c.message);
        EXPECT_EQ(loaded.error().icon, MessageIcon::Error);
        EXPECT_EQ(store.Fleet(), DefaultAircraftFleet());
        EXPECT_EQ(FileBytes(DataFile()), c.bytes);

        ASSERT_TRUE(store.DeleteAircraft(1).ok());
        EXPECT_EQ(FileBytes(DataFile() + ".bad"), c.bytes);
        EXPECT_EQ(Reloaded().AircraftList().size(), 0);
    }
}

// A file that is there but cannot be read is told, not taken for a first start, and kept.
TEST_F(AircraftStoreTest, AnUnreadableFileIsToldAndKeptBeforeTheFirstSave) {
    Put(program.File("aircraft.db"), AircraftFileWriter::Write(RichFleet()));
    Put(DataFile(), QByteArray());
    ASSERT_TRUE(QFile::resize(DataFile(), kMaxDataFileBytes + 1));
    const Status loaded = store.LoadAircraftFile();
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.error().text,
              QStringLiteral("Error: The aircraft data file could not be read: The file is larger "
                             "than 16777216 bytes.\nThe default aircraft are used and the file is "
                             "kept (as aircraft.db.bad once the aircraft are saved)."));
    EXPECT_EQ(store.Fleet(), DefaultAircraftFleet());
    ASSERT_TRUE(store.DeleteAircraft(1).ok());
    EXPECT_EQ(QFileInfo(DataFile() + ".bad").size(), kMaxDataFileBytes + 1);
}

TEST_F(AircraftStoreTest, DeletingATypeDeletesItsAdjacentAircraft) {
    Put(DataFile(), AircraftFileWriter::Write(RichFleet()));
    ASSERT_TRUE(store.LoadAircraftFile().ok());
    ASSERT_TRUE(store.DeleteAircraftType(7).ok());
    ASSERT_EQ(store.Types().size(), 1);
    ASSERT_EQ(store.AircraftList().size(), 1);
    EXPECT_EQ(store.AircraftList()[0].ident, QStringLiteral("N123A"));
    EXPECT_EQ(Reloaded().Fleet(), store.Fleet());
}

TEST_F(AircraftStoreTest, UnknownIdsChangeAndSaveNothing) {
    ASSERT_TRUE(store.DeleteAircraft(42).ok());
    ASSERT_TRUE(store.DeleteAircraftType(42).ok());
    ASSERT_TRUE(store.UpdateAircraft(Aircraft{42, 1, QStringLiteral("X"), 1, 1, 0}).ok());
    EXPECT_EQ(store.Fleet(), DefaultAircraftFleet());
    EXPECT_FALSE(QFile::exists(DataFile()));
}

TEST_F(AircraftStoreTest, IdsAreNeverReused) {
    Aircraft a{0, 1, QStringLiteral("N2"), 1500.0, 39.0, 0.0};
    ASSERT_TRUE(store.AddAircraft(a).ok());
    ASSERT_TRUE(store.DeleteAircraft(a.id).ok());
    Aircraft b = a;
    ASSERT_TRUE(store.AddAircraft(b).ok());
    EXPECT_EQ(b.id, a.id + 1);
    AircraftType t = store.Types()[0];
    ASSERT_TRUE(store.AddAircraftType(t).ok());
    ASSERT_TRUE(store.DeleteAircraftType(t.id).ok());
    ASSERT_TRUE(store.AddAircraftType(t).ok());
    EXPECT_EQ(t.id, 3);
    EXPECT_EQ(Reloaded().Fleet().nextTypeId, 4);
}

TEST_F(AircraftStoreTest, AnExhaustedIdCounterRefusesToAdd) {
    AircraftFleet fleet = DefaultAircraftFleet();
    fleet.nextAircraftId = 0x7FFFFFFF;
    Put(DataFile(), AircraftFileWriter::Write(fleet));
    ASSERT_TRUE(store.LoadAircraftFile().ok());
    Aircraft a{0, 1, QStringLiteral("N9"), 1500.0, 39.0, 0.0};
    EXPECT_FALSE(store.AddAircraft(a).ok());
    EXPECT_EQ(store.Fleet(), fleet);
}

TEST_F(AircraftStoreTest, CapacitiesFollowTheLoadedCounts) {
    const struct {
        int types, aircraft, typeCapacity, aircraftCapacity;
    } cases[] = {{1, 1, 5, 10}, {4, 9, 5, 10}, {5, 10, 10, 15}, {7, 12, 12, 17}};
    for (const auto& c : cases) {
        AircraftFleet fleet = DefaultAircraftFleet();
        while (fleet.types.size() < c.types)
            fleet.types.append(fleet.types[0]);
        while (fleet.aircraft.size() < c.aircraft)
            fleet.aircraft.append(fleet.aircraft[0]);
        Put(DataFile(), AircraftFileWriter::Write(fleet));
        ASSERT_TRUE(store.LoadAircraftFile().ok());
        EXPECT_EQ(store.TypeCapacity(), c.typeCapacity) << c.types;
        EXPECT_EQ(store.AircraftCapacity(), c.aircraftCapacity) << c.aircraft;
    }
    // A full array grows by 5 on the next add.
    AircraftType t = store.Types()[0];
    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(store.AddAircraftType(t).ok());
    EXPECT_EQ(store.TypeCapacity(), 17);
}

// A change that cannot be saved is reported and undone in memory, so the fleet shown is the
// fleet on disk; the id it would have had is handed out again.
TEST_F(AircraftStoreTest, AFailedSaveIsReportedAndUndoneInMemory) {
    Put(data.File("blocker"), "not a folder");
    AircraftStore blocked(data.File("blocker"), program.Path());
    const AircraftFleet before = blocked.Fleet();
    Aircraft a{0, 1, QStringLiteral("N9"), 1500.0, 39.0, 0.0};
    const Status saved = blocked.AddAircraft(a);
    ASSERT_FALSE(saved.ok());
    EXPECT_TRUE(saved.error().text.startsWith(
        QStringLiteral("Error: Unable to save the aircraft data file.\n")));
    EXPECT_EQ(a.id, 0);
    AircraftType changed = blocked.Types()[0];
    changed.maxRampWeight = 2550.0;
    const std::vector<Status> failures = {
        blocked.UpdateAircraftType(changed), blocked.DeleteAircraft(1),
        blocked.AddAircraftType(changed), blocked.DeleteAircraftType(1)};
    for (const Status& failure : failures)
        EXPECT_FALSE(failure.ok());
    EXPECT_EQ(blocked.Fleet(), before);
}

TEST_F(AircraftStoreTest, FindsAndTypeChoices) {
    Put(DataFile(), AircraftFileWriter::Write(RichFleet()));
    ASSERT_TRUE(store.LoadAircraftFile().ok());
    EXPECT_EQ(store.FindAircraftType(7)->name, QStringLiteral("Heli°fifteen!!!"));
    EXPECT_EQ(store.FindAircraftTypeByName(QStringLiteral("C172"))->id, 1);
    EXPECT_EQ(store.FindAircraftTypeByName(QStringLiteral("c172")), nullptr);
    EXPECT_EQ(store.FindAircraft(6)->ident, QStringLiteral("D-HXYZ"));
    EXPECT_EQ(store.FindAircraftByIdent(QStringLiteral("D-HABC"))->id, 5);
    EXPECT_EQ(store.FindAircraft(99), nullptr);
    const QList<AircraftTypeChoice> expected = {{QStringLiteral("C172"), 1},
                                                {QStringLiteral("Heli°fifteen!!!"), 7}};
    EXPECT_EQ(store.AircraftTypeChoices(), expected);
    EXPECT_EQ(store.AircraftOfType(7).size(), 2);

    AircraftType edited = *store.FindAircraftType(1);
    edited.maxRampWeight = 2450.0;
    ASSERT_TRUE(store.UpdateAircraftType(edited).ok());
    EXPECT_EQ(Reloaded().FindAircraftType(1)->maxRampWeight, 2450.0);
}

} // namespace

namespace {

// On a full disk a change reports the system's reason and the fleet file stays byte for byte;
// a version 5 file that cannot be rewritten stays the only copy and its fleet is still used.
TEST(AircraftStoreFullDisk, ChangesAndTheVersion5RewriteKeepTheOldFile) {
    FullDiskFolder disk;
    REQUIRE_FULL_DISK(disk);
    TempFolder program;
    const QString path = disk.File("aircraft.db");
    Put(path, AircraftFileWriter::Write(RichFleet()));
    disk.Fill();
    const QByteArray before = FileBytes(path);

    AircraftStore store(disk.Path(), program.Path());
    ASSERT_TRUE(store.LoadAircraftFile().ok());
    Aircraft added{0, 1, QStringLiteral("N456B"), 1600.0, 40.0, 0.0};
    const Status saved = store.AddAircraft(added);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().text,
              QStringLiteral("Error: Unable to save the aircraft data file.\n") + kNoSpaceReason);
    EXPECT_EQ(FileBytes(path), before);

    QFile::remove(disk.File(".filler"));
    Put(path, Version5Image(RichFleet()));
    disk.Fill();
    const QByteArray old = FileBytes(path);
    AircraftStore converting(disk.Path(), program.Path());
    const Status loaded = converting.LoadAircraftFile();
    EXPECT_FALSE(loaded.ok());
    EXPECT_TRUE(loaded.error().text.endsWith(kNoSpaceReason));
    EXPECT_EQ(converting.Fleet(), RichFleet());
    EXPECT_EQ(FileBytes(path), old);
}

} // namespace
