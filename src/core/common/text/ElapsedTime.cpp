#include "core/common/text/ElapsedTime.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kTolerance = 1e-6;

} // namespace

uint64_t WholeElapsedUnits(double amount) {
    const double cut = std::floor(amount + kTolerance);
    if (!(cut >= 0))
        return 0;
    // 2^64 is exact as a double; anything at or above it saturates.
    if (cut >= 18446744073709551616.0)
        return std::numeric_limits<uint64_t>::max();
    return static_cast<uint64_t>(cut);
}

ElapsedParts HoursToMinutes(double hours) {
    const uint64_t minutes = WholeElapsedUnits(hours * 60);
    return {minutes / 60, static_cast<unsigned>(minutes % 60), 0};
}

ElapsedParts HoursToSeconds(double hours) {
    const uint64_t seconds = WholeElapsedUnits(hours * 3600);
    return {seconds / 3600, static_cast<unsigned>(seconds / 60 % 60),
            static_cast<unsigned>(seconds % 60)};
}
