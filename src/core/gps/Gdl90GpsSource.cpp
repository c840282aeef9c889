#include "core/gps/Gdl90GpsSource.h"

#include <memory>

void ApplyGdl90Datagram(QByteArrayView datagram, Gdl90FrameReader& frames, Gdl90FixBuilder& fixes,
                        GpsReaderContext& context) {
    const auto receivedAt = std::chrono::steady_clock::now();
    for (const char byte : datagram) {
        const std::optional<QByteArray> message = frames.Add(byte);
        if (!message)
            continue;
        if (const std::optional<DecimalFix> fix = fixes.Apply(*message, receivedAt))
            context.ApplyValues(GpsValuesFromDecimal(*fix));
    }
}

UdpDatagramSource::Decoder Gdl90GpsSource::NewDecoder(GpsReaderContext& context) const {
    struct Decoding {
        Gdl90FrameReader frames;
        Gdl90FixBuilder fixes;
    };
    auto decoding = std::make_shared<Decoding>();
    return [&context, decoding](QByteArrayView datagram) {
        ApplyGdl90Datagram(datagram, decoding->frames, decoding->fixes, context);
    };
}
