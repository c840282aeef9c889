#include "core/gps/TcpStreamSource.h"

#include "core/gps/SerialDevice.h"

#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

Status TcpStreamSource::Open() {
    return Connect(-1);
}

Status TcpStreamSource::Connect(int wakeDescriptor) {
    Close();
    Outcome<int> connected = ConnectTcp(address_, wakeDescriptor, kConnectTimeoutMilliseconds);
    if (!connected)
        return Status(connected.error());
    fd_ = connected.value();
    const QByteArray greeting = Greeting();
    // A greeting is a few bytes into an empty socket buffer: one send takes it whole.
    if (!greeting.isEmpty() &&
        ::send(fd_, greeting.constData(), static_cast<size_t>(greeting.size()), MSG_NOSIGNAL) !=
            greeting.size()) {
        const Message error = SystemErrorMessage(errno);
        Close();
        return Status(error);
    }
    return Status();
}

void TcpStreamSource::Read(GpsReaderContext& context) {
    while (context.Running()) {
        if (fd_ >= 0 && ReadDescriptor(fd_, context, NewDecoder(context)) == DescriptorEnd::Stopped)
            return;
        Close();
        if (!context.Wait(kReconnectMilliseconds))
            return;
        if (!Connect(context.WakeDescriptor()).ok())
            continue; // failing quietly: the next round tries again
    }
}

void TcpStreamSource::Close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}
