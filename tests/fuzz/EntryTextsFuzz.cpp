// The texts typed into entry fields: positions, "h:mm" times and GPS network addresses. A
// position that reads is within the globe and reads back the same from the coordinate texts
// shown for it; a time fails exactly when the text is not empty and has no ":" or more than one;
// an address that reads has a host and a port and reads back the same from its own text.

#include "FuzzSupport.h"

#include "core/common/text/CoordinateText.h"
#include "core/common/text/PositionText.h"
#include "core/common/text/TimeText.h"
#include "core/gps/NetworkGpsSource.h"

#include <cmath>

namespace {

constexpr int32_t kSecondsPerDegree = 3600;

void CheckPosition(const QString& text) {
    const std::optional<Position> position = ParsePositionText(text);
    if (!position)
        return;
    FUZZ_CHECK(std::abs(position->latitude) <= 90 * kSecondsPerDegree);
    FUZZ_CHECK(std::abs(position->longitude) <= 180 * kSecondsPerDegree);
    const QString shown =
        LatitudeText(position->latitude, true) + u' ' + LongitudeText(position->longitude, true);
    FUZZ_CHECK(ParsePositionText(shown) == position);
}

void CheckTime(const QString& text) {
    const Outcome<std::optional<double>> time = ReadTimeText(text);
    FUZZ_CHECK(time.ok() == (text.isEmpty() || text.count(u':') == 1));
    if (time.ok())
        FUZZ_CHECK(time.value().has_value() == !text.isEmpty());
}

void CheckAddress(const QString& text) {
    const std::optional<NetworkAddress> address = ParseNetworkAddress(text);
    if (!address)
        return;
    FUZZ_CHECK(!address->host.isEmpty() && address->port >= 1);
    FUZZ_CHECK(ParseNetworkAddress(address->Text()) == address);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(FuzzBytes(data, size));
    CheckPosition(text);
    CheckTime(text);
    CheckAddress(text);
    return 0;
}
