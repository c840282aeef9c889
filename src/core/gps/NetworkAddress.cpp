#include "core/gps/NetworkAddress.h"

#include "core/common/text/Format.h"
#include "core/gps/SerialDevice.h"

#include <QRegularExpression>

#include <cerrno>
#include <netdb.h>
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

Outcome<int> OpenSocket(const QString& host, uint16_t port, int family, int socketType, int flags,
                        int noAddressError,
                        const std::function<int(int fd, const addrinfo&)>& attach) {
    addrinfo hints{};
    hints.ai_family = family;
    hints.ai_socktype = socketType;
    hints.ai_flags = flags;
    addrinfo* found = nullptr;
    const QByteArray name = host.toUtf8();
    const QByteArray service = QByteArray::number(port);
    if (const int code = ::getaddrinfo(host.isEmpty() ? nullptr : name.constData(),
                                       service.constData(), &hints, &found))
        return ResolveError(code);
    int error = noAddressError;
    int attached = -1;
    for (addrinfo* at = found; at && attached < 0; at = at->ai_next) {
        const int fd = ::socket(at->ai_family, at->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                                at->ai_protocol);
        if (fd < 0) {
            error = errno;
            continue;
        }
        error = attach(fd, *at);
        if (error == 0)
            attached = fd;
        else
            ::close(fd);
    }
    ::freeaddrinfo(found);
    if (attached < 0)
        return SystemErrorMessage(error);
    return attached;
}

Outcome<int> ConnectTcp(const NetworkAddress& address, int wakeDescriptor,
                        int timeoutMilliseconds) {
    return OpenSocket(address.host, address.port, AF_UNSPEC, SOCK_STREAM, 0, EHOSTUNREACH,
                      [&](int fd, const addrinfo& at) {
                          const int error =
                              ::connect(fd, at.ai_addr, at.ai_addrlen) == 0 ? 0 : errno;
                          return error == EINPROGRESS
                                     ? FinishConnect(fd, wakeDescriptor, timeoutMilliseconds)
                                     : error;
                      });
}
