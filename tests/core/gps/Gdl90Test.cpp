// GDL90 over UDP: framing (check sequence, byte stuffing, damaged and endless frames), the
// heartbeat, ownship report and geometric altitude layouts, the rules of a valid fix, and the
// source end to end on the loopback interface. Frames come from the tests' own sender.
#include "FixWait.h"
#include "core/gps/Gdl90Frame.h"
#include "core/gps/Gdl90GpsSource.h"
#include "core/gps/Gdl90TestFrames.h"
#include "core/gps/GpsReceiver.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>
#include <random>

namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

QByteArray Bytes(std::initializer_list<int> bytes) {
    QByteArray out;
    for (const int b : bytes)
        out.append(static_cast<char>(b));
    return out;
}

QList<QByteArray> MessagesOf(QByteArrayView stream) {
    Gdl90FrameReader reader;
    QList<QByteArray> messages;
    for (const char byte : stream)
        if (const std::optional<QByteArray> message = reader.Add(byte))
            messages.append(*message);
    return messages;
}

// The GDL 90 document's example: a heartbeat, its flags and its check sequence.
const QByteArray kDocumentHeartbeat =
    Bytes({0x7E, 0x00, 0x81, 0x41, 0xDB, 0xD0, 0x08, 0x02, 0xB3, 0x8B, 0x7E});

TEST(Gdl90Frames, TheDocumentsHeartbeatExampleByteForByte) {
    const QByteArray message = kDocumentHeartbeat.sliced(1, 7);
    EXPECT_EQ(Gdl90Crc(message), 0x8BB3);
    EXPECT_EQ(Gdl90TestFrame(message), kDocumentHeartbeat);
    ASSERT_EQ(MessagesOf(kDocumentHeartbeat), QList<QByteArray>{message});

    const std::optional<Gdl90Heartbeat> h = DecodeGdl90Heartbeat(message);
    ASSERT_TRUE(h);
    EXPECT_TRUE(h->gpsPositionValid);
    EXPECT_TRUE(h->utcOk);
    EXPECT_EQ(h->secondsOfDay, 0xD0DBu); // 14:51:07 UTC
}

TEST(Gdl90Frames, StuffedBytesRoundTrip) {
    struct Case {
        QByteArray message;
        QByteArray frameStart; // empty: not checked
    };
    // A message whose check sequence itself needs stuffing, found rather than assumed.
    QByteArray stuffedCrc;
    for (int n = 0; n < (1 << 24) && stuffedCrc.isEmpty(); ++n) {
        const QByteArray m = Bytes({0x07, n >> 16, n >> 8 & 0xFF, n & 0xFF});
        const uint16_t crc = Gdl90Crc(m);
        if ((crc & 0xFF) == 0x7D && crc >> 8 == 0x7E)
            stuffedCrc = m;
    }
    ASSERT_FALSE(stuffedCrc.isEmpty());
    const Case cases[] = {
        {Bytes({0x02, 0x7E, 0x11}), Bytes({0x7E, 0x02, 0x7D, 0x5E})}, // the document's examples
        {Bytes({0x03, 0x7D, 0x11}), Bytes({0x7E, 0x03, 0x7D, 0x5D})},
        {Bytes({0x7E, 0x7D, 0x7E, 0x7D}), Bytes({0x7E, 0x7D, 0x5E, 0x7D, 0x5D, 0x7D, 0x5E})},
        {Bytes({0x05, 0x5D, 0x5E, 0x20}), Bytes({0x7E, 0x05, 0x5D, 0x5E, 0x20})}, // not escaped
        {stuffedCrc, {}},
    };
    for (const Case& c : cases) {
        const QByteArray frame = Gdl90TestFrame(c.message);
        EXPECT_TRUE(frame.startsWith(c.frameStart)) << frame.toHex().constData();
        EXPECT_FALSE(frame.sliced(1, frame.size() - 2).contains(char(0x7E)));
        EXPECT_EQ(MessagesOf(frame), QList<QByteArray>{c.message}) << frame.toHex().constData();
    }
    EXPECT_TRUE(Gdl90TestFrame(stuffedCrc).endsWith(Bytes({0x7D, 0x5D, 0x7D, 0x5E, 0x7E})));
}

TEST(Gdl90Frames, DamagedFramesAreDroppedAndTheNextFlagResyncs) {
    const QByteArray good = kDocumentHeartbeat;
    const QByteArray message = good.sliced(1, 7);
    QByteArray flipped = good;
    flipped[3] = char(flipped[3] ^ 0x04);
    QByteArray crcSwapped = good; // the check sequence most significant byte first
    std::swap(crcSwapped[8], crcSwapped[9]);
    const QByteArray escapeBeforeFlag = good.first(10) + Bytes({0x7D, 0x7E});
    const QByteArray doubleEscape = good.first(3) + Bytes({0x7D, 0x7D}) + good.sliced(3);
    struct Case {
        const char* name;
        QByteArray stream;
        int messages;
    };
    const Case cases[] = {
        {"good", good, 1},
        {"one bit wrong", flipped, 0},
        {"check sequence byte order", crcSwapped, 0},
        {"escape just before the flag", escapeBeforeFlag, 0},
        {"two escapes", doubleEscape, 0},
        {"only the check sequence", Bytes({0x7E, 0x00, 0x00, 0x7E}), 0},
        {"no opening flag", good.sliced(1), 0},
        {"bytes before the first flag", Bytes({0x81, 0x41, 0x7D}) + good, 1},
        {"back to back, two flags between", good + good, 2},
        {"one flag between", good + good.sliced(1), 2},
        {"damaged then good", flipped + good, 1},
        {"cut short then good", good.first(5) + good, 1},
        {"empty frames", Bytes({0x7E, 0x7E, 0x7E}), 0},
    };
    for (const Case& c : cases) {
        const QList<QByteArray> messages = MessagesOf(c.stream);
        EXPECT_EQ(messages.size(), c.messages) << c.name;
        for (const QByteArray& m : messages)
            EXPECT_EQ(m, message) << c.name;
    }
}

TEST(Gdl90Frames, AFrameLongerThanTheLimitIsDropped) {
    const int limit = Gdl90FrameReader::kMaxFrameBytes - 2; // room for the check sequence
    const QByteArray longest = Bytes({0x07}) + QByteArray(limit - 1, 0x7E); // stuffed bytes
    const QByteArray tooLong = longest + Bytes({0x11});
    EXPECT_EQ(MessagesOf(Gdl90TestFrame(longest)), QList<QByteArray>{longest});
    EXPECT_TRUE(MessagesOf(Gdl90TestFrame(tooLong)).isEmpty());
}

TEST(Gdl90Messages, TheDocumentsReportExampleAsOwnship) {
    // The worked traffic report of the GDL 90 document, with the ownship message id.
    const QByteArray report =
        Bytes({0x0A, 0x00, 0xAB, 0x45, 0x49, 0x1F, 0xEF, 0x15, 0xA8, 0x89, 0x78, 0x0F, 0x09, 0xA9,
               0x07, 0xB0, 0x01, 0x20, 0x01, 0x4E, 0x38, 0x32, 0x35, 0x56, 0x20, 0x20, 0x20, 0x00});
    const std::optional<Gdl90Ownship> o = DecodeGdl90Ownship(report);
    ASSERT_TRUE(o);
    EXPECT_NEAR(o->latitude, 44.90708, 2e-5);
    EXPECT_NEAR(o->longitude, -122.99488, 2e-5);
    EXPECT_EQ(o->pressureAltitudeFeet, 5000.0);
    EXPECT_EQ(o->trackKind, Gdl90TrackKind::TrueTrack);
    EXPECT_EQ(o->nic, 10);
    EXPECT_EQ(o->nacp, 9);
    EXPECT_EQ(o->speedKnots, 123.0);
    EXPECT_DOUBLE_EQ(o->track, 45.0);
    QByteArray traffic = report;
    traffic[0] = 20;
    EXPECT_FALSE(DecodeGdl90Ownship(traffic)); // the same report for another aircraft
    EXPECT_FALSE(DecodeGdl90Ownship(report.first(27)));
}

TEST(Gdl90Messages, PositionAltitudeAndSpeedEncodings) {
    // The document's examples of the 24-bit fractions of 180 degrees.
    const double lsb = 180.0 / (1 << 23);
    const struct {
        int raw;
        double degrees;
    } angles[] = {{0x000000, 0},   {0x000001, lsb}, {0xFFFFFF, -lsb}, {0x200000, 45},
                  {0xE00000, -45}, {0x400000, 90},  {0x800000, -180}, {0x7FFFFF, 180 - lsb}};
    QByteArray report = Gdl90TestOwnship({});
    for (const auto& a : angles) {
        for (const int at : {5, 8}) {
            QByteArray m = report;
            m[at] = char(a.raw >> 16), m[at + 1] = char(a.raw >> 8), m[at + 2] = char(a.raw);
            const std::optional<Gdl90Ownship> o = DecodeGdl90Ownship(m);
            ASSERT_TRUE(o);
            EXPECT_DOUBLE_EQ(at == 5 ? o->latitude : o->longitude, a.degrees) << a.raw;
        }
    }
    const struct {
        unsigned altitude;
        std::optional<double> feet;
        unsigned speed;
        std::optional<double> knots;
    } fields[] = {{0x000, -1000, 0, 0},
                  {0x028, 0, 1, 1},
                  {0x050, 1000, 0x7FF, 2047},
                  {0xFFE, 101350, 0xFFE, 4094},
                  {0xFFF, std::nullopt, 0xFFF, std::nullopt}};
    for (const auto& f : fields) {
        Gdl90TestReport r;
        r.altitude = f.altitude;
        r.speed = f.speed;
        const std::optional<Gdl90Ownship> o = DecodeGdl90Ownship(Gdl90TestOwnship(r));
        ASSERT_TRUE(o);
        EXPECT_EQ(o->pressureAltitudeFeet, f.feet) << f.altitude;
        EXPECT_EQ(o->speedKnots, f.knots) << f.speed;
        EXPECT_EQ(o->nic, 10); // the neighbours of split fields stay whole
        EXPECT_DOUBLE_EQ(o->track, 45.0);
    }
    for (const int feet : {-1000, 0, 1000, 163835, -163840})
        EXPECT_EQ(DecodeGdl90GeometricAltitudeFeet(Gdl90TestGeometricAltitude(feet)), feet);
    EXPECT_EQ(DecodeGdl90GeometricAltitudeFeet(Bytes({11, 0xFF, 0x38, 0, 0})), -1000);
    EXPECT_FALSE(DecodeGdl90GeometricAltitudeFeet(Bytes({11, 0xFF, 0x38, 0})));
}

TEST(Gdl90Messages, HeartbeatTimeStampAndStatus) {
    const struct {
        QByteArray message;
        bool valid;
        bool utcOk;
        uint32_t seconds;
    } cases[] = {
        {Bytes({0, 0x81, 0x81, 0x7F, 0x51, 0, 0}), true, true, 86399}, // 23:59:59
        {Bytes({0, 0x01, 0x80, 0x80, 0x51, 0, 0}), false, false, 86400},
        {Bytes({0, 0x81, 0x80, 0xFF, 0xFF, 0, 0}), true, false, 131071},
        {Bytes({0, 0x80, 0x7E, 0x00, 0x01, 0, 0}), true, false, 256}, // least significant first
        {Bytes({0, 0x7F, 0x01, 0x01, 0x00, 0, 0}), false, true, 1},
    };
    for (const auto& c : cases) {
        const std::optional<Gdl90Heartbeat> h = DecodeGdl90Heartbeat(c.message);
        ASSERT_TRUE(h);
        EXPECT_EQ(h->gpsPositionValid, c.valid);
        EXPECT_EQ(h->utcOk, c.utcOk);
        EXPECT_EQ(h->secondsOfDay, c.seconds);
    }
    EXPECT_FALSE(DecodeGdl90Heartbeat(Bytes({0, 0x81, 0x01, 0x7F, 0x51, 0})));
    EXPECT_FALSE(DecodeGdl90Heartbeat(Bytes({0x80, 0x81, 0x01, 0x7F, 0x51, 0, 0})));
}

TEST(Gdl90Fixes, OwnshipReportsAndTheRulesOfAValidFix) {
    struct Case {
        const char* name;
        Gdl90TestReport report;
        std::optional<bool> heartbeatValid; // nothing: no heartbeat came
        bool valid;
        std::optional<double> speed;
        std::optional<double> trueTrack;
        std::optional<double> magnetic;
    };
    auto report = [](double lat, double lon, unsigned speed = 123, unsigned nic = 10,
                     unsigned misc = 0x9) {
        Gdl90TestReport r;
        r.latitude = lat, r.longitude = lon, r.speed = speed, r.nic = nic, r.misc = misc;
        return r;
    };
    const Case cases[] = {
        {"north east", report(47.5, 11.25), true, true, 123, 45, {}},
        {"south west", report(-33.9, -151.2), true, true, 123, 45, {}},
        {"north west", report(44.90708, -122.99488), true, true, 123, 45, {}},
        {"south east", report(-0.5, 0.25), true, true, 123, 45, {}},
        {"unknown velocity", report(47.5, 11.25, 0xFFF), true, true, {}, 45, {}},
        {"NIC 0", report(47.5, 11.25, 123, 0), true, false, 123, 45, {}},
        {"heartbeat says not valid", report(47.5, 11.25), false, false, 123, 45, {}},
        {"no heartbeat", report(47.5, 11.25), std::nullopt, false, 123, 45, {}},
        {"0/0", report(0, 0), true, false, 123, 45, {}},
        {"on the equator", report(0, 11.25), true, true, 123, 45, {}},
        {"latitude beyond the pole", report(91, 11.25), true, false, 123, 45, {}},
        {"magnetic heading", report(47.5, 11.25, 123, 10, 0x2), true, true, 123, {}, 45},
        {"true heading", report(47.5, 11.25, 123, 10, 0x3), true, true, 123, 45, {}},
        {"no track", report(47.5, 11.25, 0, 10, 0x8), true, true, 0, {}, {}},
    };
    const auto t0 = SteadyClock::now();
    for (const Case& c : cases) {
        Gdl90FixBuilder builder;
        if (c.heartbeatValid) {
            EXPECT_FALSE(builder.Apply(Gdl90TestHeartbeat(*c.heartbeatValid, 3600), t0));
        }
        const std::optional<DecimalFix> fix = builder.Apply(Gdl90TestOwnship(c.report), t0);
        ASSERT_TRUE(fix) << c.name;
        EXPECT_EQ(fix->valid, c.valid) << c.name;
        EXPECT_NEAR(fix->latitude, c.report.latitude, 2e-5) << c.name;
        EXPECT_NEAR(fix->longitude, c.report.longitude, 2e-5) << c.name;
        EXPECT_EQ(fix->speedKnots, c.speed) << c.name;
        EXPECT_EQ(fix->trueTrack, c.trueTrack) << c.name;
        EXPECT_EQ(fix->magneticTrack, c.magnetic) << c.name;
        EXPECT_EQ(fix->altitudeFeet, 1000.0) << c.name;
        EXPECT_EQ(fix->utc.isValid(), c.heartbeatValid.has_value()) << c.name;
    }
}

TEST(Gdl90Fixes, OtherMessagesChangeNothing) {
    const auto t0 = SteadyClock::now();
    Gdl90FixBuilder builder;
    builder.Apply(Gdl90TestHeartbeat(true, 3600), t0);
    Gdl90TestReport traffic;
    traffic.id = 20;
    const QByteArray others[] = {Gdl90TestOwnship(traffic),
                                 Bytes({7}) + QByteArray(435, 0x20),
                                 Bytes({0x65, 0x01, 0x02}),
                                 Bytes({}),
                                 Bytes({0x8A}),
                                 Gdl90TestHeartbeat(false, 7200).first(6)};
    for (const QByteArray& m : others)
        EXPECT_FALSE(builder.Apply(m, t0)) << m.toHex().constData();
    const std::optional<DecimalFix> fix = builder.Apply(Gdl90TestOwnship({}), t0);
    ASSERT_TRUE(fix);
    EXPECT_TRUE(fix->valid); // the short "not valid" heartbeat was no heartbeat
    EXPECT_EQ(fix->utc.time(), QTime(1, 0));
}

TEST(Gdl90Fixes, HeartbeatAndGeometricAltitudeCountWhileTheyKeepComing) {
    const auto t0 = SteadyClock::now();
    Gdl90FixBuilder b;
    b.Apply(Gdl90TestHeartbeat(true, 43200), t0);
    b.Apply(Gdl90TestGeometricAltitude(1250), t0);
    const QByteArray report = Gdl90TestOwnship({});
    const auto at = [&](std::chrono::milliseconds after) { return *b.Apply(report, t0 + after); };
    DecimalFix fix = at(200ms); // reports faster than heartbeats keep the heartbeat's word
    EXPECT_TRUE(fix.valid);
    EXPECT_EQ(fix.altitudeFeet, 1250.0); // the GPS's altitude before the pressure altitude
    EXPECT_EQ(fix.utc.time(), QTime(12, 0));
    fix = at(3000ms);
    EXPECT_TRUE(fix.valid);
    fix = at(3200ms); // neither came again: no valid fix, no frozen time or altitude
    EXPECT_FALSE(fix.valid);
    EXPECT_FALSE(fix.utc.isValid());
    EXPECT_EQ(fix.altitudeFeet, 1000.0);

    b.Apply(Gdl90TestHeartbeat(true, 43204, false), t0 + 4s); // time not UTC: not shown
    fix = at(4200ms);
    EXPECT_TRUE(fix.valid);
    EXPECT_FALSE(fix.utc.isValid());
}

TEST(Gdl90Fixes, TimeOfDayOnTheNearestDay) {
    const QDate day(2026, 12, 9);
    const struct {
        QTime now;
        uint32_t seconds;
        QDateTime expected;
    } cases[] = {
        {QTime(12, 0), 43205, QDateTime(day, QTime(12, 0, 5), QTimeZone::utc())},
        {QTime(0, 0, 3), 86398, QDateTime(day.addDays(-1), QTime(23, 59, 58), QTimeZone::utc())},
        {QTime(23, 59, 58), 1, QDateTime(day.addDays(1), QTime(0, 0, 1), QTimeZone::utc())},
        {QTime(12, 0), 86399, QDateTime(day, QTime(23, 59, 59), QTimeZone::utc())},
        {QTime(12, 0), 86400, QDateTime()},
        {QTime(12, 0), 131071, QDateTime()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Gdl90Utc(c.seconds, QDateTime(day, c.now, QTimeZone::utc())), c.expected)
            << c.seconds;
}

// A reader context of the tests' own, publishing into the fix.
struct TestContext {
    GpsFix fix;
    std::atomic<bool> running{true};
    GpsReaderContext context{fix, running, -1};
    Gdl90FrameReader frames;
    Gdl90FixBuilder fixes;

    TestContext() { fix.SetOpen(true); }
    void Datagram(QByteArrayView bytes) { ApplyGdl90Datagram(bytes, frames, fixes, context); }
};

TEST(Gdl90Fixes, DatagramsPublishNmeaShapedValues) {
    TestContext t;
    Gdl90TestReport r;
    r.latitude = -33.5, r.longitude = -70.75, r.speed = 88, r.track = 0x40;
    // Garbage, a traffic report and an unfinished frame around the messages do no harm.
    t.Datagram(Bytes({0x12, 0x7D, 0x34}) + Gdl90TestFrame(Gdl90TestHeartbeat(true, 45296)) +
               Gdl90TestFrame(Gdl90TestGeometricAltitude(-20)) +
               Gdl90TestFrame(Gdl90TestOwnship(r)) + Bytes({0x7E, 0x14, 0x00}));
    const GpsReading reading = t.fix.Snapshot();
    EXPECT_TRUE(reading.fresh);
    EXPECT_TRUE(reading.values.fixValid);
    EXPECT_EQ(reading.values.latitudeHemisphere, 'S');
    EXPECT_EQ(reading.values.longitudeHemisphere, 'W');
    EXPECT_EQ(reading.values.speed, 88);
    EXPECT_DOUBLE_EQ(reading.values.course, 90.0);
    EXPECT_EQ(reading.values.altitude, -20);
    EXPECT_EQ(reading.values.time, 123456u);
    // A frame in two datagrams, as a serial-to-network bridge may cut it, is read whole.
    r.speed = 95;
    const QByteArray frame = Gdl90TestFrame(Gdl90TestOwnship(r));
    t.Datagram(frame.first(10));
    EXPECT_EQ(t.fix.Snapshot().values, reading.values);
    t.Datagram(frame.sliced(10));
    EXPECT_EQ(t.fix.Snapshot().values.speed, 95);
}

// The resident memory of the process, in bytes.
long ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

TEST(Gdl90Garbage, RandomBytesAndEndlessFramesStayBoundedAndGiveNoFix) {
    TestContext t;
    std::mt19937 random(35);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray datagram(kMaxDatagramBytes, '\0');
    const long before = ResidentBytes();
    for (int n = 0; n < 10 * 16; ++n) { // 10 MB in datagrams of 64 KB
        for (char& c : datagram)
            c = static_cast<char>(byte(random));
        t.Datagram(datagram);
    }
    EXPECT_EQ(t.fix.Snapshot().values, GpsValues());
    EXPECT_FALSE(t.fix.Snapshot().fresh);

    // A frame that never ends: 10 MB without a flag, then good frames again.
    Gdl90FrameReader reader;
    EXPECT_FALSE(reader.Add(char(0x7E)));
    int messages = 0;
    for (int n = 0; n < 10 * 1024 * 1024; ++n)
        messages += reader.Add(static_cast<char>(n % 0x7D)).has_value();
    EXPECT_EQ(messages, 0);
    for (const char c : kDocumentHeartbeat)
        messages += reader.Add(c).has_value();
    EXPECT_EQ(messages, 1);
    EXPECT_LT(ResidentBytes() - before, 2 * 1024 * 1024);
}

sockaddr_in Loopback(uint16_t port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port);
    return a;
}

// A UDP port on the loopback interface that nothing holds, picked at random.
uint16_t FreeUdpPort(std::mt19937& random) {
    std::uniform_int_distribution<int> ports(20000, 60000);
    for (;;) {
        const auto port = static_cast<uint16_t>(ports(random));
        const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        const sockaddr_in a = Loopback(port);
        const bool free = ::bind(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
        ::close(fd);
        if (free)
            return port;
    }
}

void SendTo(uint16_t port, QByteArrayView datagram) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    const sockaddr_in a = Loopback(port);
    EXPECT_EQ(::sendto(fd, datagram.data(), static_cast<size_t>(datagram.size()), 0,
                       reinterpret_cast<const sockaddr*>(&a), sizeof a),
              datagram.size());
    ::close(fd);
}

TEST(Gdl90Source, FixesArriveOverUdp) {
    GpsFix fix;
    GpsReceiver receiver(fix);
    std::random_device seed;
    std::mt19937 random(seed());
    uint16_t port = 0;
    for (int attempt = 0; attempt < 20 && !receiver.IsRunning(); ++attempt) {
        port = FreeUdpPort(random);
        const Status s = receiver.StartGps(
            std::make_unique<Gdl90GpsSource>(ListenAddress{QStringLiteral("127.0.0.1"), port}));
        if (!s.ok()) {
            ASSERT_TRUE(s.error().text.contains(QStringLiteral("in use")))
                << s.error().text.toStdString();
        }
    }
    ASSERT_TRUE(receiver.IsRunning());

    Gdl90TestReport r;
    r.latitude = 51.5, r.longitude = -0.125, r.speed = 60;
    SendTo(port, Gdl90TestFrame(Gdl90TestHeartbeat(true, 3661)));
    SendTo(port, Gdl90TestFrame(Gdl90TestOwnship(r)) + Gdl90TestFrame(Gdl90TestOwnship(r)));
    EXPECT_TRUE(WaitFor(fix, [](const GpsReading& g) { return g.fresh; }));
    GpsValues v = fix.Snapshot().values;
    EXPECT_EQ(v.time, 10101u);
    EXPECT_EQ(v.latitudeHemisphere, 'N');
    EXPECT_EQ(v.longitudeHemisphere, 'W');
    EXPECT_EQ(v.speed, 60);
    receiver.StopGps();
    EXPECT_FALSE(fix.IsOpen());
}

} // namespace
