#include "core/gps/NetworkGpsSource.h"

#include "core/gps/NmeaLineAssembler.h"

#include <memory>

TcpStreamSource::Decoder NetworkGpsSource::NewDecoder(GpsReaderContext& context) const {
    auto lines = std::make_shared<NmeaLineAssembler>();
    return [&context, lines](QByteArrayView bytes) { context.Feed(bytes, *lines); };
}
