#include "core/common/settings/AppSettings.h"
#include "core/common/settings/IniSettingsStore.h"
#include "core/common/settings/IniText.h"
#include "core/common/settings/MemorySettingsStore.h"
#include "core/common/settings/SettingsSchema.h"

#include "support/FullDiskFolder.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QThread>

#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
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
    EXPECT_EQ(s.viewId, static_cast<uint32_t>(ID_VIEW_TIMES));
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
    EXPECT_EQ(s.viewId, static_cast<uint32_t>(ID_VIEW_TIME_ZONES));
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

// A hand-edited value outside what its key accepts reads as the key's default; the limits
// themselves are accepted.
TEST(SettingsSchema, ValuesOutsideTheirRangeReadAsTheDefault) {
    const struct {
        IntSetting key;
        const char* stored;
        int read;
    } ints[] = {
        {setting::kTakeoffGroundSpeed, "500", 0},
        {setting::kTakeoffGroundSpeed, "99", 99},
        {setting::kTakeoffGroundSpeed, "-1", 0},
        {setting::kTimerStart.At(0), "-5", 0},
        {setting::kTimerStart.At(3), "5940", 5940},
        {setting::kTimerStart.At(1), "5941", 0},
        {setting::kPreferences, "8", 0},
        {setting::kPreferences, "7", 7},
        {setting::kTimeView, "4", 0},
        {setting::kSunLocation, "3", 0},
        {setting::kGraphOptions, "4294967295", -1},
        {setting::kGraphOptions, "x", -1},
        {setting::kView, "5", 5}, // any number: the application maps unknown views
    };
    for (const auto& c : ints) {
        SCOPED_TRACE(c.key.Name().toStdString() + "=" + c.stored);
        TempFolder folder;
        QFile file(folder.File("s.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\n" + c.key.Name().toUtf8() + '=' + c.stored + '\n');
        file.close();
        const IniSettingsStore store(file.fileName());
        EXPECT_EQ(c.key.Read(store), c.read);
        if (c.key.name == setting::kTakeoffGroundSpeed.name) {
            EXPECT_EQ(ReadAppSettings(store).takeoffGroundSpeed, static_cast<uint32_t>(c.read));
        }
    }
    const QString longSearch(kSearchTextChars + 1, u'a');
    const QString search(kSearchTextChars, u'a');
    for (const QString& text : {longSearch, search}) {
        MemorySettingsStore store;
        store.WriteText(setting::kAirportSearch.Name(), text);
        EXPECT_EQ(setting::kAirportSearch.Read(store), text == search ? text : QString());
    }
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
    setting::kStartupTime.Write(store, "2026-12-09T10:00:00.000Z"); // at once, with the rest
    EXPECT_EQ(OnDisk(path, "Times.Startup"), QStringLiteral("2026-12-09T10:00:00.000Z"));
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
        setting::kStartupTime.Write(store, "2026-12-09T10:00:00.000Z");
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

QByteArray SettingsFileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Our INI text is QSettings' text: a file QSettings wrote reads as QSettings reads it, and the
// same values write the same bytes.
TEST(IniText, ReadsAndWritesWhatQSettingsDoes) {
    const QList<QPair<QString, QString>> values = {
        {"Settings/Airports", "KSEA,KBFI,"},
        {"Settings/Name", " Timer 1 "},
        {"Settings/Equation", "a=b;c"},
        {"Settings/Quoted", "say \"hi\" \\ there"},
        {"Settings/Controls", QString("tab\tline\nbell\a") + QChar(1) + "f" + QChar(0) + "1"},
        {"Settings/At", "@home"},
        {"Settings/Invalid", "@Invalid()"},
        {"Settings/Wide", QString::fromUtf8("Zürich \xe2\x86\x92 \xf0\x9f\x9b\xa9")},
        {"Settings/Empty", ""},
        {"Settings/Time Zone 1", "UTC+1=60"},
        {"Settings/a%b\xc3\xa9\xe2\x82\xac", "x"},
        {"Settings/TimerVal0", "4294967295"},
        {"Plan/Route", "KSEA"},
        {"General", "%General section"},
        {"Top", "no section"},
    };
    TempFolder folder;
    const QString path = folder.File("q.ini");
    {
        QSettings settings(path, QSettings::IniFormat);
        for (const auto& [key, value] : values)
            settings.setValue(key, value);
    }
    const QByteArray written = SettingsFileBytes(path);
    const IniDocument read = ParseIniText(written);
    EXPECT_TRUE(read.wellFormed);
    const QSettings settings(path, QSettings::IniFormat);
    QStringList keys = settings.allKeys();
    keys.sort();
    EXPECT_EQ(read.values.keys(), keys);
    IniValues expected;
    for (const QString& key : settings.allKeys()) {
        EXPECT_EQ(read.values.value(key), settings.value(key).toString()) << key.toStdString();
        expected.insert(key, settings.value(key).toString());
    }
    EXPECT_EQ(WriteIniText(expected), written);
}

TEST(IniText, ToleratesWhatHandsWriteAndMarksDamage) {
    const struct {
        QByteArray text;
        IniValues values;
        bool wellFormed;
    } cases[] = {
        {"; comment\r\n[Settings]\r\n View = 33030 \r\nNav = SEA , PAE,\n",
         {{"Settings/View", "33030"}, {"Settings/Nav", "SEA,PAE,"}},
         true},
        {"\xef\xbb\xbf[Settings]\nA=\"x ; y\" ; note\nB=1\\\n2\n",
         {{"Settings/A", "x ; y"}, {"Settings/B", "12"}},
         true},
        {"[Settings]\nno equals sign\nA=1\n", {{"Settings/A", "1"}}, false},
        {"[Settings\nA=1\n", {{"Settings/A", "1"}}, false},
        {"[Settings]\nA=\xff\xfe\n",
         {{"Settings/A", QString(2, QChar::ReplacementCharacter)}},
         false},
        {QByteArray("[Settings]\nA=1\0\n", 16), {{"Settings/A", QString("1") + QChar(0)}}, false},
    };
    for (const auto& c : cases) {
        const IniDocument document = ParseIniText(c.text);
        EXPECT_EQ(document.values, c.values) << c.text.toStdString();
        EXPECT_EQ(document.wellFormed, c.wellFormed) << c.text.toStdString();
    }
}

// A save that cannot reach the disk keeps the old file byte for byte and every value in memory,
// is told once with the system's reason, and is told again only after a save succeeded.
TEST(IniSettingsStore, AFailedSaveIsToldOnceAndKeepsTheOldFile) {
    const struct {
        const char* what;
        qint64 leave; // bytes left free; -1: a read-only file system
        int values;   // values in the file before (about 40 bytes each)
        const char* reason;
    } cases[] = {
        {"full disk", 0, 10, kNoSpaceReason},
        {"one block left, file larger", 4096, 150, kNoSpaceReason},
        {"read-only file system", -1, 10, "Read-only file system"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FullDiskFolder disk;
        REQUIRE_FULL_DISK(disk);
        const QString path = disk.File("Orvenda Technologies/Trevallion.ini");
        {
            IniSettingsStore store(path);
            for (int i = 0; i < c.values; ++i)
                store.WriteText(QStringLiteral("Times.Value%1").arg(i), "2026-12-09T10:00:00.000Z");
        }
        const QByteArray before = SettingsFileBytes(path);
        ASSERT_GT(before.size(), 0);
        if (c.leave < 0)
            ASSERT_TRUE(disk.MakeReadOnly());
        else
            disk.Fill(c.leave);
        IniSettingsStore store(path);
        EXPECT_FALSE(store.TakeFailure());
        setting::kStartupTime.Write(store, "2026-12-09T11:00:00.000Z");
        const std::optional<Message> failure = store.TakeFailure();
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->text, QStringLiteral("Settings could not be saved: ") + c.reason);
        EXPECT_EQ(SettingsFileBytes(path), before);
        setting::kTakeoffTime.Write(store, "2026-12-09T11:10:00.000Z");
        store.Flush();
        EXPECT_FALSE(store.TakeFailure()); // told once
        EXPECT_EQ(store.ReadText("Times.Startup"), QStringLiteral("2026-12-09T11:00:00.000Z"));
        if (c.leave < 0)
            continue;
        disk.Free();
        setting::kLandingTime.Write(store, "2026-12-09T12:00:00.000Z"); // retried with all values
        EXPECT_FALSE(store.TakeFailure());
        const IniValues saved = ParseIniText(SettingsFileBytes(path)).values;
        EXPECT_EQ(saved.value("Settings/Times.Startup"),
                  QStringLiteral("2026-12-09T11:00:00.000Z"));
        EXPECT_EQ(saved.value("Settings/Times.Takeoff"),
                  QStringLiteral("2026-12-09T11:10:00.000Z"));
        EXPECT_EQ(saved.size(), c.values + 3);
        disk.Fill(c.leave);
        setting::kShutdownTime.Write(store, "2026-12-09T12:10:00.000Z");
        EXPECT_TRUE(store.TakeFailure()); // told again after the success in between
    }
}

// A small file still fits into the last block: the save succeeds instead of emptying the file.
TEST(IniSettingsStore, TheLastBlockHoldsASmallFile) {
    FullDiskFolder disk;
    REQUIRE_FULL_DISK(disk);
    const QString path = disk.File("Trevallion.ini");
    {
        IniSettingsStore store(path);
        store.WriteInt("View", ID_VIEW_TIMES);
    }
    disk.Fill(4096);
    {
        IniSettingsStore store(path);
        setting::kStartupTime.Write(store, "2026-12-09T11:00:00.000Z");
        EXPECT_FALSE(store.TakeFailure());
    }
    EXPECT_EQ(SettingsFileBytes(path),
              QByteArray("[Settings]\nTimes.Startup=2026-12-09T11:00:00.000Z\nView=32881\n"));
}

// A damaged file is told at start, read as far as it can be, and kept before the first save.
TEST(IniSettingsStore, ADamagedFileIsToldAndKeptAsBad) {
    TempFolder folder;
    const QString path = folder.File("Trevallion.ini");
    const QByteArray damaged("[Settings]\nView=33030\n\x7f\x45LF\x02\x01\n");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();
    IniSettingsStore store(path);
    const std::optional<Message> problem = store.TakeFailure();
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text,
              QStringLiteral("The settings file is damaged: only the values that could be read are "
                             "used.\nThe file is kept as Trevallion.ini.bad when the settings are "
                             "saved."));
    EXPECT_FALSE(store.TakeFailure());
    EXPECT_EQ(store.ReadInt("View", 0), ID_VIEW_FLIGHT_PLANNING);
    store.WriteText("AirportFile", "/data/world.nav");
    store.Flush();
    EXPECT_FALSE(store.TakeFailure());
    EXPECT_EQ(SettingsFileBytes(path + ".bad"), damaged);
    EXPECT_TRUE(ParseIniText(SettingsFileBytes(path)).wellFormed);
}

// What is not a regular file at the settings path (a folder, a FIFO, a link to a device) is told
// when read and when saved, and left as it is: never read without end, waited on or replaced.
TEST(IniSettingsStore, WhatIsNoFileAtThePathIsToldAndLeftAlone) {
    TempFolder folder;
    const QString path = folder.File("Trevallion.ini");
    const QString device = folder.File("random"); // a node of our own, never the machine's /dev
    const bool haveDevice =
        ::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 9)) == 0;
    const struct {
        const char* what;
        std::function<bool()> make;
        QString reason;
    } cases[] = {
        {"folder", [&] { return QDir().mkpath(path + "/inside"); }, "Is a directory"},
        {"FIFO", [&] { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; },
         "Is a FIFO, not a file"},
        {"link to a device", [&] { return haveDevice && QFile::link(device, path); },
         "Is a device, not a file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(path).removeRecursively();
        QFile::remove(path);
        if (!c.make())
            continue; // a device node needs root
        struct stat before {};
        ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &before), 0);
        IniSettingsStore store(path);
        const std::optional<Message> unread = store.TakeFailure();
        ASSERT_TRUE(unread);
        EXPECT_EQ(unread->text, "The settings file could not be read: " + c.reason);
        store.WriteText("AirportFile", "/data/world.nav");
        store.Flush();
        const std::optional<Message> failure = store.TakeFailure();
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->text, "Settings could not be saved: " + c.reason);
        EXPECT_EQ(store.ReadText("AirportFile"), QStringLiteral("/data/world.nav"));
        struct stat after {};
        ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mode, before.st_mode);
    }
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
