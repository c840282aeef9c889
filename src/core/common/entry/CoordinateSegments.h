#pragma once
// A latitude or longitude as the three segments of an entry field: degrees, minutes and the
// last segment, which holds either seconds or hundredths of a minute. Positions are whole
// seconds of arc; the segments carry no hemisphere (the absolute value is used).

#include <cstdint>

struct CoordinateSegments {
    int32_t degrees = 0;
    int32_t minutes = 0;
    int32_t last = 0; // seconds, or hundredths of a minute
    bool operator==(const CoordinateSegments&) const = default;
};

// Splits |s|: last = the seconds, or the seconds as hundredths of a minute rounded
// (trunc(seconds x 1/60 x 100 + 0.5)).
CoordinateSegments SegmentsFromSecondsOfArc(int32_t secondsOfArc, bool secondsForm);
// degrees x 3600 + minutes x 60 + seconds, the hundredths taken as trunc(last x 0.6 + 0.5)
// seconds. Saturates at the 32-bit limit.
int32_t SecondsOfArcFromSegments(const CoordinateSegments& segments, bool secondsForm);
// Always non-negative.
double DecimalDegreesFromSegments(const CoordinateSegments& segments, bool secondsForm);

// The last segment when switching forms: 99 hundredths -> 59 s, 59 s -> 98 hundredths.
int32_t HundredthsToSeconds(int32_t hundredths);
int32_t SecondsToHundredths(int32_t seconds);
