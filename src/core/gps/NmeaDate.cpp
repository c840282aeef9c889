#include "core/gps/NmeaDate.h"

#include <QString>

#include <cstdlib>

namespace {

constexpr qint64 kRolloverDays = 1024 * 7;
constexpr qint64 kHalfRolloverDays = 512 * 7;

} // namespace

QDate ProgramBuildDate() {
    // __DATE__ is "Mmm dd yyyy" in English, the day padded with a space.
    static const QDate date =
        QDate::fromString(QString::fromLatin1(__DATE__).simplified(), QStringLiteral("MMM d yyyy"));
    return date;
}

QDate NmeaDate(uint32_t ddmmyy, const QDate& today, const QDate& buildDate) {
    const int day = static_cast<int>(ddmmyy / 10000);
    const int month = static_cast<int>(ddmmyy / 100 % 100);
    const int yy = static_cast<int>(ddmmyy % 100);
    if (ddmmyy > 999999 || !today.isValid())
        return {};
    // A clock set before the build date (a machine without a battery clock starts in 1970) is
    // wrong; the build date is then the better guess of today.
    const QDate reference = buildDate.isValid() && today < buildDate ? buildDate : today;
    QDate best;
    const int century = reference.year() / 100 * 100;
    for (int base : {century - 100, century, century + 100}) {
        const QDate candidate(base + yy, month, day);
        if (candidate.isValid() && (!best.isValid() || std::llabs(candidate.daysTo(reference)) <
                                                           std::llabs(best.daysTo(reference))))
            best = candidate;
    }
    if (!best.isValid() || !buildDate.isValid())
        return best;
    // A receiver never means a day long before this program existed: that is a week rollover.
    for (int n = 0; n < 4 && best.daysTo(buildDate) > kHalfRolloverDays; ++n)
        best = best.addDays(kRolloverDays);
    return best;
}
