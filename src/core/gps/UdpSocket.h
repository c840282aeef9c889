#pragma once
// Receiving UDP for the GPS sources that listen (NMEA over UDP, GDL90): a socket bound to a port
// on all local addresses or on one, and the loop that hands each datagram to its decoder. A
// datagram larger than kMaxDatagramBytes is dropped whole, so memory stays fixed under any flood.

#include "core/common/Outcome.h"
#include "core/gps/GpsSource.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

inline constexpr int kMaxDatagramBytes = 64 * 1024;

// Where a source listens: a port, on all local addresses (host empty) or on the one given.
struct ListenAddress {
    QString host;
    uint16_t port = 0;

    // "port" or "host:port".
    QString Text() const;
    bool operator==(const ListenAddress&) const = default;
};

// Parses "port", "host:port" or "[v6]:port" (port 1 to 65535); nothing for any other text.
std::optional<ListenAddress> ParseListenAddress(const QString& text);

// A non-blocking UDP socket bound to the address; "Error: " and the reason on failure.
Outcome<int> BindUdpSocket(const ListenAddress& address);

// Receives datagrams until the context stops or the socket fails; every datagram that fits goes
// to consume.
DescriptorEnd ReadDatagrams(int fd, GpsReaderContext& context,
                            const std::function<void(QByteArrayView)>& consume);
