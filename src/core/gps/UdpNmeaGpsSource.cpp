#include "core/gps/UdpNmeaGpsSource.h"

#include "core/gps/NmeaSentence.h"

void ApplyNmeaDatagram(QByteArrayView datagram, GpsReaderContext& context) {
    qsizetype begin = 0;
    while (begin < datagram.size()) {
        qsizetype end = datagram.indexOf('\n', begin);
        if (end < 0)
            end = datagram.size();
        const QByteArrayView line = datagram.sliced(begin, end - begin);
        begin = end + 1;
        if (line.size() + 1 > kMaxNmeaLineBytes) // with its line feed
            continue;
        if (const std::optional<QByteArray> sentence = NmeaSentenceFromLine(line))
            context.ApplySentence(*sentence);
    }
}

UdpDatagramSource::Decoder UdpNmeaGpsSource::NewDecoder(GpsReaderContext& context) const {
    return [&context](QByteArrayView datagram) { ApplyNmeaDatagram(datagram, context); };
}
