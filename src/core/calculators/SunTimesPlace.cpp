#include "core/calculators/SunTimesPlace.h"

#include "core/common/Constants.h"

SunTimesPlace SunTimesPlaceFromSeconds(int32_t latitude, int32_t longitude) {
    return {latitude * units::kOne3600th, longitude * units::kOne3600th, latitude < 0,
            longitude < 0};
}

SunTimesPlace SunTimesPlaceFromTyped(double latitude, double longitude, bool south, bool east) {
    return {south ? -latitude : latitude, east ? -longitude : longitude, south, east};
}

QString NorthSouthText(bool south) {
    return south ? QStringLiteral("S") : QStringLiteral("N");
}

QString WestEastText(bool east) {
    return east ? QStringLiteral("E") : QStringLiteral("W");
}
