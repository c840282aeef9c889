#pragma once
// NMEA sentences over UDP, as flight simulators, phone GPS-sharing applications and cockpit
// boxes send them (by custom to port 10110): any number of sentences a datagram, each line cut
// as every source cuts it. A line longer than NMEA allows (82 characters with its CR LF) is
// dropped, as is a datagram over kMaxDatagramBytes.

#include "core/gps/UdpDatagramSource.h"

inline constexpr uint16_t kDefaultUdpNmeaPort = 10110;
inline constexpr int kMaxNmeaLineBytes = 82;

class UdpNmeaGpsSource : public UdpDatagramSource {
public:
    explicit UdpNmeaGpsSource(ListenAddress address) : UdpDatagramSource(std::move(address)) {}

protected:
    Decoder NewDecoder(GpsReaderContext& context) const override;
};

// Publishes the sentences of one datagram.
void ApplyNmeaDatagram(QByteArrayView datagram, GpsReaderContext& context);
