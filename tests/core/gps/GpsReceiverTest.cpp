#include "core/gps/GpsReceiver.h"
#include "core/gps/SerialPorts.h"

#include "FixWait.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <thread>
#include <unistd.h>

namespace {

// A pseudo-terminal: the test writes into the master side, the receiver opens the slave path.
class PseudoTerminal {
public:
    PseudoTerminal() {
        char name[256] = {};
        ok_ = ::openpty(&master_, &slave_, name, nullptr, nullptr) == 0;
        path_ = QString::fromLocal8Bit(name);
    }
    ~PseudoTerminal() {
        if (ok_) {
            ::close(slave_);
            ::close(master_);
        }
    }
    bool ok() const { return ok_; }
    const QString& Path() const { return path_; }
    void Write(const QByteArray& bytes) const {
        ASSERT_EQ(::write(master_, bytes.constData(), bytes.size()), bytes.size());
    }

private:
    bool ok_ = false;
    int master_ = -1;
    int slave_ = -1;
    QString path_;
};

TEST(GpsReceiver, ReadsSentencesFromAPseudoTerminalAndStops) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.ok());
    GpsFix fix;
    GpsReceiver receiver(fix);
    const Status started = receiver.StartGps(pty.Path());
    ASSERT_TRUE(started.ok()) << started.error().text.toStdString();
    EXPECT_TRUE(fix.IsOpen());

    // A sentence split over two writes, a GSV to ignore, then GGA.
    pty.Write("$GNRMC,093015.00,V,4916.45,N,12311.12,W,0");
    pty.Write("41.7,054.7,191194,,*2F\r\n$GPGSV,3,1,11*7B\r\n");
    pty.Write("$GPGGA,093016,4916.45,N,12311.12,W,1,08,0.9,100.0,M,,M,,*4B\r\n");
    ASSERT_TRUE(WaitFor(fix, [](const GpsReading& r) { return r.values.altitude == 330; }));
    const GpsReading reading = fix.Snapshot();
    EXPECT_TRUE(reading.open);
    EXPECT_EQ(reading.values.time, 93015u);
    EXPECT_EQ(reading.values.speed, 41);
    EXPECT_EQ(reading.values.heading, 54);

    // The speed changes with the next sentence while the port stays open.
    pty.Write("$GPRMC,093017,A,1,N,2,W,39.0,1,,,\r\n");
    ASSERT_TRUE(WaitFor(fix, [](const GpsReading& r) { return r.values.speed == 39; }));

    receiver.StopGps();
    EXPECT_FALSE(receiver.IsRunning());
    const GpsReading stopped = fix.Snapshot();
    EXPECT_FALSE(stopped.open);
    EXPECT_EQ(stopped.values, GpsValues{});
    receiver.StopGps(); // a second stop does nothing
}

// A source whose read waits on nothing but the stop request, with no timeout: a stop returns only
// because the receiver wakes the reader at once, never because a poll interval ran out.
class WakeOnlySource : public GpsSource {
public:
    WakeOnlySource(std::atomic<bool>* waiting, std::atomic<bool>* woken)
        : waiting_(waiting), woken_(woken) {}
    Status Open() override { return {}; }
    void Read(GpsReaderContext& context) override {
        pollfd wake{context.WakeDescriptor(), POLLIN, 0};
        *waiting_ = true;
        if (::poll(&wake, 1, -1) > 0 && (wake.revents & POLLIN))
            *woken_ = true;
    }
    void Close() override {}

private:
    std::atomic<bool>* waiting_;
    std::atomic<bool>* woken_;
};

TEST(GpsReceiver, StopWakesTheReaderAtOnce) {
    GpsFix fix;
    GpsReceiver receiver(fix);
    std::atomic<bool> waiting{false};
    std::atomic<bool> woken{false};
    ASSERT_TRUE(receiver.StartGps(std::make_unique<WakeOnlySource>(&waiting, &woken)).ok());
    while (!waiting) // the reader is about to wait; no time limit is involved
        std::this_thread::yield();
    receiver.StopGps();
    EXPECT_TRUE(woken);
    EXPECT_FALSE(receiver.IsRunning());
}

TEST(GpsReceiver, RestartsOnAnotherDeviceAndStopsWhenDestroyed) {
    PseudoTerminal first, second;
    ASSERT_TRUE(first.ok() && second.ok());
    GpsFix fix;
    {
        GpsReceiver receiver(fix);
        ASSERT_TRUE(receiver.StartGps(first.Path()).ok());
        ASSERT_TRUE(receiver.StartGps(second.Path()).ok());
        second.Write("$GPRMC,101010,A,1,N,2,W,7,1,,,\r\n");
        ASSERT_TRUE(WaitFor(fix, [](const GpsReading& r) { return r.values.speed == 7; }));
    }
    EXPECT_FALSE(fix.IsOpen());
}

TEST(GpsReceiver, OpeningFailuresGiveTheSystemMessage) {
    TempFolder folder;
    const QString plainFile = folder.File("not-a-port");
    QFile file(plainFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    GpsFix fix;
    GpsReceiver receiver(fix);
    const struct {
        QString path;
        int error;
    } cases[] = {{folder.File("missing"), ENOENT}, {plainFile, ENOTTY}};
    for (const auto& c : cases) {
        const Status status = receiver.StartGps(c.path);
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(status.error().text,
                  QStringLiteral("Error: ") + QString::fromLocal8Bit(std::strerror(c.error)));
        EXPECT_EQ(status.error().icon, MessageIcon::None);
        EXPECT_FALSE(receiver.IsRunning());
        EXPECT_FALSE(fix.IsOpen());
    }
}

TEST(SerialPorts, NumbersAreStableAndFamiliesDoNotCollide) {
    const struct {
        const char* name;
        uint32_t number;
    } cases[] = {{"ttyS0", 1},     {"ttyS3", 4},     {"ttyUSB0", 100}, {"ttyUSB2", 102},
                 {"ttyACM1", 201}, {"ttyAMA0", 300}, {"rfcomm0", 400}};
    for (const auto& c : cases)
        EXPECT_EQ(SerialPortNumber(QString::fromLatin1(c.name)), c.number) << c.name;
    const uint32_t odd = SerialPortNumber(QStringLiteral("ttyXRUSB0"));
    EXPECT_GE(odd, 1000u);
    EXPECT_LE(odd, 0x7FFFFFFFu); // stored as a signed 32-bit value
    EXPECT_EQ(odd, SerialPortNumber(QStringLiteral("ttyXRUSB0")));
    EXPECT_NE(odd, SerialPortNumber(QStringLiteral("ttyXRUSB1")));
    EXPECT_GE(SerialPortNumber(QStringLiteral("ttyS")), 1000u);
}

TEST(SerialPorts, TheStoredPortIsSelectedElseTheFirst) {
    const QVector<SerialPortEntry> ports = {{"ttyS0", 1, "/dev/ttyS0"},
                                            {"ttyUSB0", 100, "/dev/ttyUSB0"}};
    EXPECT_EQ(FindSerialPort(ports, 100), 1);
    EXPECT_EQ(FindSerialPort(ports, 7), 0);
    EXPECT_EQ(FindSerialPort({}, 1), -1);
}

} // namespace
