#pragma once
// A GPS that sends NMEA sentences over TCP ("host:port"): a portable traffic and GPS box on the
// cockpit's wireless network, or a phone application. Nothing is sent to it. When the stream
// drops, the reader connects again every few seconds for as long as the receiver runs.

#include "core/gps/TcpStreamSource.h"

class NetworkGpsSource : public TcpStreamSource {
public:
    explicit NetworkGpsSource(NetworkAddress address) : TcpStreamSource(std::move(address)) {}

protected:
    Decoder NewDecoder(GpsReaderContext& context) const override;
};
