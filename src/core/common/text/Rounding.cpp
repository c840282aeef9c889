#include "core/common/text/Rounding.h"

#include <cmath>
#include <limits>

double RoundTenth(double x) {
    double scaled = x * 10.0;
    if (scaled > 0)
        scaled += 0.5;
    else if (scaled < 0)
        scaled -= 0.5;
    return std::trunc(scaled) * 0.1;
}

unsigned RoundWhole(double x) {
    const double shifted = x + 0.5;
    if (!(shifted >= 0))
        return 0; // negative or NaN
    if (shifted >= static_cast<double>(std::numeric_limits<unsigned>::max()))
        return std::numeric_limits<unsigned>::max();
    return static_cast<unsigned>(shifted);
}
