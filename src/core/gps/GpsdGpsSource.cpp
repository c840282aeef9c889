#include "core/gps/GpsdGpsSource.h"

#include "core/gps/LineSplitter.h"

#include <memory>

TcpStreamSource::Decoder GpsdGpsSource::NewDecoder(GpsReaderContext& context) const {
    auto lines = std::make_shared<LineSplitter>(kMaxGpsdLineBytes);
    return [&context, lines](QByteArrayView bytes) {
        lines->Add(bytes, [&context](QByteArrayView line) {
            if (const std::optional<DecimalFix> fix = ParseGpsdReport(line))
                context.ApplyValues(GpsValuesFromDecimal(*fix));
        });
    };
}

NetworkAddress LocalGpsdAddress() {
    return NetworkAddress{QStringLiteral("localhost"), kDefaultGpsdPort};
}
