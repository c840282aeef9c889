#include "core/calculators/HoldTiming.h"

#include "core/calculators/CalcStop.h"
#include "core/calculators/DirectionText.h"
#include "core/calculators/WindTriangle.h"
#include "core/common/Constants.h"
#include "core/common/text/Format.h"
#include "core/common/text/NumberText.h"
#include "core/common/text/Rounding.h"
#include "resource.h"

#include <cmath>

namespace {

struct Leg {
    double groundSpeed = 0.0;
    double heading = 0.0;
};

// One leg flown against the wind; k corrects the heading (outbound) but not the ground speed.
// Nothing when k x the wind correction sine leaves -1..1, with the message saying why.
Outcome<Leg> SolveLeg(double windDirection, double windSpeed, double tas, double course, int k) {
    Leg leg;
    if (windDirection == course) {
        leg.groundSpeed = RoundTenth(tas - windSpeed);
        leg.heading = course;
    } else {
        const double a =
            windDirection * units::kDegreesToRadians - course * units::kDegreesToRadians;
        const double s = (windSpeed / tas) * std::sin(a);
        if (s < -1.0 || s > 1.0)
            return Outcome<Leg>::Fail(kWindTooStrongText, MessageIcon::Information);
        if (k * s < -1.0 || k * s > 1.0)
            return Outcome<Leg>::Fail(kCorrectionTooStrongText, MessageIcon::Information);
        leg.heading = NormaliseRadians(std::asin(k * s) + course * units::kDegreesToRadians) *
                      units::kRadiansToDegrees;
        leg.groundSpeed = std::sqrt(1.0 - s * s) * tas - std::cos(a) * windSpeed;
    }
    if (!(leg.groundSpeed > 0))
        return Outcome<Leg>::Fail(kNoProgressText, MessageIcon::Information);
    return leg;
}

void AddOutputs(HoldTimingResult& r, unsigned inbound, unsigned outbound, unsigned seconds) {
    r.texts.Add(QStringLiteral("Inbound Heading"), FormatText("%u°", inbound));
    r.texts.Add(QStringLiteral("Outbound Heading"), FormatText("%u°", outbound));
    r.texts.Add(QStringLiteral("Outbound Time"), FormatText("%u:%02u", seconds / 60, seconds % 60));
    r.texts.Add(QStringLiteral("Distance"),
                r.distance ? FormatText("%.1f", *r.distance) : QString());
}

// Stops with `message`, showing the reset results and the last distance.
HoldTimingResult& Stop(HoldTimingResult& r, Message message) {
    r.texts.stop = std::move(message);
    AddOutputs(r, 0, 0, 0);
    return r;
}

// The correction factor of the list item ("2X" -> 2); 0 when it is none of 1..3.
int CorrectionFactor(const QString& text) {
    if (text.isEmpty())
        return 1;
    const int k = TextToInt(text);
    return k >= 1 && k <= 3 ? k : 0;
}

} // namespace

const QStringList& HoldInboundTimeItems() {
    static const QStringList items{"1:00", "1:30", "2:00"};
    return items;
}

const QStringList& HoldCorrectionItems() {
    static const QStringList items{"1X", "2X", "3X"};
    return items;
}

HoldTimingResult CalculateHoldTiming(const HoldTimingInput& in) {
    HoldTimingResult r;
    r.distance = in.lastDistance;
    const double windSpeed = TextToDouble(in.windSpeed);
    double windDirection = 0, course = 0;
    if (!ReadDirectionInto(in.windDirection, QStringLiteral("Wind Direction"),
                           IDS_INVALID_WIND_DIRECTION, r.texts, &windDirection))
        return Stop(r, *r.texts.stop);
    const double tas = TextToDouble(in.tas);
    if (!ReadDirectionInto(in.inboundCourse, QStringLiteral("Inbound Course"), IDS_INVALID_COURSE,
                           r.texts, &course))
        return Stop(r, *r.texts.stop);
    const int k = CorrectionFactor(in.outboundCorrection);
    if (k == 0)
        return Stop(r, CalcMessage(kInvalidCorrectionText));
    if (course * tas == 0) {
        AddOutputs(r, 0, 0, 0);
        return r;
    }
    const Outcome<Leg> inbound = SolveLeg(windDirection, windSpeed, tas, course, 1);
    if (!inbound)
        return Stop(r, inbound.error());
    double outboundCourse = course + 180.0;
    if (outboundCourse > 360.0)
        outboundCourse -= 360.0;
    const Outcome<Leg> outbound = SolveLeg(windDirection, windSpeed, tas, outboundCourse, k);
    if (!outbound)
        return Stop(r, outbound.error());

    int minutes = 0, seconds = 0;
    const qsizetype colon = in.inboundTime.indexOf(':');
    if (colon >= 0) {
        minutes = TextToInt(QStringView(in.inboundTime).left(colon));
        seconds = TextToInt(QStringView(in.inboundTime).mid(colon + 1));
    }
    const double legSeconds = minutes * 60.0 + seconds;
    if (colon < 0 || legSeconds < 0) // a negative time would fly the pattern backwards
        return Stop(r, CalcMessage(kInvalidInboundTimeText));
    r.distance = RoundTenth(legSeconds * units::kOne3600th * inbound->groundSpeed);
    const unsigned outboundSeconds = RoundWhole(*r.distance / outbound->groundSpeed * 3600.0);
    AddOutputs(r, RoundWhole(inbound->heading), RoundWhole(outbound->heading), outboundSeconds);
    return r;
}
