#include "core/logbook/LogbookTexts.h"

#include "core/common/text/Format.h"

#include <QRegularExpression>

namespace {

constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};
static_assert(std::size(kMonths) == 12);

} // namespace

QString LogbookHoursText(qint64 minutes) {
    return FormatText("%.1f", static_cast<double>(minutes) / 60.0);
}

std::optional<int> ParseLogbookHours(const QString& text) {
    static const QRegularExpression kHours(QStringLiteral("^([0-9]{1,4})(?:\\.([0-9]))?$"));
    const QRegularExpressionMatch m = kHours.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int tenths = m.captured(2).isEmpty() ? 0 : m.captured(2).toInt();
    return m.captured(1).toInt() * 60 + tenths * 6;
}

QString LogbookTimeText(const QDateTime& utc) {
    if (!utc.isValid())
        return {};
    const QTime t = utc.toUTC().time();
    return FormatText("%02d:%02d", t.hour(), t.minute());
}

QString LogbookDayText(const QDate& date, int currentYear) {
    if (!date.isValid())
        return {};
    const char* month = kMonths[date.month() - 1];
    if (date.year() == currentYear)
        return FormatText("%d %s", date.day(), month);
    return FormatText("%d %s %d", date.day(), month, date.year());
}
