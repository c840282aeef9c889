#pragma once
// A GPS that sends NMEA sentences over TCP ("host:port"): a portable traffic and GPS box on the
// cockpit's wireless network, or a phone application. Nothing is sent to it. When the stream
// drops, the reader connects again every few seconds for as long as the receiver runs.

#include "core/gps/GpsSource.h"

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

class NetworkGpsSource : public GpsSource {
public:
    static constexpr int kConnectTimeoutMilliseconds = 3000;
    static constexpr int kReconnectMilliseconds = 2000;

    explicit NetworkGpsSource(NetworkAddress address) : address_(std::move(address)) {}
    ~NetworkGpsSource() override { Close(); }

    // Connects once, waiting up to kConnectTimeoutMilliseconds.
    Status Open() override;
    void Read(GpsReaderContext& context) override;
    void Close() override;

private:
    // Connects; wakeDescriptor (or -1) ends the wait early. "Error: " and the reason on failure.
    Status Connect(int wakeDescriptor);

    NetworkAddress address_;
    int fd_ = -1;
};
