// trevallion-calc: the wind calculators and the holding patterns (ground-speed, heading-time,
// wind, cross-wind, hold-entry, hold-timing).
#include "CalcCommand.h"

#include "core/calculators/CalcStop.h"
#include "core/calculators/HeadingTime.h"
#include "core/calculators/HoldEntry.h"
#include "core/calculators/HoldTiming.h"
#include "core/calculators/WindCalculators.h"
#include "core/common/entry/FieldLimits.h"

#include <optional>

namespace {

// The dialogs' list fields, the inbound time and the departure time "hh:mm" take the texts their
// typing limits allow; a longer text could not be typed there, so it is refused instead of cut.
std::optional<CalcResult> TooLong(const CalcArgs& args) {
    for (const auto& [key, text] : args.InOrder()) {
        const int limit = key == "inbound-time" ? kInboundTimeChars
                          : key == "departure"  ? kClockTimeChars
                                                : kNumberListChars;
        if (key != "type" && key != "east" && text.size() > limit)
            return StopWith(CalcMessage(
                QStringLiteral("--%1 takes at most %2 characters.").arg(key).arg(limit).toUtf8()));
    }
    return std::nullopt;
}

// Runs `calculate` unless an argument is longer than its field.
CalcCommand WindCommand(const char* name, const char* title, QList<CalcKey> keys,
                        const std::function<CalcResult(const CalcArgs&)>& calculate) {
    return {name, title, std::move(keys), [calculate](const CalcArgs& args) {
                if (std::optional<CalcResult> refused = TooLong(args))
                    return *refused;
                return calculate(args);
            }};
}

std::optional<bool> YesNo(const QString& text) {
    const QString t = text.trimmed().toLower();
    if (t.isEmpty() || t == "no" || t == "false" || t == "0")
        return false;
    if (t == "yes" || t == "true" || t == "1")
        return true;
    return std::nullopt;
}

CalcResult HeadingTime(const CalcArgs& a) {
    HeadingTimeInput in;
    in.track = a.Text("track");
    in.distance = a.Text("distance");
    in.tas = a.Text("tas");
    in.windDirection = a.Text("wind-direction");
    in.windSpeed = a.Text("wind-speed");
    in.magVar = a.Text("mag-var");
    const std::optional<bool> east = YesNo(a.Text("east"));
    if (!east) {
        a.ReportUsage(QStringLiteral("--east takes yes or no."));
        return StopWith(CalcMessage("--east takes yes or no."));
    }
    in.east = *east;
    in.departure = a.Has("departure") ? a.Text("departure") : QStringLiteral("00:00");
    return CalculateHeadingTime(in);
}

CalcResult HoldTiming(const CalcArgs& a) {
    HoldTimingInput in;
    in.windDirection = a.Text("wind-direction");
    in.windSpeed = a.Text("wind-speed");
    in.inboundCourse = a.Text("inbound-course");
    in.tas = a.Text("tas");
    in.inboundTime = a.Has("inbound-time") ? a.Text("inbound-time") : HoldInboundTimeItems()[0];
    in.outboundCorrection = a.Text("outbound-correction");
    return CalculateHoldTiming(in).texts;
}

const CalcCommandRegistration kGroundSpeed{
    WindCommand("ground-speed", "Ground Speed",
                {{"wind-direction", "Wind Direction"},
                 {"wind-speed", "Wind Speed"},
                 {"course", "Course"},
                 {"tas", "TAS"}},
                [](const CalcArgs& a) {
                    return CalculateGroundSpeed({a.Text("wind-direction"), a.Text("wind-speed"),
                                                 a.Text("course"), a.Text("tas")})
                        .texts;
                })};

const CalcCommandRegistration kHeadingTime{WindCommand("heading-time", "Heading & Time",
                                                       {{"track", "Track"},
                                                        {"distance", "Distance"},
                                                        {"tas", "TAS"},
                                                        {"wind-direction", "Wind Direction"},
                                                        {"wind-speed", "Wind Speed"},
                                                        {"mag-var", "Mag Var"},
                                                        {"east", "East"},
                                                        {"departure", "Departure"}},
                                                       HeadingTime)};

const CalcCommandRegistration kFindWind{
    WindCommand("wind", "Wind",
                {{"heading", "Heading"},
                 {"ground-speed", "Ground Speed"},
                 {"course", "Course"},
                 {"tas", "TAS"}},
                [](const CalcArgs& a) {
                    return CalculateFindWind({a.Text("heading"), a.Text("ground-speed"),
                                              a.Text("course"), a.Text("tas")})
                        .texts;
                })};

const CalcCommandRegistration kCrossWind{WindCommand(
    "cross-wind", "Cross Wind",
    {{"heading", "Heading"}, {"wind-direction", "Wind Direction"}, {"wind-speed", "Wind Speed"}},
    [](const CalcArgs& a) {
        return CalculateCrossWind(
                   {a.Text("heading"), a.Text("wind-direction"), a.Text("wind-speed")})
            .texts;
    })};

const CalcCommandRegistration kHoldEntry{WindCommand(
    "hold-entry", "Hold",
    {{"inbound-course", "Inbound Course"}, {"approach", "Approach"}, {"type", "Type"}},
    [](const CalcArgs& a) {
        return CalculateHoldEntry(a.Text("inbound-course"), a.Text("approach"), a.Text("type"));
    })};

const CalcCommandRegistration kHoldTiming{
    WindCommand("hold-timing", "Hold",
                {{"wind-direction", "Wind Direction"},
                 {"wind-speed", "Wind Speed"},
                 {"inbound-course", "Inbound Course"},
                 {"tas", "TAS"},
                 {"inbound-time", "Inbound Time"},
                 {"outbound-correction", "Outbound Correction"}},
                HoldTiming)};

} // namespace
