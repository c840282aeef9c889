#pragma once
// A GPS source that reads a TCP stream: it connects on Open (so a wrong address is reported at
// once), and when the stream drops, connects again every few seconds for as long as the
// receiver runs. What the stream carries is the subclass's: the greeting it sends after each
// connect and the decoder of the bytes of one connection.

#include "core/gps/GpsSource.h"
#include "core/gps/NetworkAddress.h"

#include <QByteArray>

#include <functional>

class TcpStreamSource : public GpsSource {
public:
    static constexpr int kConnectTimeoutMilliseconds = 3000;
    static constexpr int kReconnectMilliseconds = 2000;

    ~TcpStreamSource() override { Close(); }

    Status Open() override;
    void Read(GpsReaderContext& context) override;
    void Close() override;

protected:
    explicit TcpStreamSource(NetworkAddress address) : address_(std::move(address)) {}

    using Decoder = std::function<void(QByteArrayView bytes)>;
    // Sent after every connect; nothing by default.
    virtual QByteArray Greeting() const { return {}; }
    // A decoder for the bytes of one connection, starting with no partial line.
    virtual Decoder NewDecoder(GpsReaderContext& context) const = 0;

private:
    // Connects (wakeDescriptor, or -1, ends the wait early) and sends the greeting.
    Status Connect(int wakeDescriptor);

    NetworkAddress address_;
    int fd_ = -1;
};
