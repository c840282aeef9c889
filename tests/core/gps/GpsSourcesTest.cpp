// The receiver's sources beside the serial port (a TCP stream with reconnection, a recording
// replayed), the freshness of fixes, and the dialog's source list and its stored choice.
#include "FixWait.h"
#include "core/common/settings/MemorySettingsStore.h"
#include "core/gps/GpsReceiver.h"
#include "core/gps/GpsSourceList.h"
#include "core/gps/NetworkGpsSource.h"
#include "core/gps/NmeaSentence.h"
#include "core/gps/ReplayGpsSource.h"
#include "support/TempFolder.h"

#include <QFile>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

const QByteArray kValid = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";
const QByteArray kNoFix = "$GPRMC,123521,V,,,,,,,230394,,,N*5A";

TEST(GpsFreshness, OnlyValidFixesKeepTheSpeedFreshForTenSeconds) {
    GpsFix fix;
    const auto t0 = SteadyClock::now();
    EXPECT_FALSE(fix.Snapshot(t0).Stale()); // closed: nothing to be stale
    fix.SetOpen(true);
    EXPECT_TRUE(fix.Snapshot(t0).Stale()); // open without a fix yet
    fix.ApplySentence(kValid, t0);
    GpsReading r = fix.Snapshot(t0 + 10s);
    EXPECT_TRUE(r.fresh);
    EXPECT_EQ(r.fixSpeed, 22);
    EXPECT_EQ(r.values.latitudeHemisphere, 'N');
    EXPECT_EQ(r.values.longitudeHemisphere, 'E');
    EXPECT_EQ(r.values.date, 230394u);
    EXPECT_DOUBLE_EQ(r.values.speedKnots, 22.4);
    EXPECT_DOUBLE_EQ(r.values.course, 84.4);

    fix.ApplySentence(kNoFix, t0 + 2s); // lost fix: shown as it came, ignored for detection
    r = fix.Snapshot(t0 + 3s);
    EXPECT_EQ(r.values.speed, 0);
    EXPECT_FALSE(r.values.fixValid);
    EXPECT_EQ(r.fixSpeed, 22);
    EXPECT_TRUE(fix.Snapshot(t0 + 11s).Stale());
    EXPECT_EQ(fix.Snapshot(t0 + 11s).fixSpeed, 0);
}

TEST(GpsSources, NetworkAddresses) {
    struct Case {
        const char* text;
        const char* host;
        int port; // 0: refused
    };
    const Case cases[] = {{"192.168.10.1:2000", "192.168.10.1", 2000},
                          {" localhost:10110 ", "localhost", 10110},
                          {"[::1]:4000", "::1", 4000},
                          {"gps.local:65535", "gps.local", 65535},
                          {"host:0", "", 0},
                          {"host:65536", "", 0},
                          {"host", "", 0},
                          {"/dev/ttyUSB0", "", 0},
                          {"a b:10", "", 0}};
    for (const Case& c : cases) {
        const std::optional<NetworkAddress> a = ParseNetworkAddress(c.text);
        EXPECT_EQ(a.has_value(), c.port != 0) << c.text;
        if (a && c.port) {
            EXPECT_EQ(a->host, c.host);
            EXPECT_EQ(a->port, c.port);
        }
    }
    EXPECT_EQ(ParseNetworkAddress("[::1]:4000")->Text(), "[::1]:4000");
}

TEST(GpsSources, RecordingsAreGroupedByTimeStamp) {
    const QByteArray text = "$GPGGA,100000.00,a*18\r\n$GPRMC,100000.00,A*25\r\n$GPGSV,1*48\r\n"
                            "junk\r\n\r\n  $GPRMC,100001.00,A*24\n,A,48$GPGGA,100002.00,b*19\r\n";
    const QList<QList<QByteArray>> groups = GroupNmeaSentences(text);
    ASSERT_EQ(groups.size(), 3);
    EXPECT_EQ(groups[0].size(), 3); // GGA, RMC of one second and the GSV after them
    EXPECT_EQ(groups[1], QList<QByteArray>{"$GPRMC,100001.00,A*24"});
    // The rest of an earlier sentence before the "$" is dropped, as every source drops it.
    EXPECT_EQ(groups[2], QList<QByteArray>{"$GPGGA,100002.00,b*19"});
}

TEST(GpsSources, ReplayPlaysEveryGroupThenGoesQuiet) {
    TempFolder folder;
    QFile file(folder.File("flight.nmea"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int s = 0; s < 5; ++s)
        file.write(NmeaWithChecksum(QByteArray("GPRMC,12000") + QByteArray::number(s) +
                                    ",A,4807.038,N,01131.000,E," + QByteArray::number(10 * s) +
                                    ".0,084.4,230394,,") +
                   "\r\n");
    file.close();
    GpsFix fix;
    GpsReceiver receiver(fix);
    ASSERT_TRUE(receiver.StartGps(std::make_unique<ReplayGpsSource>(file.fileName(), 10)).ok());
    EXPECT_TRUE(WaitFor(fix, [](const GpsReading& r) { return r.values.time == 120004; }));
    EXPECT_EQ(fix.Snapshot().values.speed, 40);
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(fix.Snapshot().values.time, 120004u); // the end of the recording: quiet
    receiver.StopGps();
    EXPECT_FALSE(fix.IsOpen());

    struct Bad {
        QString path;
        const char* reason;
    };
    QFile empty(folder.File("empty.nmea"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    // Only a sky view and a cut RMC: nothing that could drive a fix.
    empty.write("$GPGSV,3,1,11*7B\r\nnot nmea\r\n$GPRMC,000346.03,A,4808\r\n");
    empty.close();
    const QString fifo = folder.File("fifo.nmea"); // would block the window on Start
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const Bad& bad : {Bad{folder.File("missing.nmea"), "Error: "},
                           Bad{empty.fileName(), "Error: The file holds no NMEA"},
                           Bad{fifo, "Error: Is a FIFO, not a file"}}) {
        const Status s = receiver.StartGps(std::make_unique<ReplayGpsSource>(bad.path, 10));
        EXPECT_FALSE(s.ok());
        EXPECT_TRUE(s.error().text.startsWith(bad.reason)) << s.error().text.toStdString();
        EXPECT_FALSE(fix.IsOpen());
    }
}

// A TCP server on the loopback interface that the test drives by hand.
class LoopbackServer {
public:
    LoopbackServer() {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(fd_, 4);
        socklen_t length = sizeof a;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &length);
        port_ = ntohs(a.sin_port);
    }
    ~LoopbackServer() { ::close(fd_); }
    uint16_t Port() const { return port_; }
    int Accept() const { return ::accept(fd_, nullptr, nullptr); }

private:
    int fd_ = -1;
    uint16_t port_ = 0;
};

TEST(GpsSources, NetworkStreamIsReadAndReconnectedAfterADrop) {
    LoopbackServer server;
    GpsFix fix;
    GpsReceiver receiver(fix);
    const Status started = receiver.StartGps(
        std::make_unique<NetworkGpsSource>(NetworkAddress{"127.0.0.1", server.Port()}));
    ASSERT_TRUE(started.ok()) << started.error().text.toStdString();
    int client = server.Accept();
    ASSERT_GE(client, 0);
    const QByteArray first = kValid + "\r\n";
    ASSERT_EQ(::write(client, first.constData(), first.size()), first.size());
    EXPECT_TRUE(WaitFor(fix, [](const GpsReading& r) { return r.values.speed == 22; }));
    ::close(client); // the box drops the connection

    client = server.Accept(); // the receiver comes back by itself
    ASSERT_GE(client, 0);
    const QByteArray second = "$GPRMC,123600,A,4807.038,N,01131.000,E,055.0,084.4,230394,,*1E\r\n";
    ASSERT_EQ(::write(client, second.constData(), second.size()), second.size());
    EXPECT_TRUE(WaitFor(fix, [](const GpsReading& r) { return r.values.speed == 55; }));
    EXPECT_TRUE(fix.IsOpen());
    receiver.StopGps();
    ::close(client);
    EXPECT_FALSE(fix.IsOpen());
}

TEST(GpsSources, NetworkSourceThatRefusesIsReported) {
    uint16_t port = 0;
    {
        LoopbackServer closed; // a port nobody listens on any more
        port = closed.Port();
    }
    GpsFix fix;
    GpsReceiver receiver(fix);
    const Status s =
        receiver.StartGps(std::make_unique<NetworkGpsSource>(NetworkAddress{"127.0.0.1", port}));
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error().text, "Error: Connection refused");
    EXPECT_FALSE(fix.IsOpen());
}

TEST(GpsSources, ListOrderAndStoredChoice) {
    const QVector<SerialPortEntry> ports = {{"ttyS0", 1, "/dev/ttyS0"},
                                            {"ttyUSB0", 100, "/dev/ttyUSB0"}};
    MemorySettingsStore store;
    GpsSourceSettings settings = GpsSourceSettings::Load(store);
    EXPECT_EQ(settings.kind, GpsSourceKind::Serial);
    EXPECT_EQ(settings.network, kDefaultNetworkSource);
    QVector<GpsSourceEntry> list = BuildGpsSourceList(ports, settings);
    QStringList names;
    for (const GpsSourceEntry& e : list)
        names << e.name;
    EXPECT_EQ(names, QStringList({"ttyS0", "ttyUSB0", "gpsd localhost:2947", "localhost:10110",
                                  "NMEA UDP 10110", "GDL90 UDP 4000", "Replay file..."}));
    EXPECT_EQ(FindGpsSource(list, settings, 100), 1);
    EXPECT_EQ(FindGpsSource(list, settings, 7), 0);
    // Nothing chosen yet and gpsd answers on this machine: gpsd is offered first.
    EXPECT_EQ(FindGpsSource(list, settings, 100, true), 2);

    settings.kind = GpsSourceKind::Replay;
    settings.network = "10.0.0.2:2000";
    settings.replayFile = "/data/circuit.nmea";
    settings.Save(store);
    const GpsSourceSettings loaded = GpsSourceSettings::Load(store);
    list = BuildGpsSourceList(ports, loaded);
    ASSERT_EQ(list.size(), 8);
    EXPECT_EQ(list[6].name, "Replay circuit.nmea");
    EXPECT_EQ(FindGpsSource(list, loaded, 100), 6);
    EXPECT_EQ(FindGpsSource(list, loaded, 100, true), 6); // a stored choice stays
    EXPECT_EQ(store.ReadInt("GPSPort", -1), -1); // "GPSPort" is left to the serial port choice

    EXPECT_EQ(GpsSourceForText(list, "ttyUSB0")->target, "/dev/ttyUSB0");
    EXPECT_EQ(GpsSourceForText(list, "/dev/ttyACM1")->portNumber, 201u); // a typed device
    EXPECT_EQ(GpsSourceForText(list, "192.168.1.5:2000")->kind, GpsSourceKind::Network);
    EXPECT_FALSE(GpsSourceForText(list, "nonsense").has_value());
    EXPECT_FALSE(MakeGpsSource(list.last()).ok()); // "Replay file..." is no source by itself
}

// A device typed as a path is kept as typed and offered again; each source keeps its address.
TEST(GpsSources, TypedDevicesAndAddressesAreRemembered) {
    const QVector<SerialPortEntry> ports = {{"ttyS0", 1, "/dev/ttyS0"}};
    MemorySettingsStore store;
    GpsSourceSettings settings = GpsSourceSettings::Load(store);
    const QVector<GpsSourceEntry> first = BuildGpsSourceList(ports, settings);
    const std::optional<GpsSourceEntry> typed = GpsSourceForText(first, "/dev/pts/3");
    ASSERT_TRUE(typed.has_value());
    settings.Remember(*typed);
    settings.Remember(*GpsSourceForText(first, "udp:127.0.0.1:5000")); // the last choice wins
    settings.Remember(*typed);
    settings.Save(store);
    const GpsSourceSettings loaded = GpsSourceSettings::Load(store);
    EXPECT_TRUE(loaded.chosen);
    EXPECT_EQ(store.ReadText("GPSDevice"), "/dev/pts/3");
    EXPECT_EQ(store.ReadText("GPSUdp"), "127.0.0.1:5000");
    const QVector<GpsSourceEntry> again = BuildGpsSourceList(ports, loaded);
    const int selected = FindGpsSource(again, loaded, 1);
    ASSERT_GE(selected, 0);
    EXPECT_EQ(again[selected].target, "/dev/pts/3"); // not ttyS0
    EXPECT_EQ(again[selected].name, "/dev/pts/3");
    settings.Remember(first[0]); // a listed port: "GPSPort" names it
    EXPECT_TRUE(settings.device.isEmpty());
}

TEST(GpsSources, SpecsNameEverySource) {
    const struct {
        const char* sourceText;
        GpsSourceKind kind;
        const char* target; // nullptr: refused
    } cases[] = {
        {"serial:/dev/ttyUSB0", GpsSourceKind::Serial, "/dev/ttyUSB0"},
        {"network:192.168.10.1:2000", GpsSourceKind::Network, "192.168.10.1:2000"},
        {"replay:/tmp/flight.nmea", GpsSourceKind::Replay, "/tmp/flight.nmea"},
        {"gpsd", GpsSourceKind::Gpsd, "localhost:2947"},
        {"gpsd:gps.local:2948", GpsSourceKind::Gpsd, "gps.local:2948"},
        {"udp", GpsSourceKind::Udp, "10110"},
        {"udp:5000", GpsSourceKind::Udp, "5000"},
        {"gdl90", GpsSourceKind::Gdl90, "4000"},
        {"gdl90:[::1]:4001", GpsSourceKind::Gdl90, "[::1]:4001"},
        {"serial:", GpsSourceKind::Serial, nullptr},
        {"gpsd:nohost", GpsSourceKind::Gpsd, nullptr},
        {"udp:70000", GpsSourceKind::Udp, nullptr},
        {"bluetooth:1", GpsSourceKind::Serial, nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<GpsSourceEntry> entry = ParseGpsSourceSpec(c.sourceText);
        ASSERT_EQ(entry.has_value(), c.target != nullptr) << c.sourceText;
        if (!entry)
            continue;
        EXPECT_EQ(entry->kind, c.kind) << c.sourceText;
        EXPECT_EQ(entry->target, c.target) << c.sourceText;
        EXPECT_EQ(ParseGpsSourceSpec(GpsSourceSpec(*entry)), entry) << c.sourceText;
        EXPECT_TRUE(MakeGpsSource(*entry).ok()) << c.sourceText;
    }
    // The source running at exit starts again at the next start; a stop forgets it.
    MemorySettingsStore store;
    EXPECT_FALSE(GpsSourceToResume(store).has_value());
    RememberRunningGpsSource(store, ParseGpsSourceSpec("gdl90"));
    EXPECT_EQ(GpsSourceToResume(store), ParseGpsSourceSpec("gdl90"));
    RememberRunningGpsSource(store, std::nullopt);
    EXPECT_FALSE(GpsSourceToResume(store).has_value());
}

} // namespace
