#include "TimesFixture.h"

#include "core/gps/SystemClockSetter.h"
#include "core/logbook/LogbookStore.h"
#include "resource.h"
#include "ui/gps/GpsDlg.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QXmlStreamReader>

#include <pty.h>
#include <thread>
#include <unistd.h>

namespace {

using V = CTimerView;

class GpsDlgTest : public TimesViewTest {
protected:
    void SetUp() override {
        TimesViewTest::SetUp();
        InstallSystemClockSetter([this](const QDateTime& utc) {
            clockSetTo = utc;
            return clockAnswer;
        });
    }
    void TearDown() override {
        InstallSystemClockSetter({});
        CGpsDlg::SetReplayInterval(0);
        TimesViewTest::TearDown();
    }

    // Runs the dialog from the Times menu with a script.
    void RunDialog(std::function<int(CGpsDlg&)> script) {
        platform.dialogScripts.append(
            [script](QDialog* d) { return script(*static_cast<CGpsDlg*>(d)); });
        frame->Commands().Run(ID_EDIT_GPS);
    }
    static QString Label(CGpsDlg& d, int id) { return d.GetDlgItemText(id); }

    QDateTime clockSetTo;
    Status clockAnswer;
};

TEST_F(GpsDlgTest, ReadoutFromAPseudoTerminal) {
    MakeTimesView();
    int master = -1, slave = -1;
    char name[256] = {};
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    RunDialog([&](CGpsDlg& d) {
        EXPECT_EQ(Label(d, IDC_GPS_START), "Start");
        EXPECT_EQ(Label(d, IDC_GPS_TIME), "Time: 0Z");
        EXPECT_FALSE(d.GetDlgItem(IDC_GPS_SET_TIME)->isEnabled());
        d.Combo(IDC_GPS_SOURCE)->setEditText(QString::fromLocal8Bit(name)); // a typed device
        d.StartOrStop();
        EXPECT_EQ(Label(d, IDC_GPS_START), "Stop");
        d.Refresh();
        EXPECT_EQ(Label(d, IDC_GPS_STATUS), "No fix: data stale");
        const QByteArray nmea =
            "$GPRMC,093015.00,A,4916.45,N,12311.12,W,12.9,275.0,191194,,*18\r\n"
            "$GPGGA,093015.00,4916.45,N,12311.12,W,1,08,0.9,100.0,M,,M,,*66\r\n";
        EXPECT_EQ(::write(master, nmea.constData(), nmea.size()), nmea.size());
        for (int i = 0; i < 400 && document->Fix().Snapshot().values.altitude == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        d.Refresh();
        EXPECT_EQ(Label(d, IDC_GPS_TIME), "Time: 09:30:15Z");
        EXPECT_EQ(Label(d, IDC_GPS_SPEED), "Speed: 12");
        EXPECT_EQ(Label(d, IDC_GPS_HEADING), "Heading: 275");
        EXPECT_EQ(Label(d, IDC_GPS_ALTITUDE), "Altitude: 330");
        EXPECT_EQ(Label(d, IDC_GPS_LATITUDE), "Latitude: 4916.450000");
        EXPECT_EQ(Label(d, IDC_GPS_LONGITUDE), "Longitude: 12311.120000");
        EXPECT_EQ(Label(d, IDC_GPS_STATUS), "");
        EXPECT_TRUE(d.GetDlgItem(IDC_GPS_SET_TIME)->isEnabled());
        d.SetSystemTimeFromGps();
        return kIdCancel; // Close: the receiver goes on
    });
    EXPECT_EQ(clockSetTo, QDateTime(QDate(2026, 3, 20), QTime(9, 30, 15), QTimeZone::utc()));
    EXPECT_TRUE(document->Gps().IsRunning());
    EXPECT_TRUE(View().Control(IDC_TIMES_GPS_SPEED)->isVisibleTo(&View()));
    frame->OnTimer();
    EXPECT_EQ(qobject_cast<QLabel*>(View().Control(IDC_TIMES_GPS_SPEED))->text(), "12");
    document->Gps().StopGps();
    ::close(slave);
    ::close(master);
}

TEST_F(GpsDlgTest, RefusedClockAndBadSourcesAreReported) {
    MakeTimesView();
    clockAnswer = Status::Fail("Error: Operation not permitted", MessageIcon::None);
    document->Fix().SetOpen(true);
    document->Fix().ApplySentence("$GPRMC,120000,A,4807.038,N,01131.000,E,0,0,230394,,*13");
    RunDialog([&](CGpsDlg& d) {
        d.SetSystemTimeFromGps();
        d.Combo(IDC_GPS_SOURCE)->setEditText("no such source");
        d.StartOrStop();
        d.Combo(IDC_GPS_SOURCE)->setEditText("/dev/trevallion-missing");
        d.StartOrStop();
        return kIdCancel;
    });
    document->Fix().SetOpen(false);
    ASSERT_EQ(platform.messages.size(), 3);
    EXPECT_EQ(platform.messages[0].text, "Error: Operation not permitted");
    EXPECT_EQ(platform.messages[0].title, "GPS");
    EXPECT_TRUE(platform.messages[1].text.startsWith("Error: Choose"));
    EXPECT_EQ(platform.messages[2].text, "Error: No such file or directory");
    EXPECT_FALSE(document->Gps().IsRunning());
}

TEST_F(GpsDlgTest, OkStoresTheSettingsAndCloseDoesNot) {
    MakeTimesView();
    RunDialog([](CGpsDlg& d) {
        d.SetDlgItemText(IDC_GPS_TAKEOFF_GS, "98");
        QMetaObject::invokeMethod(d.GetDlgItem(IDC_GPS_TAKEOFF_SPIN), "stepped", Q_ARG(int, 1));
        QMetaObject::invokeMethod(d.GetDlgItem(IDC_GPS_TAKEOFF_SPIN), "stepped", Q_ARG(int, 1));
        EXPECT_EQ(d.GetDlgItemText(IDC_GPS_TAKEOFF_GS), "99"); // the spin stops at 99
        return kIdCancel;
    });
    EXPECT_EQ(platform.settings.ReadInt("TakeoffGS", -1), -1);
    RunDialog([](CGpsDlg& d) {
        d.SetDlgItemText(IDC_GPS_TAKEOFF_GS, "40");
        d.Combo(IDC_GPS_SOURCE)->setEditText("192.168.10.1:2000");
        QTest::mouseClick(d.Button(kIdOk), Qt::LeftButton);
        return d.result();
    });
    EXPECT_EQ(platform.settings.ReadInt("TakeoffGS", -1), 40);
    EXPECT_EQ(state.settings.takeoffGroundSpeed, 40u);
    EXPECT_EQ(platform.settings.ReadText("GPSSource"), "network");
    EXPECT_EQ(platform.settings.ReadText("GPSNetwork"), "192.168.10.1:2000");
    EXPECT_EQ(platform.settings.ReadInt("GPSPort", -1), 0); // still the serial port's number
}

// The shipped recording replayed through the dialog: the main frame's tick records takeoff and
// landing by itself, and the track is written.
TEST_F(GpsDlgTest, ReplayedFlightRecordsTakeoffLandingAndTrack) {
    MakeTimesView();
    // The recording's circuit is flown at Birmingham, which the shipped world file holds.
    ASSERT_TRUE(document->ChooseNavFile(QStringLiteral(TREVALLION_SHARE_DIR "/world.nav")).ok());
    SetTime(10, 4);
    Press(IDC_TIMES_STARTUP);
    state.settings.takeoffGroundSpeed = 40;
    CGpsDlg::SetReplayInterval(15); // missing a minute of it would take a stall of 0.9 s
    platform.openFileAnswers = {QStringLiteral(TREVALLION_RECORDING)};
    RunDialog([](CGpsDlg& d) {
        d.Combo(IDC_GPS_SOURCE)->setCurrentText("Replay file...");
        d.StartOrStop();
        EXPECT_EQ(d.Combo(IDC_GPS_SOURCE)->currentText(), "Replay circuit.nmea");
        return kIdCancel;
    });
    ASSERT_TRUE(document->Gps().IsRunning());
    EXPECT_TRUE(platform.fileRequests[0].initialPath.endsWith("gps/"));
    RunDialog([](CGpsDlg& d) { // opened again: it shows what the receiver reads
        EXPECT_EQ(d.Combo(IDC_GPS_SOURCE)->currentText(), "Replay circuit.nmea");
        EXPECT_EQ(Label(d, IDC_GPS_START), "Stop");
        return kIdCancel;
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    uint32_t seen = 0;
    while (!Flight().IsRecorded(FlightEvent::Landing) &&
           std::chrono::steady_clock::now() < deadline) {
        const uint32_t t = document->Fix().Snapshot().values.time;
        if (t != seen && t != 0) {
            seen = t;
            platform.clock.Set(QDateTime(
                QDate(2026, 3, 20), QTime(t / 10000, t / 100 % 100, t % 100), QTimeZone::utc()));
            frame->OnTimer();
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ASSERT_TRUE(Flight().IsRecorded(FlightEvent::Landing));
    const SystemTime takeoff = Flight().Time(FlightEvent::Takeoff);
    const SystemTime landing = Flight().Time(FlightEvent::Landing);
    // The recording passes 41 knots at 10:06:04 and 39 at 10:11:00; a busy machine may miss a
    // second or two of the fast replay, never record early.
    EXPECT_EQ(takeoff.hour * 60 + takeoff.minute, 10 * 60 + 6);
    EXPECT_GE(takeoff.second, 4);
    EXPECT_EQ(landing.hour * 60 + landing.minute, 10 * 60 + 11);
    EXPECT_EQ(View().ButtonText(IDC_TIMES_LANDING).text, "10:11");
    const QString track = document->Track().Path();
    SetTime(10, 15);
    Press(IDC_TIMES_SHUTDOWN);
    frame->OnTimer(); // the flight has ended: the track is final
    document->Gps().StopGps();
    QFile file(track);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << track.toStdString();
    QXmlStreamReader xml(&file);
    int points = 0;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"trkpt")
            ++points;
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(points, 100);

    // The shut-down put the flight into the logbook, with the airport of its GPS places.
    const Outcome<QList<LogbookEntry>> logged = document->Logbook().List();
    ASSERT_TRUE(logged.ok());
    ASSERT_EQ(logged->size(), 1);
    const LogbookEntry& entry = logged->at(0);
    EXPECT_EQ(entry.departure, QStringLiteral("EGBB"));
    EXPECT_EQ(entry.arrival, QStringLiteral("EGBB"));
    EXPECT_EQ(entry.blockMinutes, 11);
    EXPECT_EQ(entry.landings, 1);
    EXPECT_EQ(entry.nightMinutes, 0); // a March morning
    EXPECT_TRUE(platform.messages.isEmpty());
}

} // namespace
