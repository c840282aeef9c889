// The recorded times kept across a restart, and a whole recorded flight driven through the GPS
// record, the one-second tick and the flight track: takeoff at 41 and landing at 39 knots with
// "TakeoffGS" 40, and a GPX file that is complete after the flight.
#include "TimesTestSupport.h"

#include "core/common/io/DeviceFolders.h"
#include "core/common/settings/AppSettings.h"
#include "core/common/settings/IniSettingsStore.h"
#include "core/common/settings/MemorySettingsStore.h"
#include "core/gps/GpsFix.h"
#include "core/gps/NmeaLineAssembler.h"
#include "core/gps/NmeaSentence.h"
#include "core/gps/ReplayGpsSource.h"
#include "core/times/ClockTick.h"
#include "core/times/FlightTimesStore.h"
#include "core/times/FlightTrack.h"
#include "core/times/TimesState.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <functional>

namespace {

using FlightTimesStoreTest = FixedClockTest;

TEST_F(FlightTimesStoreTest, TimesSurviveARestart) {
    MemorySettingsStore store;
    FlightTimes before;
    SetTime(23, 50, 7);
    before.RecordStartup();
    SetTime(23, 58);
    before.RecordTakeoff();
    SaveFlightTimes(store, before);
    const FlightTimes after = LoadFlightTimes(store); // a new run reads them back
    for (FlightEvent e :
         {FlightEvent::Startup, FlightEvent::Takeoff, FlightEvent::Landing, FlightEvent::Shutdown})
        EXPECT_EQ(after.Time(e), before.Time(e));
    EXPECT_TRUE(after.AirTimerRunning());

    before.ResetAll(); // a reset is kept too
    SaveFlightTimes(store, before);
    EXPECT_FALSE(LoadFlightTimes(store).AnyRecorded());
}

// Each record or reset of the flight is on the disk when it returns, in exactly one write of the
// settings file (four values change at most), whichever events it touches.
TEST_F(FlightTimesStoreTest, EachRecordIsOneWriteOfTheSettingsFile) {
    TempFolder folder;
    const QString path = folder.File("Trevallion.ini");
    IniSettingsStore store(path);
    FlightTimes times;
    const struct {
        const char* what;
        std::function<void()> change;
        bool startupOnDisk;
    } steps[] = {
        {"startup", [&] { times.RecordStartup(); }, true},
        {"takeoff", [&] { times.RecordTakeoff(); }, true},
        {"landing", [&] { times.RecordLanding(); }, true},
        {"shutdown", [&] { (void)times.RecordShutdown(true); }, true},
        {"reset of all four", [&] { times.ResetAll(); }, false},
    };
    const QString startup = RecordAt(10, 5).ToDateTime().toString(Qt::ISODateWithMs);
    SetTime(10, 5);
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        const uint64_t before = store.FileWrites();
        step.change();
        SaveFlightTimes(store, times);
        EXPECT_EQ(store.FileWrites(), before + 1);
        EXPECT_EQ(QSettings(path, QSettings::IniFormat).value("Settings/Times.Startup").toString(),
                  step.startupOnDisk ? startup : QString());
    }
    const uint64_t before = store.FileWrites();
    SaveFlightTimes(store, times); // nothing changed: nothing to write
    EXPECT_EQ(store.FileWrites(), before);
}

TEST_F(FlightTimesStoreTest, DamagedValuesLeaveTheirEventUnrecorded) {
    struct Case {
        const char* startup;
        const char* landing;
        bool startupKept;
        bool landingKept;
    };
    const Case cases[] = {
        {"2026-03-20T10:00:00.000Z", "2026-03-20T11:00:00.000Z", true, false}, // no takeoff
        {"yesterday", "", false, false},
        {"2026-03-20T10:00:00.000+02:00", "", false, false}, // not written by us: not UTC
        {"2026-13-40T10:00:00.000Z", "", false, false},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        store.WriteText("Times.Startup", c.startup);
        store.WriteText("Times.Landing", c.landing);
        const FlightTimes t = LoadFlightTimes(store);
        EXPECT_EQ(t.IsRecorded(FlightEvent::Startup), c.startupKept) << c.startup;
        EXPECT_EQ(t.IsRecorded(FlightEvent::Landing), c.landingKept) << c.startup;
    }
}

// The shipped recording, one sentence group a second, with the test's clock following GPS time.
class RecordedFlightTest : public FixedClockTest {
protected:
    void SetUp() override {
        FixedClockTest::SetUp();
        SetDocumentsFolder(documents.Path());
        QFile file(QStringLiteral(TREVALLION_RECORDING));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        groups = GroupNmeaSentences(file.readAll());
        ASSERT_GT(groups.size(), 300);
        settings.takeoffGroundSpeed = 40;
        fix.SetOpen(true);
    }
    void TearDown() override {
        SetDocumentsFolder(QString());
        FixedClockTest::TearDown();
    }

    // Plays one group at its own time (an empty one a second later) and ticks once; returns the
    // speed the fix published.
    int32_t Play(const QList<QByteArray>& group) {
        base += std::chrono::seconds(1);
        for (const QByteArray& sentence : group)
            fix.ApplySentence(sentence, base);
        const GpsReading reading = fix.Snapshot(base);
        if (group.isEmpty())
            clock.AdvanceSeconds(1); // a quiet second
        else if (reading.values.time != 0)
            SetTime(reading.values.time / 10000, reading.values.time / 100 % 100,
                    reading.values.time % 100);
        ClockTick(times, tickClock, reading, settings);
        if (const Status ticked = track.Tick(times.flight, reading); !ticked)
            ADD_FAILURE() << ticked.error().text.toStdString();
        return reading.values.speed;
    }

    TempFolder documents;
    QList<QList<QByteArray>> groups;
    GpsFix fix;
    GpsFix::TimePoint base = std::chrono::steady_clock::now();
    TimesState times;
    TickClock tickClock;
    AppSettings settings;
    FlightTrack track;
};

TEST_F(RecordedFlightTest, TakeoffAt41LandingAt39AndACompleteTrack) {
    SetTime(10, 4, 0);
    ASSERT_TRUE(times.flight.RecordStartup());
    int takeoffSpeed = -1;
    int landingSpeed = -1;
    for (const QList<QByteArray>& group : groups) {
        const bool airborne = times.flight.IsRecorded(FlightEvent::Takeoff);
        const bool landed = times.flight.IsRecorded(FlightEvent::Landing);
        const int32_t speed = Play(group);
        if (!airborne && times.flight.IsRecorded(FlightEvent::Takeoff))
            takeoffSpeed = speed;
        if (!landed && times.flight.IsRecorded(FlightEvent::Landing))
            landingSpeed = speed;
    }
    EXPECT_EQ(takeoffSpeed, 41);
    EXPECT_EQ(landingSpeed, 39);
    EXPECT_EQ(times.flight.Time(FlightEvent::Takeoff),
              SystemTime::FromDateTime(UtcAt(2026, 3, 20, 10, 6, 4)));
    EXPECT_EQ(times.flight.Time(FlightEvent::Landing),
              SystemTime::FromDateTime(UtcAt(2026, 3, 20, 10, 11, 0)));

    const QString path = track.Path();
    EXPECT_TRUE(path.endsWith("/Orvenda/Tracks/2026-03-20_1004Z.gpx")) << path.toStdString();
    const int points = track.PointCount();
    ASSERT_TRUE(times.flight.RecordShutdown() == ShutdownRecord::Recorded);
    Play({});
    EXPECT_TRUE(track.Path().isEmpty()); // the flight has ended: the file is final

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray gpx = file.readAll();
    QXmlStreamReader xml(gpx);
    int trackPoints = 0;
    QString lastTime;
    bool inTime = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"gpx") {
            EXPECT_EQ(xml.namespaceUri(), u"http://www.topografix.com/GPX/1/1");
            EXPECT_EQ(xml.attributes().value("version"), u"1.1");
        }
        if (xml.isStartElement() && xml.name() == u"trkpt") {
            ++trackPoints;
            const double lat = xml.attributes().value("lat").toDouble();
            const double lon = xml.attributes().value("lon").toDouble();
            EXPECT_NEAR(lat, 52.44, 0.05); // north
            EXPECT_NEAR(lon, -1.75, 0.05); // west: the hemisphere letters applied
        }
        inTime = xml.isStartElement() && xml.name() == u"time"
                     ? true
                     : (xml.isEndElement() ? false : inTime);
        if (inTime && xml.isCharacters() && !lastTime.isEmpty()) {
            EXPECT_LT(lastTime, xml.text().toString());
        }
        if (inTime && xml.isCharacters())
            lastTime = xml.text().toString();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(trackPoints, points);
    EXPECT_GT(trackPoints, 300); // every valid fix of the flight, none of the five without one
    EXPECT_LT(trackPoints, groups.size() - 4);

    const QString xmllint = QStandardPaths::findExecutable("xmllint");
    if (!xmllint.isEmpty()) {
        EXPECT_EQ(QProcess::execute(xmllint, {"--noout", path}), 0);
    }
}

TEST_F(RecordedFlightTest, LostFixRecordsNoLanding) {
    SetTime(10, 4, 0);
    times.flight.RecordStartup();
    times.flight.RecordTakeoff();
    // A valid fix in flight, then the receiver loses it: status "V" with speed 0.
    Play({"$GPRMC,100700.00,A,5227.0000,N,00144.5000,W,85.0,150.0,200326,,,A*70"});
    for (int second = 1; second <= 15; ++second) {
        Play({NmeaWithChecksum(QByteArray("GPRMC,1007") +
                               QByteArray::number(second).rightJustified(2, '0') +
                               ".00,V,,,,,0.0,,200326,,,N")});
        EXPECT_EQ(fix.Snapshot(base).values.speed, 0); // what arrived is still shown
    }
    EXPECT_FALSE(times.flight.IsRecorded(FlightEvent::Landing));
    EXPECT_TRUE(fix.Snapshot(base).Stale()); // no valid fix for more than 10 s
}

// Sentences as real receivers damage them, received as bytes the way the reader thread gets
// them: none may become a fix, so at cruise none records a landing or adds a track point.
TEST_F(RecordedFlightTest, DamagedSentencesRecordNoLandingAndNoTrackPoint) {
    SetTime(10, 4, 0);
    times.flight.RecordStartup();
    times.flight.RecordTakeoff();
    const QByteArray cruise =
        NmeaWithChecksum("GPRMC,100700.00,A,5227.0000,N,00144.5000,W,85.0,150.0,200326,,,A");
    NmeaLineAssembler lines;
    const auto receive = [&](const QByteArray& bytes) {
        QList<QByteArray> group;
        for (const char byte : bytes)
            if (const std::optional<QByteArray> sentence = lines.Add(byte))
                group.append(*sentence);
        return Play(group);
    };
    ASSERT_EQ(receive(cruise + "\r\n"), 85);
    const int points = track.PointCount();
    const QByteArray cut = "$GPRMC,000346.03,A,4808";
    const QByteArray damaged[] = {
        "$GPRMC,000344.03,A,4808.9992,N,4,02.3*05\r\n", // fields missing, checksum wrong
        cut + QByteArray(40, '\0') + "\r\n",            // cut short and padded with NULs
        cut + QByteArray(NmeaLineAssembler::kCapacity, '\0'),
        QByteArray(cruise).replace("85.0", "00.0") + "\r\n", // a flipped digit: checksum wrong
        NmeaWithChecksum("GPRMC,100702.00,A,5227.0000,N,00144.5000,W,,150.0,200326,,,A") +
            "\r\n", // a fix without a speed
        NmeaWithChecksum("GPRMC,100703.00,A,5227.0000,N,00144.5000,W,0.0,150.0,200326") +
            "\r\n", // the variation fields missing
        NmeaWithChecksum("PGRMC,100704.00,A,5227.0000,N,00144.5000,W,0.0,150.0,200326,,,A") +
            "\r\n", // a maker's own sentence, not an RMC
    };
    for (const QByteArray& bytes : damaged) {
        EXPECT_EQ(receive(bytes), 85) << bytes.toStdString();
        EXPECT_FALSE(times.flight.IsRecorded(FlightEvent::Landing)) << bytes.toStdString();
    }
    EXPECT_EQ(track.PointCount(), points);
}

TEST_F(RecordedFlightTest, RestartGoesOnWithTheSameTrack) {
    SetTime(10, 4, 0);
    times.flight.RecordStartup();
    for (int i = 20; i < 60; ++i)
        Play(groups[i]);
    for (int i = 0; i < FlightTrack::kFlushSeconds; ++i)
        Play({});
    const QString path = track.Path();
    const int before = track.PointCount();
    ASSERT_GT(before, 30);
    ASSERT_TRUE(QFile::exists(path));

    track = FlightTrack(); // the program restarted with its times restored
    for (int i = 60; i < 70; ++i)
        Play(groups[i]);
    EXPECT_EQ(track.Path(), path);
    EXPECT_EQ(track.PointCount(), before + 10);
}

} // namespace
