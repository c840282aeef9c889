#include "core/calculators/RateTimeAmount.h"

#include "core/calculators/CalcStop.h"
#include "core/common/text/ElapsedTime.h"
#include "core/common/text/Format.h"
#include "core/common/text/NumberText.h"
#include "core/common/text/Rounding.h"
#include "core/common/text/TimeText.h"

#include <cmath>
#include <limits>

namespace {

CalcResult Output(const char* label, QString text) {
    CalcResult result;
    result.outputs = {{QString::fromUtf8(label), std::move(text)}};
    return result;
}

} // namespace

QString HoursMinutesText(double hours) {
    if (hours >= static_cast<double>(std::numeric_limits<unsigned>::max()))
        return FormatText("%u:%02u", std::numeric_limits<unsigned>::max(), 0u);
    const ElapsedParts parts = HoursToMinutes(hours);
    return FormatText("%u:%02u", static_cast<unsigned>(parts.hours), parts.minutes);
}

CalcResult SolveRateTimeAmount(const RateTimeAmountRules& rules, const QString& rateText,
                               const QString& amountText, const QString& timeText) {
    const Outcome<std::optional<double>> timeRead = ReadTimeText(timeText);
    if (!timeRead)
        return StopWith(timeRead.error());
    const double time = timeRead.value().value_or(0.0);
    const double amount = TextToDouble(amountText);
    const double rate = TextToDouble(rateText);
    const bool hasTime = time != 0, hasAmount = amount != 0, hasRate = rate != 0;

    if (hasTime && hasAmount && hasRate)
        return StopWith(CalcMessage(kLeaveOneEmptyText));
    if (hasTime) {
        if (hasAmount)
            return Output(rules.rateLabel, FormatText("%.1f", amount / time));
        if (hasRate) {
            const double product = rate * time;
            return Output(rules.amountLabel,
                          FormatText("%.1f", rules.roundAmount ? RoundTenth(product) : product));
        }
        return Output(rules.rateLabel, QStringLiteral("0.0"));
    }
    if (hasAmount && hasRate)
        return Output(kTimeHoursMinutesLabel, HoursMinutesText(amount / rate));
    if (hasRate)
        return rules.rateOnlyGivesAmount ? Output(rules.amountLabel, QStringLiteral("0.0"))
                                         : Output(kTimeHoursMinutesLabel, QStringLiteral("0:00"));
    if (hasAmount)
        return StopWith(CalcMessage(rules.amountOnlyMessage));
    return CalcResult();
}
