#include "ShellFixture.h"

#include "core/checklists/ChecklistBuilder.h"
#include "core/common/io/FileIo.h"

#include <QDir>
#include <QFile>

#include <chrono>
#include <pty.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

class DocumentTest : public ShellTest {
protected:
    // A checklist file of one aircraft with one item.
    static QByteArray ChecklistFile() {
        ChecklistBuilder builder;
        EXPECT_TRUE(builder.Append(0, QStringLiteral("C172")).ok());
        EXPECT_TRUE(builder.Append(1, QStringLiteral("Normal")).ok());
        EXPECT_TRUE(builder.Append(2, QStringLiteral("Start")).ok());
        EXPECT_TRUE(builder.Append(3, QStringLiteral("Before start")).ok());
        EXPECT_TRUE(builder.Append(4, QStringLiteral("Fuel:On")).ok());
        return ChecklistFileImage(builder.Records());
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(WriteWholeFile(path, bytes, QString()).ok()) << path.toStdString();
    }
    static QStringList Texts(const QList<Message>& messages) {
        QStringList texts;
        for (const Message& m : messages)
            texts.append(m.text);
        return texts;
    }
};

TEST_F(DocumentTest, ConstructionReadsRecentListsAndTimerSettings) {
    const struct {
        QString airports;
        QString nav;
        QStringList recentAirports;
        QStringList recentNav;
    } cases[] = {
        {"KSEA,KPDX,", "SEA,", {"KSEA", "KPDX"}, {"SEA"}},
        {"KSEA,KPDX", "SEA", {"KSEA"}, {}}, // the last one needs its comma
        {"", "", {}, {}},
        {",KBFI,", "", {"", "KBFI"}, {}},
    };
    for (const auto& c : cases) {
        platform.settings.WriteText("Airports", c.airports);
        platform.settings.WriteText("Nav", c.nav);
        platform.settings.WriteText("TimerName2", "Fuel tank");
        CTrevallionDoc doc(platform.settings, fix);
        EXPECT_EQ(doc.NavData().RecentAirports(), c.recentAirports) << c.airports.toStdString();
        EXPECT_EQ(doc.NavData().RecentNavAids(), c.recentNav) << c.nav.toStdString();
        const TimesState& times = doc.Times();
        EXPECT_EQ(times.timers[2].Name(), QStringLiteral("Fuel tank"));
        EXPECT_EQ(times.timers[0].Name(), QStringLiteral("Timer 1"));
        for (int i = 0; i < TimesState::kTimerCount; ++i)
            EXPECT_EQ(times.timers[i].Index(), i);
        EXPECT_FALSE(times.flight.AnyRecorded());
    }
}

TEST_F(DocumentTest, NewDocumentLoadsEveryFileAndReportsEachFailure) {
    // A damaged fleet, no navigation file, no waypoints, a shipped checklist to install.
    Write(DataFolder() + "aircraft.db", QByteArray("\x07\x00\x00\x00", 4));
    Write(ProgramFolder() + "checklist.db", ChecklistFile());
    CTrevallionDoc doc(platform.settings, fix);
    const QList<Message> messages = doc.OnNewDocument();
    const QStringList texts = Texts(messages);
    ASSERT_EQ(texts.size(), 2) << texts.join(" | ").toStdString();
    EXPECT_EQ(messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(texts[1].startsWith("Error:\nUnable to open Airport file.\n"));
    // The failures stopped nothing: the fleet has its defaults and the checklist is installed.
    EXPECT_FALSE(doc.Aircraft().Types().isEmpty());
    EXPECT_EQ(doc.NavFilePath(), DefaultNavFilePath());
    EXPECT_FALSE(doc.NavData().IsLoaded());
    EXPECT_EQ(doc.Waypoints().Count(), 0);
    EXPECT_TRUE(QFile::exists(DataFolder() + "checklist.db"));
    EXPECT_EQ(doc.Checklists().AircraftNames(), QStringList{"C172"});
}

// Data files that are FIFOs (or devices) are refused with their kind at start; the start goes on
// instead of waiting for a writer that never comes.
TEST_F(DocumentTest, FifosInPlaceOfTheDataFilesAreRefusedAtOnce) {
    QDir().mkpath(DataFolder());
    const QString nav = documents.File("charts.nav");
    platform.settings.WriteText("AirportFile", nav);
    for (const QString& path : {DataFolder() + "aircraft.db", DataFolder() + "waypoints.db",
                                DataFolder() + "checklist.db", nav})
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    CTrevallionDoc doc(platform.settings, fix);
    const QStringList texts = Texts(doc.OnNewDocument());
    ASSERT_EQ(texts.size(), 4) << texts.join(" | ").toStdString();
    for (const QString& text : texts)
        EXPECT_TRUE(text.contains("Is a FIFO, not a file")) << text.toStdString();
    EXPECT_FALSE(doc.Aircraft().Types().isEmpty()); // the defaults
}

TEST_F(DocumentTest, NavigationFileFromTheSettingOrTheDefault) {
    EXPECT_TRUE(DefaultNavFilePath().endsWith("/Orvenda/usa.nav"));
    const QString chosen = documents.File("charts/west.nav");
    platform.settings.WriteText("AirportFile", chosen);
    CTrevallionDoc doc(platform.settings, fix);
    const QStringList texts = Texts(doc.OnNewDocument());
    EXPECT_EQ(doc.NavFilePath(), chosen);
    // Neither file exists: the open failure and the missing checklist are reported.
    EXPECT_EQ(texts.filter("Unable to open Airport file").size(), 1);
    EXPECT_EQ(texts.filter("Checklist data file not found").size(), 1);
}

// A restart in flight: the source running at the last exit starts again; Stop forgets it, and
// a source that cannot be opened is reported with its name.
TEST_F(DocumentTest, TheGpsRunningAtExitStartsAgain) {
    int master = -1;
    int slave = -1;
    char name[256] = {};
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    const std::optional<GpsSourceEntry> pty =
        ParseGpsSourceSpec(QStringLiteral("serial:") + QString::fromLocal8Bit(name));
    ASSERT_TRUE(pty.has_value());
    {
        CTrevallionDoc doc(platform.settings, fix);
        ASSERT_TRUE(doc.StartGps(*pty).ok());
    } // the program ends with the GPS running
    {
        CTrevallionDoc doc(platform.settings, fix);
        static_cast<void>(doc.OnNewDocument());
        EXPECT_TRUE(doc.Gps().IsRunning());
        EXPECT_EQ(doc.GpsSourceName(), pty->name);
        doc.StopGps();
    }
    {
        CTrevallionDoc doc(platform.settings, fix);
        static_cast<void>(doc.OnNewDocument());
        EXPECT_FALSE(doc.Gps().IsRunning());
    }
    ::close(slave);
    ::close(master);
    RememberRunningGpsSource(platform.settings, ParseGpsSourceSpec("gpsd:127.0.0.1:1"));
    CTrevallionDoc doc(platform.settings, fix);
    const QStringList texts = Texts(doc.OnNewDocument());
    EXPECT_EQ(texts.filter("The GPS (gpsd 127.0.0.1:1) could not be started again.").size(), 1);
    EXPECT_FALSE(doc.Gps().IsRunning());
}

TEST_F(DocumentTest, DestroyingTheDocumentStopsTheGpsReceiver) {
    int master = -1;
    int slave = -1;
    char name[256] = {};
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    {
        CTrevallionDoc doc(platform.settings, fix);
        ASSERT_TRUE(doc.Gps().StartGps(QString::fromLocal8Bit(name)).ok());
        EXPECT_TRUE(fix.IsOpen());
    }
    EXPECT_FALSE(fix.IsOpen()); // the reader has ended and the port is closed
    ::close(slave);
    ::close(master);
}

} // namespace
