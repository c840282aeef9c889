#include "core/common/entry/CoordinateSegments.h"

#include "core/common/Constants.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

CoordinateSegments SegmentsFromSecondsOfArc(int32_t secondsOfArc, bool secondsForm) {
    const int64_t s = std::llabs(int64_t{secondsOfArc});
    CoordinateSegments segments;
    segments.degrees = static_cast<int32_t>(s / 3600);
    segments.minutes = static_cast<int32_t>((s % 3600) / 60);
    const auto seconds = static_cast<int32_t>(s % 60);
    segments.last = secondsForm ? seconds : SecondsToHundredths(seconds);
    return segments;
}

int32_t SecondsOfArcFromSegments(const CoordinateSegments& segments, bool secondsForm) {
    const int64_t last = secondsForm ? segments.last : HundredthsToSeconds(segments.last);
    const int64_t total = int64_t{segments.degrees} * 3600 + int64_t{segments.minutes} * 60 + last;
    return static_cast<int32_t>(std::clamp<int64_t>(total, INT32_MIN, INT32_MAX));
}

double DecimalDegreesFromSegments(const CoordinateSegments& segments, bool secondsForm) {
    if (secondsForm)
        return segments.degrees + segments.minutes * units::kOneSixtieth +
               segments.last * units::kOne3600th;
    return segments.degrees + (segments.minutes + segments.last * 0.01) * units::kOneSixtieth;
}

int32_t HundredthsToSeconds(int32_t hundredths) {
    return static_cast<int32_t>(std::lround(hundredths * 0.6));
}

int32_t SecondsToHundredths(int32_t seconds) {
    return static_cast<int32_t>(std::lround(seconds * units::kOneSixtieth * 100));
}
