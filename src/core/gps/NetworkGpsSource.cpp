#include "core/gps/NetworkGpsSource.h"

#include "core/common/text/Format.h"
#include "core/gps/NmeaLineAssembler.h"
#include "core/gps/SerialDevice.h"

#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

Message ResolveError(int code) {
    return Message{QStringLiteral("Error: ") + QString::fromLocal8Bit(::gai_strerror(code)),
                   MessageIcon::None};
}

// Waits until the non-blocking connect finishes: 0 when connected, else the error number.
int FinishConnect(int fd, int wakeDescriptor, int timeoutMilliseconds) {
    pollfd fds[2] = {{fd, POLLOUT, 0}, {wakeDescriptor, POLLIN, 0}};
    const int ready = ::poll(fds, wakeDescriptor >= 0 ? 2 : 1, timeoutMilliseconds);
    if (ready < 0)
        return errno;
    if (ready == 0)
        return ETIMEDOUT;
    if (wakeDescriptor >= 0 && (fds[1].revents & POLLIN))
        return ECANCELED;
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
        return errno;
    return error;
}

} // namespace

QString NetworkAddress::Text() const {
    const QString shownHost = host.contains(':') ? '[' + host + ']' : host;
    return shownHost + FormatText(":%u", static_cast<unsigned>(port));
}

std::optional<NetworkAddress> ParseNetworkAddress(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(?:\[([0-9A-Fa-f:.]+)\]|([A-Za-z0-9.\-]+)):(\d{1,5})\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int port = match.captured(3).toInt();
    if (port < 1 || port > 65535)
        return std::nullopt;
    const QString host = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
    return NetworkAddress{host, static_cast<uint16_t>(port)};
}

Status NetworkGpsSource::Open() {
    return Connect(-1);
}

Status NetworkGpsSource::Connect(int wakeDescriptor) {
    Close();
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const QByteArray host = address_.host.toUtf8();
    const QByteArray port = QByteArray::number(address_.port);
    if (const int code = ::getaddrinfo(host.constData(), port.constData(), &hints, &found))
        return Status(ResolveError(code));
    int error = EHOSTUNREACH;
    for (addrinfo* at = found; at && fd_ < 0; at = at->ai_next) {
        const int fd = ::socket(at->ai_family, at->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                                at->ai_protocol);
        if (fd < 0) {
            error = errno;
            continue;
        }
        error = ::connect(fd, at->ai_addr, at->ai_addrlen) == 0 ? 0 : errno;
        if (error == EINPROGRESS)
            error = FinishConnect(fd, wakeDescriptor, kConnectTimeoutMilliseconds);
        if (error == 0)
            fd_ = fd;
        else
            ::close(fd);
    }
    ::freeaddrinfo(found);
    if (fd_ < 0)
        return Status(SystemErrorMessage(error));
    return Status();
}

void NetworkGpsSource::Read(GpsReaderContext& context) {
    while (context.Running()) {
        if (fd_ >= 0) {
            NmeaLineAssembler lines; // a dropped stream leaves no half line behind
            if (ReadDescriptor(fd_, context, lines) == DescriptorEnd::Stopped)
                return;
            Close();
        }
        if (!context.Wait(kReconnectMilliseconds))
            return;
        if (!Connect(context.WakeDescriptor()).ok())
            continue; // failing quietly: the next round tries again
    }
}

void NetworkGpsSource::Close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}
