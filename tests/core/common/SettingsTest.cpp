#include "core/common/settings/AppSettings.h"
#include "core/common/settings/IniSettingsStore.h"
#include "core/common/settings/MemorySettingsStore.h"

#include "support/TempFolder.h"

#include <QFile>
#include <QSettings>
#include <QThread>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "resource.h"

namespace {

TEST(AppSettings, DefaultsOnAnEmptyStore) {
    MemorySettingsStore store;
    const AppSettings s = ReadAppSettings(store);
    EXPECT_DOUBLE_EQ(s.jetDensity, 7.0);
    EXPECT_DOUBLE_EQ(s.avgasDensity, 6.01);
    EXPECT_FALSE(s.metric);
    EXPECT_FALSE(s.secondsFormat);
    EXPECT_FALSE(s.kilosPerLitre);
    EXPECT_EQ(s.timeZoneOffset, 0);
    EXPECT_EQ(s.graphOptions, 0xFFFFFFFFu);
    EXPECT_EQ(s.takeoffGroundSpeed, 0u);
    EXPECT_EQ(s.gpsPort, 0u);
    EXPECT_EQ(s.viewId, 32881u);
}

TEST(AppSettings, ReadsStoredValues) {
    MemorySettingsStore store;
    store.WriteText("JetWeight", "0.83");
    store.WriteText("AvGasWeight", "");
    store.WriteInt("Preferences", 6);
    store.WriteInt("TimeZone", -300);
    store.WriteInt("View", ID_VIEW_TIME_ZONES);
    const AppSettings s = ReadAppSettings(store);
    EXPECT_DOUBLE_EQ(s.jetDensity, 0.83);
    EXPECT_DOUBLE_EQ(s.avgasDensity, 6.01); // an empty text keeps the default
    EXPECT_FALSE(s.metric);
    EXPECT_TRUE(s.secondsFormat);
    EXPECT_TRUE(s.kilosPerLitre);
    EXPECT_EQ(s.timeZoneOffset, -300);
    EXPECT_EQ(s.viewId, 33127u);
}

TEST(AppSettings, NonNumericDensityTextReadsAsZero) {
    MemorySettingsStore store;
    store.WriteText("JetWeight", "heavy");
    EXPECT_DOUBLE_EQ(ReadAppSettings(store).jetDensity, 0.0);
}

TEST(AppSettings, SavesPreferencesInOrderAndFormat) {
    MemorySettingsStore store;
    AppSettings s;
    s.jetDensity = 7.034;
    s.avgasDensity = 6.0;
    s.secondsFormat = true;
    s.kilosPerLitre = true;
    s.timeZoneOffset = -300;
    SavePreferences(store, s);
    EXPECT_EQ(store.WriteLog(), QStringList({"JetWeight=7.03", "AvGasWeight=6.00", "Preferences=6",
                                             "TimeZone=-300"}));
}

TEST(IniSettingsStore, KeepsTypesAndDefaults) {
    TempFolder folder;
    IniSettingsStore store(folder.File("Orvenda Technologies/Trevallion.ini"));
    EXPECT_EQ(store.ReadInt("View", ID_VIEW_TIMES), ID_VIEW_TIMES);
    EXPECT_EQ(store.ReadText("Airports"), QString());
    store.WriteInt("View", ID_VIEW_FLIGHT_PLANNING);
    store.WriteInt("TimeZone", -300);
    store.WriteText("Airports", "KSEA,KBFI,");
    store.WriteText("Name", "Timer 1");
    store.WriteText("JetWeight", "7.00");
    IniSettingsStore reopened(store.Path());
    EXPECT_EQ(reopened.ReadInt("View", 0), ID_VIEW_FLIGHT_PLANNING);
    EXPECT_EQ(reopened.ReadInt("TimeZone", 0), -300);
    EXPECT_EQ(reopened.ReadText("Airports"), QStringLiteral("KSEA,KBFI,"));
    EXPECT_EQ(reopened.ReadText("JetWeight"), QStringLiteral("7.00"));
    // A text where an integer is expected counts as missing.
    EXPECT_EQ(reopened.ReadInt("Name", 42), 42);
    EXPECT_EQ(reopened.ReadInt("JetWeight", 42), 42);
}

TEST(IniSettingsStore, HandEditedListValueReadsWhole) {
    TempFolder folder;
    const QString path = folder.File("s.ini");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nAirports=KSEA,KBFI,\nPreferences=0x10\n");
    file.close();
    IniSettingsStore store(path);
    EXPECT_EQ(store.ReadText("Airports"), QStringLiteral("KSEA,KBFI,"));
    EXPECT_EQ(store.ReadInt("Preferences", 3), 3);
}

TEST(SettingsStore, RemovedValuesReadAsMissing) {
    TempFolder folder;
    IniSettingsStore ini(folder.File("s.ini"));
    MemorySettingsStore memory;
    for (SettingsStore* store : std::initializer_list<SettingsStore*>{&ini, &memory}) {
        store->WriteText("TimeZone0", "Home=35");
        store->WriteInt("TimerVal0", 60);
        store->Remove("TimeZone0");
        store->Remove("TimerVal0");
        EXPECT_EQ(store->ReadText("TimeZone0", "none"), QStringLiteral("none"));
        EXPECT_EQ(store->ReadInt("TimerVal0", 7), 7);
    }
    EXPECT_EQ(memory.WriteLog().last(), QStringLiteral("-TimerVal0"));
}

// What another process reads from the file now.
QString OnDisk(const QString& path, const QString& name) {
    return QSettings(path, QSettings::IniFormat).value("Settings/" + name).toString();
}

TEST(IniSettingsStore, WritesBehindButReadsBackAtOnce) {
    TempFolder folder;
    const QString path = folder.File("s.ini");
    IniSettingsStore store(path);
    IniSettingsStore other(path); // another store of the process on the same file
    for (int i = 0; i < 200; ++i)
        store.WriteText("Airports", QString::number(i) + ",KSEA,");
    EXPECT_EQ(other.ReadText("Airports"), QStringLiteral("199,KSEA,"));
    store.WriteText("AirportFile", "/data/world.nav"); // written at once with what is pending
    EXPECT_EQ(OnDisk(path, "AirportFile"), QStringLiteral("/data/world.nav"));
    EXPECT_EQ(OnDisk(path, "Airports"), QStringLiteral("199,KSEA,"));
    store.WriteInt("View",
                   ID_VIEW_FLIGHT_PLANNING); // behind: on the disk within a second, without a flush
    for (int waited = 0; OnDisk(path, "View").isEmpty() && waited < 100; ++waited)
        QThread::msleep(50); // generous for a loaded machine
    EXPECT_EQ(OnDisk(path, "View"), QStringLiteral("33030"));
}

TEST(IniSettingsStore, LastStoreWritesWhatIsLeft) {
    TempFolder folder;
    const QString path = folder.File("s.ini");
    {
        IniSettingsStore store(path);
        store.WriteText("AirportSearch", "river");
        store.Remove("Nav");
    }
    EXPECT_EQ(OnDisk(path, "AirportSearch"), QStringLiteral("river"));
}

// A child process writes and is killed without warning: the file is whole and holds at least
// the values written at once.
TEST(IniSettingsStore, CrashKeepsAValidFileWithTheValuesWrittenAtOnce) {
    TempFolder folder;
    const QString path = folder.File("s.ini");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        IniSettingsStore store(path);
        store.WriteText("AirportFile", "/data/world.nav");
        store.WriteText("Times.Startup", "2026-12-09T10:00:00.000Z");
        for (int i = 0; i < 5000; ++i) // the writer thread is busy when the kill comes
            store.WriteText("Airports", QString::number(i) + ",KSEA,KBFI,");
        QThread::msleep(520);
        for (int i = 0; i < 5000; ++i)
            store.WriteText("Nav", QString::number(i) + ",SEA,");
        kill(getpid(), SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    QSettings file(path, QSettings::IniFormat);
    EXPECT_EQ(file.status(), QSettings::NoError);
    EXPECT_EQ(file.value("Settings/AirportFile").toString(), QStringLiteral("/data/world.nav"));
    EXPECT_EQ(file.value("Settings/Times.Startup").toString(),
              QStringLiteral("2026-12-09T10:00:00.000Z"));
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_TRUE(raw.readAll().startsWith("[Settings]\n"));
}

TEST(ParseStoredInt, AcceptsSigned32BitAndDwordRange) {
    int v = 0;
    EXPECT_TRUE(ParseStoredInt("4294967295", &v));
    EXPECT_EQ(v, -1);
    EXPECT_TRUE(ParseStoredInt(" -300 ", &v));
    EXPECT_EQ(v, -300);
    EXPECT_FALSE(ParseStoredInt("4294967296", &v));
    EXPECT_FALSE(ParseStoredInt("12abc", &v));
    EXPECT_FALSE(ParseStoredInt("", &v));
}

} // namespace
