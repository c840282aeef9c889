#include "core/gps/UdpSocket.h"

#include "core/gps/NetworkAddress.h"

#include <cerrno>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

QString ListenAddress::Text() const {
    if (host.isEmpty())
        return QString::number(port);
    return NetworkAddress{host, port}.Text();
}

std::optional<ListenAddress> ParseListenAddress(const QString& text) {
    const QString trimmed = text.trimmed();
    bool number = false;
    const int port = trimmed.toInt(&number);
    if (number && !trimmed.startsWith(u'+'))
        return port >= 1 && port <= 65535 ? std::optional(ListenAddress{{}, uint16_t(port)})
                                          : std::nullopt;
    const std::optional<NetworkAddress> address = ParseNetworkAddress(trimmed);
    if (!address)
        return std::nullopt;
    return ListenAddress{address->host, address->port};
}

Outcome<int> BindUdpSocket(const ListenAddress& address) {
    const bool anyAddress = address.host.isEmpty();
    return OpenSocket(address.host, address.port, anyAddress ? AF_INET6 : AF_UNSPEC, SOCK_DGRAM,
                      AI_PASSIVE | AI_NUMERICSERV, EADDRNOTAVAIL, [&](int fd, const addrinfo& at) {
                          const int yes = 1, no = 0;
                          ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
                          if (at.ai_family == AF_INET6 && anyAddress) // IPv4 senders too
                              ::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &no, sizeof no);
                          return ::bind(fd, at.ai_addr, at.ai_addrlen) == 0 ? 0 : errno;
                      });
}

DescriptorEnd ReadDatagrams(int fd, GpsReaderContext& context,
                            const std::function<void(QByteArrayView)>& consume) {
    std::vector<char> buffer(kMaxDatagramBytes);
    while (context.Running()) {
        short revents = 0;
        const DescriptorWait wait = WaitForDescriptor(fd, context, &revents);
        if (wait == DescriptorWait::Failed || (revents & (POLLERR | POLLNVAL)))
            return DescriptorEnd::Failed;
        if (wait == DescriptorWait::Idle)
            continue;
        // Every waiting datagram, then back to the stop request: a flood cannot hold the reader.
        for (int n = 0; n < 256 && context.Running(); ++n) {
            const ssize_t size = ::recv(fd, buffer.data(), buffer.size(), MSG_TRUNC);
            if (size < 0) {
                if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
                    break;
                return DescriptorEnd::Failed;
            }
            if (size <= kMaxDatagramBytes) // MSG_TRUNC: a larger one reports its full size
                consume(QByteArrayView(buffer.data(), size));
        }
    }
    return DescriptorEnd::Stopped;
}
