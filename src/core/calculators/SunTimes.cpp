#include "core/calculators/SunTimes.h"

#include "core/calculators/CalcStop.h"
#include "core/common/Constants.h"
#include "core/common/entry/CoordinateEntryText.h"
#include "core/common/text/Format.h"
#include "core/common/text/NumberText.h"

#include <cmath>

namespace {

constexpr double kOfficialMinutes = 30.0; // official day and night begin this far from the event

// Each row: its label, the event it follows and the minutes it adds to it.
struct SunRow {
    const char* label;
    bool sunrise;
    double shift;
};
constexpr SunRow kRows[] = {{"Official \"day\"", true, -kOfficialMinutes},
                            {"Sun rise", true, 0.0},
                            {"Sun set", false, 0.0},
                            {"Official \"night\"", false, kOfficialMinutes}};

QString AllDayText(SunAllDay allDay) {
    return QString::fromUtf8(allDay == SunAllDay::Up ? kSunUpAllDayText : kSunDownAllDayText);
}

std::optional<double> SignedCoordinate(const QString& text, bool longitude) {
    const std::optional<CoordinateEntryText> entry = ParseCoordinateEntry(text, longitude);
    if (!entry || entry->hemisphere.isNull())
        return std::nullopt;
    return entry->NegativeHemisphere() ? -entry->Degrees() : entry->Degrees();
}

} // namespace

const QStringList& SunTimesRowLabels() {
    static const QStringList labels = [] {
        QStringList list;
        for (const SunRow& row : kRows)
            list.append(QString::fromUtf8(row.label));
        return list;
    }();
    return labels;
}

QString SunTimesUtcLabel(const QString& row) {
    return row + QStringLiteral(" UTC");
}

QString SunTimesLocalLabel(const QString& row) {
    return row + QStringLiteral(" Local");
}

QString SunTimeText(double minutes, bool utc) {
    const double h = minutes * 0.016666666666666666;
    double hours = std::floor(h);
    double mm = std::floor((h - hours) * 60.0);
    const double s = std::floor(((h - hours) * 60.0 - mm) * 60.0);
    if (s >= 30.0)
        mm += 1.0;
    if (mm >= 60.0) {
        mm -= 60.0;
        hours += 1.0;
    }
    // A time more than a day away (a large offset) still lands in 0-23 with its direction.
    const double days = std::floor(hours / 24.0);
    hours -= 24.0 * days;
    const char* suffix = days > 0 ? "+" : days < 0 ? "-" : "";
    return FormatText("%02.0f:%02.0f%s%s", hours, mm, utc ? "Z" : "", suffix);
}

CalcResult CalculateSunTimes(const SunTimesInput& in) {
    if (!in.date.isValid())
        return StopWith(CalcMessage("Invalid date."));
    const double jd = SunJulianDay(in.date.year(), in.date.month(), in.date.day());
    const SunEventTime rise = SunEventMinutes(jd, in.latitude, in.longitude, true);
    const SunEventTime set = SunEventMinutes(jd, in.latitude, in.longitude, false);
    const bool local = in.utcOffset != 0.0;
    CalcResult result;
    for (const SunRow& row : kRows) {
        const SunEventTime& event = row.sunrise ? rise : set;
        const QString label = QString::fromUtf8(row.label);
        if (event.allDay != SunAllDay::None) {
            result.Add(SunTimesUtcLabel(label), AllDayText(event.allDay));
            result.Add(SunTimesLocalLabel(label), local ? AllDayText(event.allDay) : QString());
            continue;
        }
        const double utc = event.minutes + row.shift;
        result.Add(SunTimesUtcLabel(label), SunTimeText(utc, true));
        result.Add(SunTimesLocalLabel(label),
                   local ? SunTimeText(utc + 60.0 * in.utcOffset, false) : QString());
    }
    return result;
}

CalcResult CalculateSunTimesFromText(const QString& latitude, const QString& longitude,
                                     const QString& date, const QString& utcOffset,
                                     const QDate& today) {
    if (latitude.trimmed().isEmpty() || longitude.trimmed().isEmpty())
        return StopWith(CalcMessage("Please enter the latitude and the longitude."));
    SunTimesInput in;
    const std::optional<double> lat = SignedCoordinate(latitude, false);
    if (!lat)
        return StopWith(CalcMessage("Invalid latitude. Enter DD:MM.MM or DD:MM:SS followed by N "
                                    "or S."));
    const std::optional<double> lon = SignedCoordinate(longitude, true);
    if (!lon)
        return StopWith(CalcMessage("Invalid longitude. Enter DDD:MM.MM or DDD:MM:SS followed by "
                                    "W or E."));
    in.latitude = *lat;
    in.longitude = *lon;
    in.date = date.trimmed().isEmpty() ? today : QDate::fromString(date.trimmed(), Qt::ISODate);
    if (!in.date.isValid())
        return StopWith(CalcMessage("Invalid date. Enter the date as YYYY-MM-DD."));
    bool ok = true;
    in.utcOffset = utcOffset.trimmed().isEmpty() ? 0.0 : utcOffset.trimmed().toDouble(&ok);
    if (!ok || std::fabs(in.utcOffset) > 24.0)
        return StopWith(CalcMessage("Invalid UTC offset. Enter the hours from -24 to 24."));
    return CalculateSunTimes(in);
}

double SunUtcOffset(const QString& text) {
    const double offset = TextToDouble(text);
    return std::isfinite(offset) ? offset : 0.0;
}

QString StepSunUtcOffset(const QString& text, int delta) {
    return FormatText("%g", SunUtcOffset(text) + delta);
}
