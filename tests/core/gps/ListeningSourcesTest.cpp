// The sources a Linux cockpit offers beside the serial port: gpsd (through its own test driver,
// gpsfake, which runs a private gpsd fed from a log of ours) and NMEA over UDP from a sender on
// the loopback interface.
#include "FixWait.h"
#include "core/gps/GpsReceiver.h"
#include "core/gps/GpsdGpsSource.h"
#include "core/gps/LineSplitter.h"
#include "core/gps/NmeaSentence.h"
#include "core/gps/UdpNmeaGpsSource.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

TEST(GpsdReport, TpvReportsGiveTheirFix) {
    const char* full = R"({"class":"TPV","device":"/dev/pts/1","mode":3,)"
                       R"("time":"2026-03-20T10:07:12.500Z","lat":-33.9461,"lon":151.1772,)"
                       R"("altMSL":6.1,"track":160.5,"magtrack":148.0,"speed":41.15})";
    const std::optional<DecimalFix> fix = ParseGpsdReport(full);
    ASSERT_TRUE(fix.has_value());
    const GpsValues v = GpsValuesFromDecimal(*fix);
    EXPECT_TRUE(v.fixValid);
    EXPECT_EQ(v.speed, 79); // 41.15 m/s
    EXPECT_EQ(v.heading, 148);
    EXPECT_NEAR(v.latitude, 3356.766, 1e-3);
    EXPECT_EQ(v.latitudeHemisphere, 'S');
    EXPECT_EQ(v.longitudeHemisphere, 'E');
    EXPECT_EQ(v.time, 100712u);
    EXPECT_EQ(v.date, 200326u);
    EXPECT_EQ(v.altitude, 20); // 6.1 m, as a GGA altitude shows
    EXPECT_TRUE(v.hasAltitude);

    const struct {
        const char* line;
        bool report; // a TPV report at all
        bool valid;
    } cases[] = {
        {R"({"class":"TPV","mode":2,"lat":1,"lon":2,"speed":0})", true, true},
        {R"({"class":"TPV","mode":1,"lat":1,"lon":2,"speed":0})", true, false}, // no fix
        {R"({"class":"TPV","mode":3,"lat":1,"lon":2})", true, false}, // no speed: not standing
        {R"({"class":"TPV","mode":3,"lat":91,"lon":2,"speed":1})", true, false},
        {R"({"class":"TPV","mode":3,"lat":"1","lon":2,"speed":1})", true, false},
        {R"({"class":"SKY","satellites":[]})", false, false},
        {R"({"class":"VERSION","release":"3.22"})", false, false},
        {R"({"class":"TPV","mode":3,)", false, false}, // cut short
        {"", false, false},
        {"[1,2]", false, false},
    };
    for (const auto& c : cases) {
        const std::optional<DecimalFix> parsed = ParseGpsdReport(c.line);
        EXPECT_EQ(parsed.has_value(), c.report) << c.line;
        if (parsed) {
            EXPECT_EQ(parsed->valid, c.valid) << c.line;
        }
    }
}

TEST(LineSplitter, LinesAcrossChunksAndOverlongLinesDropped) {
    LineSplitter lines(8);
    QList<QByteArray> got;
    const auto keep = [&got](QByteArrayView line) { got.append(line.toByteArray()); };
    lines.Add("ab", keep);
    lines.Add("c\n0123456789", keep); // the second line outgrows the capacity
    lines.Add("abc\nxyz\n\n", keep);
    EXPECT_EQ(got, (QList<QByteArray>{"abc", "xyz", ""}));
    lines.Add(QByteArray(10'000'000, 'x'), keep); // a flood without line feeds keeps nothing
    lines.Add("\nok\n", keep);
    EXPECT_EQ(got.last(), "ok");
}

// A datagram sender on the loopback interface.
class UdpSender {
public:
    UdpSender() : fd_(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {}
    ~UdpSender() { ::close(fd_); }
    void Send(uint16_t port, const QByteArray& datagram) const {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        to.sin_port = htons(port);
        ::sendto(fd_, datagram.constData(), static_cast<size_t>(datagram.size()), 0,
                 reinterpret_cast<const sockaddr*>(&to), sizeof to);
    }

private:
    int fd_;
};

// Starts a listening source on the first free port from a start.
template <typename Source>
uint16_t StartListening(GpsReceiver& receiver, const QString& host = QString()) {
    for (uint16_t port = 47000; port < 47100; ++port)
        if (receiver.StartGps(std::make_unique<Source>(ListenAddress{host, port})).ok())
            return port;
    return 0;
}

TEST(UdpNmea, SentencesOfEveryDatagramAndNothingOverlong) {
    GpsFix fix;
    GpsReceiver receiver(fix);
    const uint16_t port = StartListening<UdpNmeaGpsSource>(receiver, "127.0.0.1");
    ASSERT_NE(port, 0);
    UdpSender sender;
    const QByteArray rmc =
        NmeaWithChecksum("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W");
    const QByteArray gga =
        NmeaWithChecksum("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,100.0,M,46.9,M,,");
    sender.Send(port, rmc + "\r\n" + gga + "\r\n"); // two sentences in one datagram
    ASSERT_TRUE(WaitFor(fix, [](const GpsReading& r) { return r.values.altitude == 330; }));
    EXPECT_EQ(fix.Snapshot().values.speed, 22);

    // A line longer than NMEA allows, however valid its checksum, and garbage: nothing changes.
    const QByteArray overlong =
        NmeaWithChecksum("GPRMC,123520,A,4807.038,N,01131.000,E,055.0,084.4,230394,003.1,W,A,V" +
                         QByteArray(20, ','));
    sender.Send(port, overlong + "\r\n");
    sender.Send(port, QByteArray(60000, '\x7e'));
    sender.Send(port,
                NmeaWithChecksum("GPRMC,123521,A,4807.038,N,01131.000,E,033.0,084.4,230394,,") +
                    "\n");
    ASSERT_TRUE(WaitFor(fix, [](const GpsReading& r) { return r.values.time == 123521; }));
    EXPECT_EQ(fix.Snapshot().values.speed, 33); // never 55
    receiver.StopGps();
    EXPECT_FALSE(fix.IsOpen());
}

TEST(UdpNmea, ListenAddresses) {
    const struct {
        const char* text;
        const char* host;
        int port; // 0: refused
    } cases[] = {{"10110", "", 10110},
                 {" 4000 ", "", 4000},
                 {"127.0.0.1:10110", "127.0.0.1", 10110},
                 {"[::1]:4000", "::1", 4000},
                 {"0", "", 0},
                 {"65536", "", 0},
                 {"+10", "", 0},
                 {"port", "", 0}};
    for (const auto& c : cases) {
        const std::optional<ListenAddress> a = ParseListenAddress(c.text);
        EXPECT_EQ(a.has_value(), c.port != 0) << c.text;
        if (a) {
            EXPECT_EQ(a->host, c.host);
            EXPECT_EQ(a->port, c.port);
            EXPECT_EQ(ParseListenAddress(a->Text()), a);
        }
    }
}

// gpsd's own test driver plays a short log of ours through a private gpsd; the source reads the
// fixes gpsd decodes. The system's gpsd service is never needed.
TEST(Gpsd, FixesThroughGpsfake) {
    const QString gpsfake = QStandardPaths::findExecutable(QStringLiteral("gpsfake"));
    const QString gpsd = QStandardPaths::findExecutable(
        QStringLiteral("gpsd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin")});
    if (gpsfake.isEmpty() || gpsd.isEmpty())
        GTEST_SKIP() << "gpsfake or gpsd is not installed (scripts/install-deps.sh installs them)";
    TempFolder folder;
    QFile log(folder.File("climb.nmea"));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    for (int s = 0; s < 30; ++s) {
        const QByteArray stamp = "1007" + QByteArray::number(10 + s);
        log.write(NmeaWithChecksum("GPRMC," + stamp + ",A,5226.9118,N,00144.7532,W," +
                                   QByteArray::number(2 * s) + ".0,240.0,200326,1.2,W,A") +
                  "\r\n");
        log.write(NmeaWithChecksum("GPGGA," + stamp +
                                   ",5226.9118,N,00144.7532,W,1,08,0.9,100.0,M,47.0,M,,") +
                  "\r\n");
    }
    log.close();
    const uint16_t port = 47300 + static_cast<uint16_t>(::getpid() % 500);
    QProcess fake;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"), env.value(QStringLiteral("PATH")) + ":/usr/sbin");
    fake.setProcessEnvironment(env);
    fake.setProcessChannelMode(QProcess::MergedChannels);
    fake.start(gpsfake, {QStringLiteral("-q"), QStringLiteral("-1"), QStringLiteral("-c"),
                         QStringLiteral("0.2"), QStringLiteral("-P"), QString::number(port),
                         log.fileName()});
    if (!fake.waitForStarted(5000))
        GTEST_SKIP() << "gpsfake cannot run here: " << fake.errorString().toStdString();

    GpsFix fix;
    GpsReceiver receiver(fix);
    const NetworkAddress address{QStringLiteral("127.0.0.1"), port};
    bool started = false;
    for (int i = 0; i < 100 && !started && fake.state() == QProcess::Running; ++i) {
        started = receiver.StartGps(std::make_unique<GpsdGpsSource>(address)).ok();
        if (!started)
            std::this_thread::sleep_for(100ms);
    }
    if (!started) {
        fake.kill();
        fake.waitForFinished();
        GTEST_SKIP() << "gpsfake's gpsd did not answer: " << fake.readAll().toStdString();
    }
    EXPECT_TRUE(WaitFor(fix, [](const GpsReading& r) { return r.fresh && r.fixSpeed >= 10; }))
        << fake.readAll().toStdString();
    const GpsReading r = fix.Snapshot();
    EXPECT_TRUE(r.values.fixValid);
    EXPECT_NEAR(r.values.latitude, 5226.9118, 1e-3);
    EXPECT_EQ(r.values.longitudeHemisphere, 'W');
    EXPECT_EQ(r.values.time / 100, 1007u);
    EXPECT_TRUE(r.values.hasAltitude);
    receiver.StopGps();
    fake.terminate();
    if (!fake.waitForFinished(5000))
        fake.kill();
}

} // namespace
