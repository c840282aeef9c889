#include "core/calculators/HeadingTime.h"

#include "core/calculators/CalcStop.h"
#include "core/calculators/DirectionText.h"
#include "core/calculators/WindTriangle.h"
#include "core/common/Constants.h"
#include "core/common/text/ElapsedTime.h"
#include "core/common/text/Format.h"
#include "core/common/text/NumberText.h"
#include "core/common/text/Rounding.h"
#include "resource.h"

#include <algorithm>
#include <cmath>

namespace {

const QStringList& OutputLabels() {
    static const QStringList labels{"Ground Speed", "True Heading", "Mag Heading", "Estimated Time",
                                    "Arrival"};
    return labels;
}

// A result that stops with `message`; with `clear` the outputs are emptied.
CalcResult& Stop(CalcResult& r, Message message, bool clear = false) {
    r.stop = std::move(message);
    if (clear)
        for (const QString& label : OutputLabels())
            r.Add(label, QString());
    return r;
}

bool ReadDeparture(const QString& text, double* hours) {
    int h = 0, m = 0;
    if (text.isEmpty()) {
        *hours = 0;
        return true;
    }
    if (!SplitClockText(text, &h, &m) || h < 0 || h > 23 || m < 0 || m > 59)
        return false;
    *hours = m * units::kOneSixtieth + h;
    return true;
}

} // namespace

bool SplitClockText(const QString& text, int* hours, int* minutes) {
    const qsizetype colon = text.indexOf(':');
    if (colon < 0)
        return false;
    *hours = TextToInt(QStringView(text).left(colon));
    *minutes = TextToInt(QStringView(text).mid(colon + 1));
    return true;
}

QString HoursMinutesSeconds(double t, bool clockTime) {
    if (!(t > 0))
        t = 0;
    t = std::min(t, 4.0e9); // keeps the whole hours within an unsigned value
    const ElapsedParts parts = HoursToSeconds(t);
    // A clock time drops whole days (an arrival after midnight, or days later).
    const uint64_t shownHours = clockTime ? parts.hours % 24 : parts.hours;
    return FormatText("%02u:%02u:%02u", static_cast<unsigned>(shownHours), parts.minutes,
                      parts.seconds);
}

CalcResult CalculateHeadingTime(const HeadingTimeInput& in) {
    CalcResult r;
    double track = 0, windDirection = 0, departure = 0;
    if (in.track.isEmpty())
        return Stop(r, CalcMessage(IDS_ENTER_TRACK));
    if (!ReadDirectionInto(in.track, QStringLiteral("Track"), IDS_INVALID_TRACK, r, &track))
        return r;
    if (in.distance.isEmpty())
        return Stop(r, CalcMessage(IDS_ENTER_DISTANCE));
    const double distance = TextToDouble(in.distance);
    if (distance < 0)
        return Stop(r, CalcMessage(kInvalidDistanceText));
    if (in.tas.isEmpty())
        return Stop(r, CalcMessage(IDS_ENTER_TRUE_AIR_SPEED));
    if (in.windDirection.isEmpty())
        return Stop(r, CalcMessage(IDS_ENTER_WIND_DIRECTION));
    if (!ReadDirectionInto(in.windDirection, QStringLiteral("Wind Direction"),
                           IDS_INVALID_WIND_DIRECTION, r, &windDirection))
        return r;
    if (in.windSpeed.isEmpty())
        return Stop(r, CalcMessage(IDS_ENTER_WIND_SPEED));
    if (!ReadDeparture(in.departure, &departure))
        return Stop(r, CalcMessage(kInvalidDepartureText));
    double variation = TextToDouble(in.magVar);
    if (in.east)
        variation = -variation;

    const Outcome<WindSolution> solved = SolveWindTriangle(
        track, distance, TextToDouble(in.tas), TextToDouble(in.windSpeed), windDirection);
    if (!solved)
        return Stop(r, solved.error(), /*clear=*/true);
    double magnetic = solved->heading + variation;
    if (magnetic > 360)
        magnetic -= 360;
    if (magnetic < 0)
        magnetic += 360;
    r.Add(OutputLabels()[0], FormatText("%u", RoundWhole(solved->groundSpeed)));
    r.Add(OutputLabels()[1], FormatText("%u°", RoundWhole(solved->heading)));
    r.Add(OutputLabels()[2], FormatText("%u°", RoundWhole(magnetic)));
    r.Add(OutputLabels()[3], HoursMinutesSeconds(solved->time));
    r.Add(OutputLabels()[4], HoursMinutesSeconds(departure + solved->time, /*clockTime=*/true));
    return r;
}
