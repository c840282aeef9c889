#pragma once
// gpsd, the Linux GPS service: once installed it owns the USB or serial receiver (hot-plug), so
// the program reads its fixes from gpsd as every Linux navigation program does. The source
// speaks gpsd's JSON protocol over TCP (default localhost:2947): it asks for reports with
// ?WATCH and publishes each TPV report's fix. When gpsd goes away the reader connects again
// every few seconds.

#include "core/gps/GpsdReport.h"
#include "core/gps/TcpStreamSource.h"

class GpsdGpsSource : public TcpStreamSource {
public:
    explicit GpsdGpsSource(NetworkAddress address) : TcpStreamSource(std::move(address)) {}

protected:
    QByteArray Greeting() const override { return kGpsdWatchRequest; }
    Decoder NewDecoder(GpsReaderContext& context) const override;
};

// The address of the local gpsd.
NetworkAddress LocalGpsdAddress();
// Whether a gpsd (or anything) accepts a connection at the address within a short time; the
// connection is closed again at once.
bool GpsdAnswers(const NetworkAddress& address, int timeoutMilliseconds = 300);
