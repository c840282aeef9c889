#pragma once
// A host and port to reach over TCP ("host:port"), and the connect that every TCP source uses.

#include "core/common/Outcome.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

struct NetworkAddress {
    QString host;
    uint16_t port = 0;

    // "host:port".
    QString Text() const;
    bool operator==(const NetworkAddress&) const = default;
};

// Parses "host:port" (a name, an IPv4 address, or an IPv6 address in brackets, and a port from
// 1 to 65535); nothing when the text is not one.
std::optional<NetworkAddress> ParseNetworkAddress(const QString& text);

struct addrinfo;

// Resolves the host (empty: any local address) and port with the hints given (family, socket
// type, getaddrinfo flags), then tries each address in turn: a non-blocking socket of its kind,
// handed to attach (a connect or a bind), which answers 0 or an error number. The first socket
// attached; else "Error: " and the reason (noAddressError when there was no address to try).
Outcome<int> OpenSocket(const QString& host, uint16_t port, int family, int socketType, int flags,
                        int noAddressError,
                        const std::function<int(int fd, const addrinfo&)>& attach);

// Connects a non-blocking TCP socket, waiting up to the time given; a byte readable on
// wakeDescriptor (or -1 for none) ends the wait early. The descriptor, or "Error: " and the
// reason.
Outcome<int> ConnectTcp(const NetworkAddress& address, int wakeDescriptor, int timeoutMilliseconds);
