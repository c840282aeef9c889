#include "core/gps/GpsdGpsSource.h"

#include "core/gps/LineSplitter.h"

#include <memory>

#include <unistd.h>

TcpStreamSource::Decoder GpsdGpsSource::NewDecoder(GpsReaderContext& context) const {
    auto lines = std::make_shared<LineSplitter>(kMaxGpsdLineBytes);
    return [&context, lines](QByteArrayView bytes) {
        lines->Add(bytes, [&context](QByteArrayView line) {
            if (const std::optional<DecimalFix> fix = ParseGpsdReport(line))
                context.ApplyValues(GpsValuesFromDecimal(*fix));
        });
    };
}

bool GpsdAnswers(const NetworkAddress& address, int timeoutMilliseconds) {
    const Outcome<int> connected = ConnectTcp(address, -1, timeoutMilliseconds);
    if (connected)
        ::close(connected.value());
    return connected.ok();
}

NetworkAddress LocalGpsdAddress() {
    return NetworkAddress{QStringLiteral("localhost"), kDefaultGpsdPort};
}
