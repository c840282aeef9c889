#pragma once
// A GPS source that listens for UDP datagrams: it binds on Open (so a port in use is reported at
// once), and when the socket fails (the interface went away), binds again every few seconds for
// as long as the receiver runs. What a datagram carries is the subclass's: the decoder of the
// datagrams of one socket.

#include "core/gps/GpsSource.h"
#include "core/gps/UdpSocket.h"

#include <functional>

class UdpDatagramSource : public GpsSource {
public:
    static constexpr int kRebindMilliseconds = 2000;

    ~UdpDatagramSource() override { Close(); }

    // Binds the port; "Error: " and the reason (such as the port in use) on failure.
    Status Open() override;
    void Read(GpsReaderContext& context) override;
    void Close() override;

protected:
    explicit UdpDatagramSource(ListenAddress address) : address_(std::move(address)) {}

    using Decoder = std::function<void(QByteArrayView datagram)>;
    // A decoder for the datagrams of one socket, starting afresh.
    virtual Decoder NewDecoder(GpsReaderContext& context) const = 0;

private:
    ListenAddress address_;
    int fd_ = -1;
};
