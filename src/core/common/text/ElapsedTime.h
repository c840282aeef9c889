#pragma once
// Elapsed times in whole units (hours and minutes, or hours, minutes and seconds), cut, not
// rounded. A time computed in hours is rarely exact in binary: 120 nm at 100 kt is 1.2 hours,
// held as 1.19999..., and a plain cut would show 1:11 for 1:12. Every calculator and view that
// shows an elapsed time therefore cuts after the same tolerance: a millionth of the unit shown.

#include <cstdint>

struct ElapsedParts {
    uint64_t hours = 0;
    unsigned minutes = 0;
    unsigned seconds = 0;
};

// The whole units in an amount of them: floor(amount + 1e-6). 0 for a negative amount or NaN;
// the largest value for an amount beyond range.
uint64_t WholeElapsedUnits(double amount);

// Hours as whole hours and minutes (seconds 0).
ElapsedParts HoursToMinutes(double hours);
// Hours as whole hours, minutes and seconds.
ElapsedParts HoursToSeconds(double hours);
