#include "core/gps/UdpDatagramSource.h"

#include <unistd.h>

Status UdpDatagramSource::Open() {
    Close();
    Outcome<int> bound = BindUdpSocket(address_);
    if (!bound)
        return Status(bound.error());
    fd_ = bound.value();
    return Status();
}

void UdpDatagramSource::Read(GpsReaderContext& context) {
    while (context.Running()) {
        if (fd_ >= 0 && ReadDatagrams(fd_, context, NewDecoder(context)) == DescriptorEnd::Stopped)
            return;
        // The socket failed (the interface went away): bind again after a pause.
        Close();
        if (!context.Wait(kRebindMilliseconds))
            return;
        static_cast<void>(Open());
    }
}

void UdpDatagramSource::Close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}
