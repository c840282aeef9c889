#include "core/calculators/TimeSum.h"

#include "core/calculators/CalcStop.h"
#include "core/common/text/Format.h"
#include "core/common/text/NumberText.h"
#include "core/common/text/TimeText.h"

#include <algorithm>
#include <cstdint>
#include <limits>

Outcome<unsigned> ApplyTimeStep(unsigned totalMinutes, const QString& text, TimeStep step) {
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0 || text.indexOf(u':', colon + 1) >= 0)
        return Outcome<unsigned>::Fail(QString::fromUtf8(kInvalidTimeFormatText),
                                       MessageIcon::Information);
    // 64-bit arithmetic: hours typed up to the 32-bit limit still give an exact count of
    // minutes, and a total that would leave the unsigned range is held at its ends.
    const int64_t minutes = int64_t(TextToInt(QStringView(text).left(colon))) * 60 +
                            TextToInt(QStringView(text).mid(colon + 1));
    const int64_t total = totalMinutes;
    int64_t next = 0;
    if (step == TimeStep::Add)
        next = total + minutes;
    else
        next = minutes < total ? total - minutes : 0;
    constexpr int64_t kMax = std::numeric_limits<unsigned>::max();
    return static_cast<unsigned>(std::clamp<int64_t>(next, 0, kMax));
}

QString TimeTotalText(unsigned totalMinutes) {
    return FormatText("%u:%02u", totalMinutes / 60, totalMinutes % 60);
}

CalcResult TimeSum(const QStringList& steps) {
    unsigned total = 0;
    for (const QString& step : steps) {
        const bool subtract = step.startsWith(u'-');
        const QString text = step.startsWith(u'-') || step.startsWith(u'+') ? step.mid(1) : step;
        const Outcome<unsigned> next =
            ApplyTimeStep(total, text, subtract ? TimeStep::Subtract : TimeStep::Add);
        if (!next)
            return StopWith(next.error());
        total = next.value();
    }
    CalcResult result;
    result.outputs = {{kTimeTotalLabel, TimeTotalText(total)}};
    return result;
}
