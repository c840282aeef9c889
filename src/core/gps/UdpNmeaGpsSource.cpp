#include "core/gps/UdpNmeaGpsSource.h"

#include "core/gps/NmeaSentence.h"

#include <unistd.h>

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

Status UdpNmeaGpsSource::Open() {
    Close();
    Outcome<int> bound = BindUdpSocket(address_);
    if (!bound)
        return Status(bound.error());
    fd_ = bound.value();
    return Status();
}

void UdpNmeaGpsSource::Read(GpsReaderContext& context) {
    const auto apply = [&context](QByteArrayView datagram) {
        ApplyNmeaDatagram(datagram, context);
    };
    while (context.Running()) {
        if (fd_ >= 0 && ReadDatagrams(fd_, context, apply) == DescriptorEnd::Stopped)
            return;
        // The socket failed (the interface went away): bind again after a pause.
        Close();
        if (!context.Wait(kRebindMilliseconds))
            return;
        static_cast<void>(Open());
    }
}

void UdpNmeaGpsSource::Close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}
