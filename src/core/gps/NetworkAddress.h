#pragma once
// A host and port to reach over TCP ("host:port"), and the connect that every TCP source uses.

#include "core/common/Outcome.h"

#include <QString>

#include <cstdint>
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

// Connects a non-blocking TCP socket, waiting up to the time given; a byte readable on
// wakeDescriptor (or -1 for none) ends the wait early. The descriptor, or "Error: " and the
// reason.
Outcome<int> ConnectTcp(const NetworkAddress& address, int wakeDescriptor, int timeoutMilliseconds);
