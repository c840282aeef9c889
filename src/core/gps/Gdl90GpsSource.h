#pragma once
// GDL90 over UDP, as portable ADS-B and GPS receivers broadcast it on the cockpit's wireless
// network (by custom to port 4000): a datagram holds one frame or several, or a piece of one.
// The ownship's position comes from the Heartbeat, Ownship Report and Ownship Geometric Altitude
// messages (see Gdl90FixBuilder); traffic, uplinks and any other message are skipped.

#include "core/gps/Gdl90FixBuilder.h"
#include "core/gps/Gdl90FrameReader.h"
#include "core/gps/UdpDatagramSource.h"

inline constexpr uint16_t kDefaultGdl90Port = 4000;

class Gdl90GpsSource : public UdpDatagramSource {
public:
    explicit Gdl90GpsSource(ListenAddress address) : UdpDatagramSource(std::move(address)) {}

protected:
    Decoder NewDecoder(GpsReaderContext& context) const override;
};

// Publishes the fix of every ownship report whose frame the datagram ends.
void ApplyGdl90Datagram(QByteArrayView datagram, Gdl90FrameReader& frames, Gdl90FixBuilder& fixes,
                        GpsReaderContext& context);
