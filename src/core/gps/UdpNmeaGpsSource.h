#pragma once
// NMEA sentences over UDP, as flight simulators, phone GPS-sharing applications and cockpit
// boxes send them (by custom to port 10110): any number of sentences a datagram, each line cut
// as every source cuts it. A line longer than NMEA allows (82 characters with its CR LF) is
// dropped, as is a datagram over kMaxDatagramBytes.

#include "core/gps/GpsSource.h"
#include "core/gps/UdpSocket.h"

inline constexpr uint16_t kDefaultUdpNmeaPort = 10110;
inline constexpr int kMaxNmeaLineBytes = 82;

class UdpNmeaGpsSource : public GpsSource {
public:
    static constexpr int kRebindMilliseconds = 2000;

    explicit UdpNmeaGpsSource(ListenAddress address) : address_(std::move(address)) {}
    ~UdpNmeaGpsSource() override { Close(); }

    // Binds the port; "Error: " and the reason (such as the port in use) on failure.
    Status Open() override;
    void Read(GpsReaderContext& context) override;
    void Close() override;

private:
    ListenAddress address_;
    int fd_ = -1;
};

// Publishes the sentences of one datagram.
void ApplyNmeaDatagram(QByteArrayView datagram, GpsReaderContext& context);
